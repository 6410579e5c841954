// The editor window's code templates: the list's settings and its three
// events, which put the chosen template in place of the typed word and the
// caret inside its first empty slot.
#include <string>
#include <vector>

#include "editor/completion/completion_types.h"
#include "ide/code_templates.h"
#include "ide/form_editor.h"
#include "platform/draw/colors.h"
#include "platform/draw/font.h"

namespace kau::ide {

namespace {
constexpr editor::TShortCut kCtrlSpace = 16416;
constexpr int kListRows = 18;
constexpr int kListWidth = 262;
constexpr TColor kListSelection = 0xFFBFBF;
}  // namespace

// Tab and Enter are left out of the options, so only a double click or an
// end-of-token character chooses an entry.
void TFormEditor::buildJanelaTemplates() {
  editor::TSynCompletionProposal& list = *janelaTemplates_;
  list.SetOptions(editor::CompletionOptionSet(editor::scoLimitToMatchedText) |
                  editor::CompletionOptionSet(editor::scoEndCharCompletion));
  list.SetShortCut(kCtrlSpace);
  std::vector<std::string> items;
  for (const CodeTemplate& entry : CodeTemplates()) items.emplace_back(entry.item);
  list.SetItemList(items);
  list.SetEndOfTokenChr("()[]. ");
  list.SetTriggerChars(".");
  list.SetNbLinesInWindow(kListRows);
  list.SetWidth(kListWidth);
  list.ClSelect() = kListSelection;
  list.ClSelectedText() = clNavy;
  list.Font().SetName("MS Sans Serif");
  list.Font().SetHeight(-11);
  list.TitleFont().SetName("MS Sans Serif");
  list.TitleFont().SetHeight(-11);
  list.TitleFont().SetStyle(fsBold);
  list.OnExecute = editor::TCompletionExecute::bind<&TFormEditor::janelaTemplatesExecute>(this);
  list.OnCodeCompletion = editor::TCodeCompletionEvent::bind<&TFormEditor::janelaTemplatesCodeCompletion>(this);
  list.OnAfterCodeCompletion =
      editor::TAfterCodeCompletionEvent::bind<&TFormEditor::janelaTemplatesAfterCodeCompletion>(this);
}

// The template replaces the typed word, so it starts where the word began.
void TFormEditor::janelaTemplatesExecute(editor::SynCompletionType, editor::TObject*, std::string& input, int&, int&,
                                         bool&) {
  TemplateInput = input;
  TemplateCaretX = TemplateStartColumn(richEdit1_->CaretX(), input);
  TemplateCaretY = richEdit1_->CaretY();
}

void TFormEditor::janelaTemplatesCodeCompletion(editor::TObject*, std::string& value, TShiftState, int, char) {
  const TemplateInsertion insertion = ExpandTemplate(value, TemplateInput, TemplateCaretX, TemplateCaretY);
  value = insertion.value;
  TemplateCaretX = insertion.caretX;
  TemplateCaretY = insertion.caretY;
}

void TFormEditor::janelaTemplatesAfterCodeCompletion(editor::TObject*, const std::string&, TShiftState, int, char) {
  richEdit1_->SetCaretXY({TemplateCaretX, TemplateCaretY});
}

}  // namespace kau::ide

#include "editor/completion/auto_complete.h"

#include <algorithm>

#include "platform/virtual_keys.h"
#include "text/char_class.h"

namespace kau::editor {

namespace {

bool SameText(const std::string& A, const std::string& B) {
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char a, char b) {
           return text::toUpper1252(static_cast<unsigned char>(a)) == text::toUpper1252(static_cast<unsigned char>(b));
         });
}

std::string Trim(const std::string& S) {
  const auto first = S.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return S.substr(first, S.find_last_not_of(" \t") - first + 1);
}

// Restores the editor's options and closes the expansion's undo pair, also
// when a command of the expansion fails.
class ExpansionScope {
 public:
  explicit ExpansionScope(TCustomSynEdit& AEditor) : fEditor(AEditor), fOptions(AEditor.Options()) {
    if (fOptions & (eoAutoIndent | eoTrimTrailingSpaces))
      fEditor.SetOptions(fOptions & ~(eoAutoIndent | eoTrimTrailingSpaces));
    Mark(crAutoCompleteBegin);
  }
  ~ExpansionScope() {
    fEditor.SetOptions(fOptions);
    Mark(crAutoCompleteEnd);
  }
  ExpansionScope(const ExpansionScope&) = delete;
  ExpansionScope& operator=(const ExpansionScope&) = delete;

 private:
  void Mark(TSynChangeReason Reason) {
    fEditor.UndoList().AddChange(Reason, fEditor.CaretXY(), fEditor.CaretXY(), "", smNormal);
  }
  TCustomSynEdit& fEditor;
  TSynEditorOptions fOptions;
};

}  // namespace

TSynAutoComplete::TSynAutoComplete(TObject*) : fShortCut(editor::ShortCut(VK_SPACE, ssShift)) {}

TSynAutoComplete::~TSynAutoComplete() { SetEditor(nullptr); }

void TSynAutoComplete::SetEditor(TCustomSynEdit* Value) {
  if (Value == fEditor) return;
  if (fEditor) {
    fEditor->RemoveKeyDownHandler(makeMethod<&TSynAutoComplete::EditorKeyDown>(this));
    fEditor->RemoveKeyPressHandler(makeMethod<&TSynAutoComplete::EditorKeyPress>(this));
    fEditor->RemoveFreeNotification(this);
  }
  fEditor = Value;
  if (fEditor) {
    fEditor->FreeNotification(this);
    fEditor->AddKeyDownHandler(makeMethod<&TSynAutoComplete::EditorKeyDown>(this));
    fEditor->AddKeyPressHandler(makeMethod<&TSynAutoComplete::EditorKeyPress>(this));
  }
}

void TSynAutoComplete::Notification(TObject* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == fEditor) SetEditor(nullptr);
}

void TSynAutoComplete::EditorKeyDown(TObject*, std::uint16_t& Key, TShiftState Shift) {
  // Only a character of the shortcut's own keystroke is swallowed.
  fNoNextKey = false;
  if (!fEditor || fEditor->ReadOnly() || editor::ShortCut(Key, Shift) != fShortCut) return;
  Execute(GetPreviousToken(*fEditor), *fEditor);
  fNoNextKey = true;
  Key = 0;
}

void TSynAutoComplete::EditorKeyPress(TObject*, char& Key) {
  if (!fNoNextKey) return;
  fNoNextKey = false;
  Key = '\0';
}

std::string TSynAutoComplete::GetPreviousToken(TCustomSynEdit& AEditor) const {
  const std::string line = AEditor.LineText(AEditor.CaretY());
  const int caret = AEditor.CaretX() - 1;
  if (static_cast<int>(line.size()) < caret) return {};
  int p = caret;
  while (p > 0) {
    const char c = line[static_cast<std::size_t>(p - 1)];
    if (static_cast<unsigned char>(c) <= 32 || fEndOfTokenChr.find(c) != std::string::npos) break;
    --p;
  }
  return line.substr(static_cast<std::size_t>(p), static_cast<std::size_t>(caret - p));
}

bool TSynAutoComplete::IsTemplateLine(std::size_t Index) const {
  return Index < fAutoCompleteList.size() && !fAutoCompleteList[Index].empty() && fAutoCompleteList[Index][0] == '=';
}

int TSynAutoComplete::FindName(const std::string& AToken) const {
  if (AToken.empty()) return -1;
  for (std::size_t i = 0; i < fAutoCompleteList.size(); ++i)
    if (!IsTemplateLine(i) && SameText(fAutoCompleteList[i], AToken)) return static_cast<int>(i);
  return -1;
}

std::string TSynAutoComplete::GetTokenList() const {
  std::string list;
  for (std::size_t i = 0; i < fAutoCompleteList.size(); ++i)
    if (!fAutoCompleteList[i].empty() && !IsTemplateLine(i)) list += Trim(fAutoCompleteList[i]) + "\r\n";
  return list;
}

std::string TSynAutoComplete::GetTokenValue(const std::string& AToken) const {
  const int name = FindName(AToken);
  if (name < 0) return {};
  std::string value;
  for (auto i = static_cast<std::size_t>(name) + 1; IsTemplateLine(i); ++i)
    value += fAutoCompleteList[i].substr(1) + "\r\n";
  return value;
}

void TSynAutoComplete::Execute(const std::string& AToken, TCustomSynEdit& AEditor) {
  if (OnBeforeExecute) OnBeforeExecute(this);
  const int name = FindName(AToken);
  if (name < 0) return;
  {
    fNoNextKey = true;
    ExpansionScope scope(AEditor);
    for (std::size_t i = 0; i < AToken.size(); ++i) AEditor.CommandProcessor(ecDeleteLastChar, '\0', nullptr);
    TypeTemplate(AEditor, static_cast<std::size_t>(name));
  }
  fNoNextKey = false;
  if (OnAfterExecute) OnAfterExecute(this);
}

void TSynAutoComplete::TypeTemplate(TCustomSynEdit& AEditor, std::size_t Name) {
  const int column = AEditor.GetDisplayX() - 1;
  const int tabWidth = std::max(AEditor.TabWidth(), 1);
  std::string indent;
  if (!(AEditor.Options() & eoTabsToSpaces) && tabWidth <= column)
    indent = std::string(static_cast<std::size_t>(column / tabWidth), '\t') +
             std::string(static_cast<std::size_t>(column % tabWidth), ' ');
  else
    indent = std::string(static_cast<std::size_t>(column), ' ');
  auto type = [&AEditor](char c) {
    if (c == '\t') AEditor.CommandProcessor(ecTab, '\0', nullptr);
    else AEditor.CommandProcessor(ecChar, c, nullptr);
  };
  bool marked = false;
  TPoint mark;
  for (std::size_t i = Name + 1; IsTemplateLine(i); ++i) {
    for (char c : std::string_view(fAutoCompleteList[i]).substr(1)) {
      type(c);
      if (c == '|') {
        marked = true;
        mark = AEditor.CaretXY();
      }
    }
    // Any following line that is not empty breaks the line, also the next
    // template's name right after this template's last line.
    if (i + 1 < fAutoCompleteList.size() && !fAutoCompleteList[i + 1].empty()) {
      AEditor.CommandProcessor(ecLineBreak, '\0', nullptr);
      for (char c : indent) type(c);
    }
  }
  if (marked) {
    AEditor.SetCaretXY(mark);
    AEditor.CommandProcessor(ecDeleteLastChar, '\0', nullptr);
  }
}

}  // namespace kau::editor

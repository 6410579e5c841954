// The editor window: a child of the main window that holds one source file
// in the editor control `RichEdit1`. It shows the caret position in the
// status bar, marks its file as modified in its caption and tab, maps F1,
// F9 and the Ctrl shortcuts to the main window's commands, snaps the caret
// on Up and Down, paints the error line once after a failed run, and applies
// the classic or modern colour style.
#pragma once

#include <QMdiSubWindow>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "editor/completion/completion_proposal.h"
#include "editor/highlight/pascal_highlighter.h"
#include "editor/print/syn_edit_print.h"
#include "ide/editor_control.h"
#include "ide/editor_window_settings.h"
#include "platform/shift_state.h"

class QAction;

namespace kau::ide {

class EditorControlHost;
class TFormMain;

class TFormEditor : public QMdiSubWindow {
  Q_OBJECT
 public:
  static constexpr int StyleClassic = kStyleClassic;
  static constexpr int StyleModern = kStyleModern;

  // The window and its components; it joins the main window's menus only in
  // FormCreate, so that a window whose file failed to load leaves no trace.
  explicit TFormEditor(TFormMain& owner);
  ~TFormEditor() override;

  RichEditControl& RichEdit1() { return *richEdit1_; }
  EditorControlHost& Host() { return *host_; }
  editor::TSynEditPrint& SynEditPrint1() { return *synEditPrint1_; }
  editor::TSynPasSyn& hEstiloClassico() { return *hEstiloClassico_; }
  editor::TSynPasSyn& hEstiloModerno() { return *hEstiloModerno_; }
  QAction* WindowListItem() const { return windowListItem_; }
  QAction* PopupListItem() const { return popupListItem_; }
  // Takes the window out of the two window lists (when it closes).
  void FreeWindowListItems();
  editor::TSynCompletionProposal& janelaTemplates() { return *janelaTemplates_; }

  void SetFileName(const QString& name);
  QString GetFileName() const { return EditorFileName; }
  // The file name without its folder.
  QString TabTitle() const;
  // The caption and tab with "*" while the text is modified.
  void ShowModifiedMark();
  void ShowCaretPosition();
  int GetErrorLine() const { return ErrorLineMark; }
  void SetErrorLine(int line);
  // Whether the window was maximized when it was last minimized.
  bool MaximizedWhenMinimized() const { return maximizedWhenMinimized_; }
  void ApplyEditorStyle(int style);
  int GetEditorStyle() const { return EditorStyle; }

  void FormCreate();
  void FormActivate();

  // The control's events; the host calls the key and mouse handlers.
  void RichEdit1KeyDown(std::uint16_t& key, TShiftState shift);
  void RichEdit1KeyUp(std::uint16_t& key, TShiftState shift);
  void RichEdit1MouseDown();
  void RichEdit1MouseUp();
  void RichEdit1MouseMove();
  void RichEdit1SpecialLineColors(editor::TObject* sender, int line, bool& special, TColor& foreground, TColor& background);
  void RichEdit1StatusChange(editor::TObject* sender, editor::TSynStatusChanges changes);
  // Whether the window takes this key before the menus' shortcuts.
  static bool ClaimsKey(std::uint16_t key, TShiftState shift);
  // A key of the Ctrl table types no character, even when it is not consumed.
  static bool TypesNothing(std::uint16_t key, TShiftState shift);

  // The template list's events (form_editor_templates.cpp).
  void janelaTemplatesExecute(editor::SynCompletionType kind, editor::TObject* sender, std::string& input, int& x,
                              int& y, bool& canExecute);
  void janelaTemplatesCodeCompletion(editor::TObject* sender, std::string& value, TShiftState shift, int index,
                                     char endToken);
  void janelaTemplatesAfterCodeCompletion(editor::TObject* sender, const std::string& value, TShiftState shift,
                                          int index, char endToken);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormClose(QCloseEvent* event);
  void buildRichEdit1();
  void buildSynEditPrint1();
  void buildJanelaTemplates();
  // Each highlighter in its style's colours.
  void ColourHighlighters();
  // Moves the caret to the end of a shorter, non-blank line at `targetLine`
  // before Up or Down goes there, keeping a Shift selection's anchor.
  void SnapCaretTo(int targetLine, bool extendSelection);

  TFormMain& main_;
  EditorControlHost* host_ = nullptr;
  std::unique_ptr<RichEditControl> richEdit1_;
  std::unique_ptr<editor::TSynEditPrint> synEditPrint1_;
  std::unique_ptr<editor::TSynCompletionProposal> janelaTemplates_;
  std::unique_ptr<editor::TSynPasSyn> hEstiloClassico_;
  std::unique_ptr<editor::TSynPasSyn> hEstiloModerno_;
  QAction* windowListItem_ = nullptr;
  QAction* popupListItem_ = nullptr;

  QString EditorFileName;
  int EditorStyle = StyleClassic;
  int ErrorLineMark = 0;
  bool maximizedWhenMinimized_ = false;
  int TemplateCaretX = 0;
  int TemplateCaretY = 0;
  std::string TemplateInput;
};

}  // namespace kau::ide

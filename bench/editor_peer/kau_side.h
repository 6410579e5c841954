// Our control as the editor window builds it: TSynEditKAU with the window's
// settings (font, gutter, options, block pairs, structure lines, bracket
// marks), the Pascal highlighter in the classic style, in the Qt host. Also
// the find and replace of the IDE's dialogs.
#pragma once

#include "bench/editor_peer/side.h"
#include "editor/highlight/pascal_highlighter.h"
#include "editor/search/syn_edit_search.h"
#include "editor/structure/syn_edit_kau.h"
#include "platform/qt/qt_editor_host.h"

namespace kau::bench {

class KauSide : public Side {
 public:
  KauSide();
  ~KauSide() override;
  const char* Name() const override { return "kau"; }
  QWidget& Widget() override { return host_; }
  void Load(const std::string& text) override;
  void GoToLine(int line) override;
  int LineCount() const override { return edit_.LineCount(); }
  // The control's SearchReplace, as plain search from the caret.
  int FindAll(const std::string& pattern) override;
  int ReplaceAll(const std::string& pattern, const std::string& replacement) override;
  bool CanUndo() const override { return edit_.CanUndo(); }
  void Undo() override { edit_.Undo(); }
  // The find dialog's Find next and the replace dialog's Replace All.
  int FindAllAsTheFindDialog(const std::string& pattern);
  int ReplaceAllAsTheReplaceDialog(const std::string& pattern, const std::string& replacement);

 private:
  platform::QtEditorHost host_;
  editor::TSynPasSyn pascal_;
  editor::TSynEditSearch search_;
  editor::TSynEditKAU edit_;
};

}  // namespace kau::bench

#include "bench/editor_peer/kau_side.h"

#include "ide/editor_window_settings.h"
#include "ide/text_search.h"

namespace kau::bench {

// The steps of the editor window's construction and creation.
KauSide::KauSide() {
  host_.SetClient(&edit_);
  edit_.CreateWnd(host_);
  ide::ColourHighlighter(pascal_, ide::kStyleClassic);
  ide::ApplyEditorWindowSettings(edit_);
  edit_.SetHighlighter(&pascal_);
  ide::ApplyStyleToControl(edit_, pascal_, ide::kStyleClassic);
  edit_.SetSearchEngine(&search_);
}

KauSide::~KauSide() {
  edit_.SetSearchEngine(nullptr);
  edit_.SetHighlighter(nullptr);
  edit_.DestroyWnd();
  host_.SetClient(nullptr);
}

void KauSide::Load(const std::string& text) { edit_.Lines().SetText(text); }

void KauSide::GoToLine(int line) {
  const editor::TPoint start{1, line};
  edit_.SetCaretAndSelection(start, start, start);
  edit_.EnsureCursorPosVisible();
}

int KauSide::FindAll(const std::string& pattern) {
  int found = 0;
  while (edit_.SearchReplace(pattern, "", editor::ssoMatchCase) > 0) ++found;
  return found;
}

int KauSide::ReplaceAll(const std::string& pattern, const std::string& replacement) {
  using namespace editor;
  return edit_.SearchReplace(pattern, replacement, ssoMatchCase | ssoReplace | ssoReplaceAll | ssoEntireScope);
}

int KauSide::FindAllAsTheFindDialog(const std::string& pattern) {
  int found = 0;
  while (ide::FindNext(edit_, pattern, true)) ++found;
  return found;
}

int KauSide::ReplaceAllAsTheReplaceDialog(const std::string& pattern, const std::string& replacement) {
  return ide::Replace(edit_, pattern, replacement, true, true);
}

}  // namespace kau::bench

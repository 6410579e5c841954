// An editor control in a Qt window as a student sees it, and the checks of
// its pixels that the offscreen tests and the screenshot program share:
// Pascal text with line numbers, line 2 partly selected, the right edge at
// column 40.
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "editor/control/syn_edit.h"
#include "editor/highlight/pascal_highlighter.h"
#include "platform/qt/qt_editor_host.h"

namespace kau::editor::testing {

class EditorView {
 public:
  EditorView(const std::vector<std::string>& lines, int width, int height);
  ~EditorView();
  EditorView(const EditorView&) = delete;
  EditorView& operator=(const EditorView&) = delete;

  TSynEdit& Edit() { return edit_; }
  platform::QtEditorHost& Host() { return host_; }
  // Shows the window and waits, with a bound, until it is painted.
  void ShowAndPaint();
  // Gives the window the focus and waits, with a bound, until it has it.
  bool Focus();

  // What is wrong with an image of the viewport (its top left at 0, 0); an
  // empty list when the gutter, the selection, the right edge, the ink of
  // every keyword cell and, when `caret`, the caret are where they belong.
  std::vector<std::string> CheckPixels(const QImage& image, bool caret);

 private:
  TSynPasSyn pascal_;
  platform::QtEditorHost host_;
  TSynEdit edit_;
};

// What is wrong with bookmark `number`'s glyph on an image of the viewport:
// each pixel of its flag and digit where the gutter draws it (a row lower
// than the picture shows its centred band), and the strip's transparent
// background anywhere on its row of the gutter.
std::vector<std::string> BookmarkGlyphPixels(const QImage& image, TCustomSynEdit& edit, int number);

// The lines of a text file (code page 1252 as it is read).
std::vector<std::string> ReadLines(const std::string& path);

// How many pixels differ between what the window painted bit by bit and a
// full repaint of the same state (after which the window shows the latter).
int StalePixels(platform::QtEditorHost& host);

}  // namespace kau::editor::testing

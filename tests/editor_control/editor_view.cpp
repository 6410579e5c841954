#include "tests/editor_control/editor_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstring>
#include <fstream>
#include <optional>

#include "editor/options/bookmark_glyphs.h"
#include "tests/support/hang_bound.h"

namespace kau::editor::testing {

namespace {

QRgb ToQRgb(TColor color) {
  const std::uint32_t c = ColorToRGB(color);
  return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

// Runs the event loop until `done`, up to the hang bound.
template <typename Done>
bool WaitFor(Done done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < kau::testing::kHangMilliseconds) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

std::string At(const char* what, int x, int y) {
  return std::string(what) + " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

}  // namespace

EditorView::EditorView(const std::vector<std::string>& lines, int width, int height) {
  host_.resize(width, height);
  host_.SetClient(&edit_);
  edit_.CreateWnd(host_);
  for (const std::string& line : lines) edit_.Lines().Add(line);
  edit_.SetHighlighter(&pascal_);
  edit_.Gutter().SetShowLineNumbers(true);
  edit_.SetRightEdge(40);
  edit_.SetBlockBegin({3, 2});
  edit_.SetBlockEnd({10, 2});
}

EditorView::~EditorView() {
  edit_.SetHighlighter(nullptr);
  edit_.DestroyWnd();
  host_.SetClient(nullptr);
}

void EditorView::ShowAndPaint() {
  host_.show();
  WaitFor([this] { return host_.isVisible() && !host_.BackBuffer().isNull(); });
  host_.InvalidateRect(nullptr, false);
  host_.Update();
  QApplication::processEvents();
}

bool EditorView::Focus() {
  host_.activateWindow();
  host_.SetFocus();
  const bool focused = WaitFor([this] { return host_.Focused(); });
  edit_.UpdateCaret();  // the caret's blink starts visible
  host_.Update();
  return focused;
}

std::vector<std::string> EditorView::CheckPixels(const QImage& image, bool caret) {
  std::vector<std::string> failures;
  const int cw = edit_.CharWidth(), lh = edit_.LineHeight();
  auto pixel = [&](int x, int y) { return image.valid(x, y) ? image.pixel(x, y) : QRgb(0); };

  if (pixel(1, lh / 2) != ToQRgb(edit_.Gutter().Color())) failures.push_back(At("no gutter colour", 1, lh / 2));

  // The selected cells of line 2, columns 3 to 9, are mostly the selection's background.
  const QRgb selection = ToQRgb(edit_.SelectedColor().Background());
  const int selectionTop = (2 - edit_.TopLine()) * lh;
  for (int column = 3; column < 10 && selectionTop >= 0; ++column) {
    const int x0 = (column - 1) * cw + edit_.TextOffset();
    int count = 0;
    for (int y = selectionTop; y < selectionTop + lh; ++y)
      for (int x = x0; x < x0 + cw; ++x) count += pixel(x, y) == selection;
    if (count * 3 < cw * lh) failures.push_back(At("no selection background", x0, selectionTop));
  }

  // The right edge where a row's text ends before it.
  const int edgeX = edit_.RightEdge() * cw + edit_.TextOffset();
  bool edgeSeen = edgeX >= image.width();  // nothing to see
  for (int line = edit_.TopLine(); line < edit_.TopLine() + edit_.LinesInWindow() && line <= edit_.LineCount();
       ++line) {
    if (edgeX >= image.width() || edit_.Lines().GetExpandedStringLength(line - 1) >= edit_.RightEdge() ||
        line == 2)
      continue;
    const int y = (line - edit_.TopLine()) * lh + lh / 2;
    if (pixel(edgeX, y) != ToQRgb(edit_.RightEdgeColor())) failures.push_back(At("no right edge", edgeX, y));
    edgeSeen = true;
  }
  if (!edgeSeen) failures.push_back("no row to see the right edge on");

  // Ink in every keyword cell: some pixel differs from the cell's corner.
  TSynPasSyn scanner;
  const TSynHighlighterAttributes* keyword = scanner.GetDefaultAttribute(SYN_ATTR_KEYWORD);
  int keywordCells = 0;
  SynRange range = kRangeNil;
  for (int line = 1; line <= edit_.LineCount(); ++line) {
    const std::string text = edit_.Lines().GetExpandedString(line - 1);
    if (line == 1) scanner.ResetRange();
    else scanner.SetRange(range);
    scanner.SetLine(text, line - 1);
    for (; !scanner.GetEol(); scanner.Next()) {
      if (scanner.GetTokenAttribute() != keyword || line == 2 || line < edit_.TopLine() ||
          line >= edit_.TopLine() + edit_.LinesInWindow())
        continue;
      const int pos = scanner.GetTokenPos();
      for (int i = 0; i < static_cast<int>(scanner.GetToken().size()); ++i) {
        const int x0 = (pos + i) * cw + edit_.TextOffset(), y0 = (line - edit_.TopLine()) * lh;
        if (x0 + cw > image.width()) continue;
        bool ink = false;
        for (int y = y0; y < y0 + lh && !ink; ++y)
          for (int x = x0; x < x0 + cw && !ink; ++x) ink = pixel(x, y) != pixel(x0, y0);
        if (!ink) failures.push_back(At("no ink in a keyword cell", x0, y0));
        ++keywordCells;
      }
    }
    range = scanner.GetRange();
  }
  if (keywordCells == 0) failures.push_back("no keyword cell in view");

  if (caret) {
    const QImage& buffer = host_.BackBuffer();
    const int x = edit_.CaretXPix() + edit_.CaretOffset().X, y = edit_.CaretYPix() + edit_.CaretOffset().Y + 1;
    if (pixel(x, y + lh / 2) == buffer.pixel(x, y + lh / 2)) failures.push_back(At("no caret", x, y));
  }
  return failures;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> BookmarkGlyphPixels(const QImage& image, TCustomSynEdit& edit, int number) {
  int column = 0, line = 0;
  if (!edit.GetBookMark(number, column, line)) return {"no bookmark " + std::to_string(number)};
  const std::optional<TImage> strip = LoadBitmapResource("SynEditInternalImages");
  const int width = strip->Width() / 10, height = strip->Height(), lh = edit.LineHeight();
  const int rowTop = (line - edit.TopLine()) * lh, band = std::min(lh, height);
  const int sourceTop = lh < height ? (height - lh) / 2 : 0;
  const int destTop = lh < height ? rowTop : rowTop + (lh - height) / 2;
  const int left = edit.BookMarkOptions().LeftMargin();
  auto pixel = [&](int x, int y) { return image.valid(x, y) ? image.pixel(x, y) : QRgb(0); };
  std::vector<std::string> failures;
  int wrong = 0;
  for (int y = 0; y < band; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t own = strip->Pixel(number * width + x, sourceTop + y);
      if (own != static_cast<std::uint32_t>(kGlyphBackground))
        wrong += pixel(left + x, destTop + y) != ToQRgb(static_cast<TColor>(own));
    }
  if (wrong > 0) failures.push_back("glyph " + std::to_string(number) + ": " + std::to_string(wrong) + " pixels wrong");
  const QRgb transparent = ToQRgb(kGlyphBackground);
  for (int y = rowTop; y < rowTop + lh; ++y)
    for (int x = 0; x < edit.GutterWidth(); ++x)
      if (pixel(x, y) == transparent) {
        failures.push_back(At("the glyph's transparent colour", x, y));
        return failures;
      }
  return failures;
}

int StalePixels(platform::QtEditorHost& host) {
  host.Update();
  const QImage incremental = host.BackBuffer().copy();
  host.InvalidateRect(nullptr, false);
  host.Update();
  const QImage& full = host.BackBuffer();
  int count = 0;
  for (int y = 0; y < full.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(incremental.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(full.constScanLine(y));
    if (std::memcmp(a, b, sizeof(QRgb) * static_cast<std::size_t>(full.width())) == 0) continue;
    for (int x = 0; x < full.width(); ++x) count += a[x] != b[x];
  }
  return count;
}

}  // namespace kau::editor::testing

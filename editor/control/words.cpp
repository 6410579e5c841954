// Word positions for the caret commands and the word at the caret. Words are
// runs of identifier characters: the highlighter's, or the defaults, less the
// word-break characters.
#include <algorithm>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

namespace {

bool In(const TSynIdentChars& set, char c) { return set.test(static_cast<unsigned char>(c)); }

}  // namespace

void TCustomSynEdit::PrepareIdentChars(TSynIdentChars& IdentChars, TSynIdentChars& WhiteChars) const {
  if (fHighlighter) IdentChars = fHighlighter->GetIdentChars() & ~fHighlighter->WordBreakChars();
  else IdentChars = DefaultIdentChars() & ~DefaultWordBreakChars();
  WhiteChars = ~IdentChars;
  WhiteChars.reset(0);
}

TPoint TCustomSynEdit::NextWordPos() { return NextWordPosEx(CaretXY()); }
TPoint TCustomSynEdit::WordStart() { return WordStartEx(CaretXY()); }
TPoint TCustomSynEdit::WordEnd() { return WordEndEx(CaretXY()); }
TPoint TCustomSynEdit::PrevWordPos() { return PrevWordPosEx(CaretXY()); }

TPoint TCustomSynEdit::WordEndEx(const TPoint& XY) {
  if (XY.Y < 1 || XY.Y > LineCount()) return XY;
  TSynIdentChars ident, white;
  PrepareIdentChars(ident, white);
  const std::string s = LineText(XY.Y);
  const int found = StrScanForCharInSet(s, std::max(XY.X, 1), white);
  return {found > 0 ? found : ClampToInt(static_cast<std::int64_t>(s.size()) + 1), XY.Y};
}

TPoint TCustomSynEdit::WordStartEx(const TPoint& XY) {
  if (XY.Y < 1 || XY.Y > LineCount()) return XY;
  TSynIdentChars ident, white;
  PrepareIdentChars(ident, white);
  const std::string s = LineText(XY.Y);
  int x = ClampToInt(std::clamp<std::int64_t>(XY.X, 1, static_cast<std::int64_t>(s.size()) + 1));
  if (x > 1 && !In(white, s[static_cast<std::size_t>(x - 2)])) x = StrRScanForCharInSet(s, x - 1, white) + 1;
  return {x, XY.Y};
}

TPoint TCustomSynEdit::NextWordPosEx(const TPoint& XY) {
  if (XY.Y < 1 || XY.Y > LineCount()) return XY;
  TSynIdentChars ident, white;
  PrepareIdentChars(ident, white);
  const std::string s = LineText(XY.Y);
  const std::int64_t len = static_cast<std::int64_t>(s.size());
  int x = std::max(XY.X, 1);
  if (x < len) {
    if (In(ident, s[static_cast<std::size_t>(x - 1)])) x = StrScanForCharInSet(s, x, white);
    if (x > 0) x = StrScanForCharInSet(s, x, ident);
    if (x == 0) x = ClampToInt(len + 1);
    return {x, XY.Y};
  }
  if (XY.Y < LineCount()) {
    const int found = StrScanForCharInSet(LineText(XY.Y + 1), 1, ident);
    return {found > 0 ? found : 1, XY.Y + 1};
  }
  return XY;
}

TPoint TCustomSynEdit::PrevWordPosEx(const TPoint& XY) {
  if (XY.Y < 1 || XY.Y > LineCount()) return XY;
  TSynIdentChars ident, white;
  PrepareIdentChars(ident, white);
  const std::string s = LineText(XY.Y);
  int x = ClampToInt(std::clamp<std::int64_t>(XY.X, 1, static_cast<std::int64_t>(s.size()) + 1));
  if (x > 1) {
    if (In(white, s[static_cast<std::size_t>(x - 2)])) x = StrRScanForCharInSet(s, x - 1, ident);
    if (x > 0) x = StrRScanForCharInSet(s, x - 1, white) + 1;
    if (x > 0) return {x, XY.Y};
  }
  if (XY.Y > 1) return {ClampToInt(std::int64_t{LineLength(XY.Y - 1)} + 1), XY.Y - 1};
  return {1, XY.Y};
}

}  // namespace kau::editor

// What the text holds at a position: the highlighter's token and attribute,
// the word around it, and selecting that word.
#include <algorithm>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

bool TCustomSynEdit::GetHighlighterAttriAtRowColEx(const TPoint& XY, std::string& Token, int& TokenType, int& Start,
                                                   TSynHighlighterAttributes*& Attri) const {
  const int line = XY.Y - 1;
  if (fHighlighter && line >= 0 && line < LineCount()) {
    const std::string text = fLines->Get(line);
    ScanRangesThrough(line - 1);
    if (line == 0) fHighlighter->ResetRange();
    else fHighlighter->SetRange(fLines->GetRange(line - 1));
    fHighlighter->SetLine(text, line);
    if (XY.X >= 1 && XY.X <= static_cast<int>(text.size())) {
      for (; !fHighlighter->GetEol(); fHighlighter->Next()) {
        Start = fHighlighter->GetTokenPos() + 1;
        std::string token = fHighlighter->GetToken();
        if (XY.X >= Start && std::int64_t{XY.X} < std::int64_t{Start} + static_cast<std::int64_t>(token.size())) {
          Token = std::move(token);
          Attri = fHighlighter->GetTokenAttribute();
          TokenType = fHighlighter->GetTokenKind();
          return true;
        }
      }
    }
  }
  Token.clear();
  Attri = nullptr;
  return false;
}

bool TCustomSynEdit::GetHighlighterAttriAtRowCol(const TPoint& XY, std::string& Token,
                                                 TSynHighlighterAttributes*& Attri) const {
  int kind = 0, start = 0;
  return GetHighlighterAttriAtRowColEx(XY, Token, kind, start, Attri);
}

std::string TCustomSynEdit::GetWordAtRowCol(const TPoint& XY) const {
  if (XY.Y < 1 || XY.Y > LineCount()) return {};
  const std::string line = LineText(XY.Y);
  const std::int64_t len = static_cast<std::int64_t>(line.size());
  if (XY.X < 1 || XY.X > len + 1) return {};
  const TSynIdentChars word = fHighlighter ? fHighlighter->GetIdentChars() : DefaultIdentChars();
  const auto in = [&](std::int64_t column) { return word.test(static_cast<unsigned char>(line[column - 1])); };
  std::int64_t stop = XY.X;
  while (stop <= len && in(stop)) ++stop;
  std::int64_t begin = XY.X;
  while (begin > 1 && in(begin - 1)) --begin;
  if (stop <= begin) return {};
  return line.substr(static_cast<std::size_t>(begin - 1), static_cast<std::size_t>(stop - begin));
}

std::string TCustomSynEdit::GetWordAtMouse() const {
  TPoint position;
  if (!GetPositionOfMouse(position)) return {};
  return GetWordAtRowCol(PhysicalToLogicalPos(position));
}

TSynIdentChars TCustomSynEdit::IdentChars() const {
  if (fHighlighter) return fHighlighter->GetIdentChars();
  TSynIdentChars above_blank;
  for (int c = 33; c <= 255; ++c) above_blank.set(static_cast<std::size_t>(c));
  return above_blank;
}

void TCustomSynEdit::SetWordBlock(TPoint Value) {
  const int x = std::clamp(Value.X, 1, std::max(fMaxLineWidth, 1));
  const int y = std::clamp(Value.Y, 1, std::max(LineCount(), 1));
  const std::string line = LineText(y);
  const std::int64_t len = static_cast<std::int64_t>(line.size());
  if (x > len + 1) {
    InternalSetCaretXY({ClampToInt(len + 1), y});
    return;
  }
  TSynIdentChars ident, white;
  PrepareIdentChars(ident, white);
  const auto in = [&](std::int64_t column) {
    return column <= len && ident.test(static_cast<unsigned char>(line[static_cast<std::size_t>(column - 1)]));
  };
  std::int64_t end = x;
  while (in(end)) ++end;
  std::int64_t start = x;
  while (start > 1 && in(start - 1)) --start;
  PaintLockGuard lock(*this);
  SetCaretAndSelection({ClampToInt(end), y}, {ClampToInt(start), y}, {ClampToInt(end), y});
  InvalidateLine(y);
  StatusChanged(scSelection);
}

}  // namespace kau::editor

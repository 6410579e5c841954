#include "editor/model/misc_procs.h"

#include <algorithm>
#include <limits>

namespace kau::editor {

int MinMax(int x, int mi, int ma) { return std::max(std::min(x, ma), mi); }

void SwapInt(int& l, int& r) { std::swap(l, r); }

TPoint maxPoint(const TPoint& P1, const TPoint& P2) {
  if (P2.Y > P1.Y || (P2.Y == P1.Y && P2.X > P1.X)) return P2;
  return P1;
}

TPoint minPoint(const TPoint& P1, const TPoint& P2) {
  if (P2.Y < P1.Y || (P2.Y == P1.Y && P2.X < P1.X)) return P2;
  return P1;
}

void IncrementPoint(TPoint& P, const TPoint& D) {
  P.X += D.X;
  P.Y += D.Y;
}

void DecrementPoint(TPoint& P, const TPoint& D) {
  P.X -= D.X;
  P.Y -= D.Y;
}

std::vector<std::int32_t> GetIntArray(std::size_t Count, std::int32_t InitialValue) {
  return std::vector<std::int32_t>(Count, InitialValue);
}

bool GetHasTabs(std::string_view Line, int& CharsBefore) {
  CharsBefore = 0;
  for (char c : Line) {
    if (c == '\t') return true;
    if (c == '\0') return false;
    ++CharsBefore;
  }
  return false;
}

namespace {

// Width 0 or 1: every tab from the first one on becomes one blank.
std::string ConvertTabs1Ex(const std::string& Line, int, bool& HasTabs) {
  int before = 0;
  HasTabs = GetHasTabs(Line, before);
  if (!HasTabs) return Line;
  std::string result = Line;
  std::replace(result.begin() + before, result.end(), '\t', ' ');
  return result;
}

// Expands from the first tab on; NextStop gives the column after a tab.
template <typename NextStop>
std::string ExpandTabs(const std::string& Line, int TabWidth, bool& HasTabs, NextStop next) {
  int before = 0;
  HasTabs = GetHasTabs(Line, before);
  if (!HasTabs) return Line;
  std::size_t length = static_cast<std::size_t>(before);
  for (std::size_t i = length; i < Line.size(); ++i)
    length = Line[i] == '\t' ? next(length, TabWidth) : length + 1;
  std::string result;
  result.reserve(length);
  result.append(Line, 0, static_cast<std::size_t>(before));
  for (std::size_t i = static_cast<std::size_t>(before); i < Line.size(); ++i) {
    if (Line[i] == '\t')
      result.append(next(result.size(), TabWidth) - result.size(), '\t');
    else
      result.push_back(Line[i]);
  }
  return result;
}

std::string ConvertTabs2nEx(const std::string& Line, int TabWidth, bool& HasTabs) {
  return ExpandTabs(Line, TabWidth, HasTabs, [](std::size_t len, int w) {
    return (len + static_cast<std::size_t>(w)) & ~(static_cast<std::size_t>(w) - 1);
  });
}

std::string ConvertTabsGeneralEx(const std::string& Line, int TabWidth, bool& HasTabs) {
  return ExpandTabs(Line, TabWidth, HasTabs, [](std::size_t len, int w) {
    const auto width = static_cast<std::size_t>(w);
    return len + width - len % width;
  });
}

std::string ConvertTabs1(const std::string& Line, int TabWidth) {
  bool hasTabs;
  return ConvertTabs1Ex(Line, TabWidth, hasTabs);
}
std::string ConvertTabs2n(const std::string& Line, int TabWidth) {
  bool hasTabs;
  return ConvertTabs2nEx(Line, TabWidth, hasTabs);
}
std::string ConvertTabsGeneral(const std::string& Line, int TabWidth) {
  bool hasTabs;
  return ConvertTabsGeneralEx(Line, TabWidth, hasTabs);
}

bool IsPowerOfTwo(int TabWidth) {
  int n = 2;
  while (n < 65536 && n < TabWidth) n *= 2;
  return n == TabWidth;
}

// The next tab stop strictly after column `col` (0-based count of columns).
std::int64_t NextTabStop(std::int64_t col, int TabWidth) { return (col / TabWidth + 1) * TabWidth; }

// Columns are counted in 64 bits; a result beyond the int range is clamped.
int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::min<std::int64_t>(value, std::numeric_limits<int>::max()));
}

}  // namespace

std::string ConvertTabs(const std::string& Line, int TabWidth) {
  return GetBestConvertTabsProc(TabWidth)(Line, TabWidth);
}

std::string ConvertTabsEx(const std::string& Line, int TabWidth, bool& HasTabs) {
  return GetBestConvertTabsProcEx(TabWidth)(Line, TabWidth, HasTabs);
}

TConvertTabsProc GetBestConvertTabsProc(int TabWidth) {
  if (TabWidth < 2) return &ConvertTabs1;
  return IsPowerOfTwo(TabWidth) ? &ConvertTabs2n : &ConvertTabsGeneral;
}

TConvertTabsProcEx GetBestConvertTabsProcEx(int TabWidth) {
  if (TabWidth < 2) return &ConvertTabs1Ex;
  return IsPowerOfTwo(TabWidth) ? &ConvertTabs2nEx : &ConvertTabsGeneralEx;
}

std::int64_t GetExpandedLength(std::string_view Line, int TabWidth) {
  // A width below 1 would divide by zero; such a tab takes one column.
  const std::int64_t width = std::max(TabWidth, 1);
  std::int64_t length = 0;
  for (char c : Line) length += c == '\t' ? width - length % width : 1;
  return length;
}

int CharIndex2CaretPos(int Index, int TabWidth, std::string_view Line) {
  if (Index < 2) return 1;
  int before = 0;
  if (TabWidth > 1 && GetHasTabs(Line, before) && before < Index - 1) {
    std::int64_t col = before;
    int remaining = Index - before - 1;
    for (std::size_t i = static_cast<std::size_t>(before); remaining > 0 && i < Line.size(); ++i, --remaining)
      col = Line[i] == '\t' ? NextTabStop(col, TabWidth) : col + 1;
    return ClampToInt(col + 1);
  }
  return Index;
}

int CaretPos2CharIndex(int Position, int TabWidth, std::string_view Line, bool& InsideTabChar) {
  InsideTabChar = false;
  int before = 0;
  if (Position > 1 && TabWidth > 1 && GetHasTabs(Line, before) && before + 1 < Position) {
    int result = before + 1;
    const int target = Position - 1;
    std::int64_t col = before;
    for (std::size_t i = static_cast<std::size_t>(before); col < target && i < Line.size(); ++i) {
      if (Line[i] == '\t') {
        col = NextTabStop(col, TabWidth);
        if (col > target) {
          InsideTabChar = true;
          break;
        }
      } else {
        ++col;
      }
      ++result;
    }
    return result;
  }
  return Position;
}

int StrScanForCharInSet(std::string_view Line, int Start, const TSynCharSet& AChars) {
  if (Start < 1 || static_cast<std::size_t>(Start) > Line.size()) return 0;
  for (std::size_t i = static_cast<std::size_t>(Start); i <= Line.size(); ++i)
    if (AChars.test(static_cast<unsigned char>(Line[i - 1]))) return static_cast<int>(i);
  return 0;
}

int StrRScanForCharInSet(std::string_view Line, int Start, const TSynCharSet& AChars) {
  if (Start < 1 || static_cast<std::size_t>(Start) > Line.size()) return 0;
  for (int i = Start; i >= 1; --i)
    if (AChars.test(static_cast<unsigned char>(Line[static_cast<std::size_t>(i) - 1]))) return i;
  return 0;
}

int StrScanForMultiByteChar(std::string_view, int) { return 0; }
int StrRScanForMultiByteChar(std::string_view, int) { return 0; }

const char* GetEOL(const char* P) {
  if (P == nullptr) return nullptr;
  while (*P != '\0' && *P != '\n' && *P != '\r') ++P;
  return P;
}

std::string EncodeString(std::string_view s) {
  std::string result;
  result.reserve(s.size() * 2);
  for (char c : s) {
    if (c == '\\')
      result += "\\\\";
    else if (c == '/')
      result += "\\.";
    else
      result += c;
  }
  return result;
}

std::string DecodeString(std::string_view s) {
  std::string result;
  result.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    // A lone backslash at the very end has nothing to escape and stays.
    if (s[i] == '\\' && i + 1 < s.size()) {
      ++i;
      result += s[i] == '\\' ? '\\' : '/';
    } else {
      result += s[i];
    }
  }
  return result;
}

}  // namespace kau::editor

#include "editor/print/wrap_text.h"

namespace kau::editor {

bool WrapTextEx(std::string_view Line, const TSynCharSet& BreakChars, int MaxCol, std::vector<int>& Positions) {
  const int length = static_cast<int>(Line.size());
  if (length <= MaxCol) return true;
  const std::size_t before = Positions.size();
  int segmentStart = 0;  // 0-based
  int lastBreak = -1;
  for (int i = 0; i < length; ++i) {
    if (BreakChars[static_cast<unsigned char>(Line[static_cast<std::size_t>(i)])]) lastBreak = i;
    if (i - segmentStart + 1 < MaxCol && i < length - 1) continue;
    if (lastBreak < segmentStart) {
      Positions.resize(before);
      return false;
    }
    Positions.push_back(lastBreak + 1);
    segmentStart = lastBreak + 1;
    if (length - segmentStart <= MaxCol) return true;
  }
  return true;
}

std::string IntToRoman(int Value) {
  static constexpr struct {
    int value;
    const char* digits;
  } kDigits[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
                 {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},   {1, "I"}};
  std::string roman;
  for (const auto& d : kDigits)
    while (Value >= d.value) {
      roman += d.digits;
      Value -= d.value;
    }
  return roman;
}

}  // namespace kau::editor

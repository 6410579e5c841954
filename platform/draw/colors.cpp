#include "platform/draw/colors.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "text/char_class.h"
#include "text/int_text.h"

namespace kau {

namespace {

// The classic window colours, so that a process without a window back end
// (the headless tests) still resolves system colours to fixed values.
constexpr TSystemColorTable kClassicColors = {
    0xC8C8C8, 0x000000, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080,
    0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF};

std::uint32_t currentColors[COLOR_COUNT] = {};
bool installed = false;

struct ColorName {
  TColor color;
  const char* name;
};

constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {SystemColor(COLOR_SCROLLBAR), "clScrollBar"},
    {SystemColor(COLOR_BACKGROUND), "clBackground"},
    {SystemColor(COLOR_ACTIVECAPTION), "clActiveCaption"},
    {SystemColor(COLOR_INACTIVECAPTION), "clInactiveCaption"},
    {SystemColor(COLOR_MENU), "clMenu"},
    {SystemColor(COLOR_WINDOW), "clWindow"},
    {SystemColor(COLOR_WINDOWFRAME), "clWindowFrame"},
    {SystemColor(COLOR_MENUTEXT), "clMenuText"},
    {SystemColor(COLOR_WINDOWTEXT), "clWindowText"},
    {SystemColor(COLOR_CAPTIONTEXT), "clCaptionText"},
    {SystemColor(COLOR_ACTIVEBORDER), "clActiveBorder"},
    {SystemColor(COLOR_INACTIVEBORDER), "clInactiveBorder"},
    {SystemColor(COLOR_APPWORKSPACE), "clAppWorkSpace"},
    {SystemColor(COLOR_HIGHLIGHT), "clHighlight"},
    {SystemColor(COLOR_HIGHLIGHTTEXT), "clHighlightText"},
    {SystemColor(COLOR_BTNFACE), "clBtnFace"},
    {SystemColor(COLOR_BTNSHADOW), "clBtnShadow"},
    {SystemColor(COLOR_GRAYTEXT), "clGrayText"},
    {SystemColor(COLOR_BTNTEXT), "clBtnText"},
    {SystemColor(COLOR_INACTIVECAPTIONTEXT), "clInactiveCaptionText"},
    {SystemColor(COLOR_BTNHIGHLIGHT), "clBtnHighlight"},
    {SystemColor(COLOR_3DDKSHADOW), "cl3DDkShadow"},
    {SystemColor(COLOR_3DLIGHT), "cl3DLight"},
    {SystemColor(COLOR_INFOTEXT), "clInfoText"},
    {SystemColor(COLOR_INFOBK), "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

}  // namespace

void SetSystemColors(const TSystemColorTable& table) {
  std::copy(std::begin(table), std::end(table), std::begin(currentColors));
  installed = true;
}

void ResetSystemColors() { installed = false; }

std::uint32_t GetSysColor(TSystemColorIndex index) {
  if (index >= COLOR_COUNT) return 0;
  return installed ? currentColors[index] : kClassicColors[index];
}

std::uint32_t ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(static_cast<TSystemColorIndex>(color & 0xFF));
  if (color == clNone || color == clDefault) return 0;
  return static_cast<std::uint32_t>(color) & 0xFFFFFF;
}

std::string ColorToString(TColor color) {
  for (const ColorName& entry : kColorNames)
    if (entry.color == color) return entry.name;
  char number[10];
  std::snprintf(number, sizeof number, "$%08X", static_cast<unsigned>(color));
  return number;
}

std::optional<TColor> StringToColor(std::string_view text) {
  for (const ColorName& entry : kColorNames)
    if (text::sameText1252(text, entry.name)) return entry.color;
  return text::StrToInt(text);
}

}  // namespace kau

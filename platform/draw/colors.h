// Colours as the class library keeps them: 0xBBGGRR, or a named system colour
// (high byte 0x80, low byte the system colour's index), or clNone. Shared by
// the editor, its highlighters and the window layer; no window system here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kau {

using TColor = std::int32_t;

// No colour of its own: the editor's background or font colour applies.
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// The system colours by their index in the window system's colour table.
enum TSystemColorIndex : std::uint8_t {
  COLOR_SCROLLBAR = 0, COLOR_BACKGROUND, COLOR_ACTIVECAPTION, COLOR_INACTIVECAPTION, COLOR_MENU,
  COLOR_WINDOW, COLOR_WINDOWFRAME, COLOR_MENUTEXT, COLOR_WINDOWTEXT, COLOR_CAPTIONTEXT,
  COLOR_ACTIVEBORDER, COLOR_INACTIVEBORDER, COLOR_APPWORKSPACE, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
  COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_GRAYTEXT, COLOR_BTNTEXT, COLOR_INACTIVECAPTIONTEXT,
  COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT, COLOR_INFOTEXT, COLOR_INFOBK,
  COLOR_COUNT
};

constexpr TColor SystemColor(TSystemColorIndex index) {
  return static_cast<TColor>(0x80000000u | index);
}

inline constexpr TColor clScrollBar = SystemColor(COLOR_SCROLLBAR);
inline constexpr TColor clBackground = SystemColor(COLOR_BACKGROUND);
inline constexpr TColor clMenu = SystemColor(COLOR_MENU);
inline constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
inline constexpr TColor clWindowFrame = SystemColor(COLOR_WINDOWFRAME);
inline constexpr TColor clMenuText = SystemColor(COLOR_MENUTEXT);
inline constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
inline constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
inline constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
inline constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
inline constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
inline constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
inline constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
inline constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
inline constexpr TColor clInfoText = SystemColor(COLOR_INFOTEXT);
inline constexpr TColor clInfoBk = SystemColor(COLOR_INFOBK);

constexpr bool IsSystemColor(TColor color) {
  return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0x80000000u;
}

constexpr std::uint8_t GetRValue(std::uint32_t rgb) { return rgb & 0xFF; }
constexpr std::uint8_t GetGValue(std::uint32_t rgb) { return (rgb >> 8) & 0xFF; }
constexpr std::uint8_t GetBValue(std::uint32_t rgb) { return (rgb >> 16) & 0xFF; }
constexpr std::uint32_t RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return r | (static_cast<std::uint32_t>(g) << 8) | (static_cast<std::uint32_t>(b) << 16);
}

// The system colour table in use: the window back end installs the one of its
// palette; until then the classic defaults below apply.
using TSystemColorTable = std::uint32_t[COLOR_COUNT];
void SetSystemColors(const TSystemColorTable& table);
void ResetSystemColors();
std::uint32_t GetSysColor(TSystemColorIndex index);

// 0xBBGGRR of any colour: a system colour through the table; clNone and
// clDefault give black, as the class library's conversion leaves them.
std::uint32_t ColorToRGB(TColor color);

// A colour as the class library writes it: its name ("clRed", "clBtnFace",
// "clNone") when it has one, else "$" and eight hexadecimal digits.
std::string ColorToString(TColor color);
// A colour name (case-free) or an integer text, decimal or "$" hexadecimal;
// nothing when the text is neither.
std::optional<TColor> StringToColor(std::string_view text);

}  // namespace kau

#include "platform/qt/qt_colors.h"

namespace kau::platform {

QColor ToQColor(TColor color) {
  const std::uint32_t rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

namespace {
std::uint32_t FromQColor(const QColor& c) {
  return RGB(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
             static_cast<std::uint8_t>(c.blue()));
}
}  // namespace

void InstallSystemColors(const QPalette& p) {
  TSystemColorTable t = {};
  const auto set = [&](TSystemColorIndex i, QPalette::ColorGroup g, QPalette::ColorRole r) {
    t[i] = FromQColor(p.color(g, r));
  };
  const auto A = QPalette::Active;
  const auto I = QPalette::Inactive;
  set(COLOR_SCROLLBAR, A, QPalette::Button);
  set(COLOR_BACKGROUND, A, QPalette::Window);
  set(COLOR_ACTIVECAPTION, A, QPalette::Highlight);
  set(COLOR_INACTIVECAPTION, I, QPalette::Mid);
  set(COLOR_MENU, A, QPalette::Window);
  set(COLOR_WINDOW, A, QPalette::Base);
  set(COLOR_WINDOWFRAME, A, QPalette::Shadow);
  set(COLOR_MENUTEXT, A, QPalette::WindowText);
  set(COLOR_WINDOWTEXT, A, QPalette::Text);
  set(COLOR_CAPTIONTEXT, A, QPalette::HighlightedText);
  set(COLOR_ACTIVEBORDER, A, QPalette::Window);
  set(COLOR_INACTIVEBORDER, I, QPalette::Window);
  set(COLOR_APPWORKSPACE, A, QPalette::Mid);
  set(COLOR_HIGHLIGHT, A, QPalette::Highlight);
  set(COLOR_HIGHLIGHTTEXT, A, QPalette::HighlightedText);
  set(COLOR_BTNFACE, A, QPalette::Button);
  set(COLOR_BTNSHADOW, A, QPalette::Dark);
  set(COLOR_GRAYTEXT, QPalette::Disabled, QPalette::Text);
  set(COLOR_BTNTEXT, A, QPalette::ButtonText);
  set(COLOR_INACTIVECAPTIONTEXT, I, QPalette::WindowText);
  set(COLOR_BTNHIGHLIGHT, A, QPalette::Light);
  set(COLOR_3DDKSHADOW, A, QPalette::Shadow);
  set(COLOR_3DLIGHT, A, QPalette::Midlight);
  set(COLOR_INFOTEXT, A, QPalette::ToolTipText);
  set(COLOR_INFOBK, A, QPalette::ToolTipBase);
  SetSystemColors(t);
}

}  // namespace kau::platform

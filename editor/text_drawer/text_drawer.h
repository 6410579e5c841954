// TheTextDrawer: draws text with every character in a cell of one width,
// the advance of "M" in the base style, so that columns line up whatever the
// style; switches between the sixteen styles through its font stock.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "editor/text_drawer/font_stock.h"
#include "platform/draw/canvas.h"

namespace kau::editor {

class TheTextDrawer {
 public:
  TheTextDrawer(TFontStyles CalcExtentBaseStyle, const TFont* BaseFont);
  virtual ~TheTextDrawer();
  TheTextDrawer(const TheTextDrawer&) = delete;
  TheTextDrawer& operator=(const TheTextDrawer&) = delete;

  // The cell: its width with the extra spacing, and its height.
  virtual int GetCharWidth() const;
  virtual int GetCharHeight() const;

  // Bracket all output; nested calls on the same canvas are counted.
  virtual void BeginDrawing(platform::Canvas* DC);
  virtual void EndDrawing();

  virtual void TextOut(int X, int Y, std::string_view Text, int Length);
  virtual void ExtTextOut(int X, int Y, unsigned fuOptions, const TRect& ARect, std::string_view Text, int Length);

  virtual void SetBaseFont(const TFont* Value);
  virtual void SetBaseStyle(TFontStyles Value);
  virtual void SetStyle(TFontStyles Value);
  virtual void SetForeColor(TColor Value);
  virtual void SetBackColor(TColor Value);
  virtual void SetCharExtra(int Value);
  virtual void ReleaseTemporaryResources();

  TFontStyles BaseStyle() const { return fCalcExtentBaseStyle; }
  TColor ForeColor() const { return fColor; }
  TColor BackColor() const { return fBkColor; }
  int CharExtra() const { return fCharExtra; }
  const TheFontStock& FontStock() const { return *fFontStock; }
  // Entries of the advance array, which only grows in steps of 64.
  int ETOSizeInChar() const { return static_cast<int>(fETODist.size()); }
  int DrawingCount() const { return fDrawingCount; }

 protected:
  virtual void ReleaseETODist();
  virtual void AfterStyleSet();
  virtual void DoSetCharExtra(int Value);

  platform::Canvas* DC() const { return fDC; }
  const platform::PlatformFont* CurrentFont() const { return fCrntFont; }
  TFontStyles CurrentStyle() const { return fCrntStyle; }
  // Takes a font of the style that a derived drawer found by itself.
  void SetCurrentFont(const platform::PlatformFont* Font, TFontStyles Style) {
    fCrntFont = Font;
    fCrntStyle = Style;
  }

 private:
  platform::Canvas* fDC = nullptr;
  int fSaveDC = 0;
  std::unique_ptr<TheFontStock> fFontStock;
  TFontStyles fCalcExtentBaseStyle = 0;
  int fBaseCharWidth = 0;
  int fBaseCharHeight = 0;
  const platform::PlatformFont* fCrntFont = nullptr;
  TFontStyles fCrntStyle = 0;
  std::vector<int> fETODist;
  TColor fColor = clWindowText;
  TColor fBkColor = clWindow;
  int fCharExtra = 0;
  int fDrawingCount = 0;
};

}  // namespace kau::editor

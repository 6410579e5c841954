// THeaderFooterItem: one text of a page header or footer, with its font, its
// line and its alignment; its macros expand to page numbers, the title, the
// date and the time. The date and time come from a clock that tests can set.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

#include "editor/text_drawer/font.h"

namespace kau::editor {

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

struct TPrintDateTime {
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};
// None: the system's local time.
void SetPrintClock(std::function<TPrintDateTime()> Clock);
TPrintDateTime PrintNow();
std::string FormatPrintDate(const TPrintDateTime& t);  // dd/mm/yyyy
std::string FormatPrintTime(const TPrintDateTime& t);  // hh:mm:ss

class THeaderFooterItem {
 public:
  // $PAGENUM$, $PAGECOUNT$, $TITLE$, $DATE$, $TIME$, $DATETIME$ and
  // $TIMEDATE$ in any letter case; any other $...$ stays as written.
  std::string GetText(int NumPages, int PageNum, bool Roman, const std::string& Title, const std::string& ATime,
                      const std::string& ADate) const;

  // The stream form: text, line, font, alignment. A damaged stream raises
  // EReadError and changes nothing.
  void SaveToStream(std::ostream& Stream) const;
  void LoadFromStream(std::istream& Stream);
  // Eleven fields joined by "/".
  std::string GetAsString() const;
  void SetAsString(const std::string& Value);

  TFont& Font() { return fFont; }
  const TFont& Font() const { return fFont; }
  void SetFont(const TFont& Value) { fFont.Assign(Value); }

  std::string Text;
  std::int32_t LineNumber = 0;
  TAlignment Alignment = taLeftJustify;
  std::int32_t Index = 0;

 private:
  TFont fFont;
};

// The stream form of a font: charset, colour, height, name, pitch, size and
// style; reading sets them on the font in that order.
struct TStoredFont {
  std::uint8_t Charset = 0;
  TColor Color = 0;
  std::int32_t Height = 0;
  std::string Name;
  std::uint8_t Pitch = 0;
  std::int32_t Size = 0;
  std::uint8_t Style = 0;
  static TStoredFont Of(const TFont& Font);
  static TStoredFont Read(std::istream& Stream);
  void Write(std::ostream& Stream) const;
  void SetOn(TFont& Font) const;
};

}  // namespace kau::editor

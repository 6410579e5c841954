// THeaderFooter and its kinds THeader and TFooter: lines of text items above
// the top margin or below the bottom one, with an optional frame line, box
// or shading, a stream form and a "/"-separated text form.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "editor/model/exceptions.h"
#include "editor/highlight/persistent.h"
#include "editor/print/header_footer_item.h"
#include "editor/print/print_fonts.h"
#include "editor/print/print_margins.h"
#include "platform/draw/canvas.h"

namespace kau::editor {

enum THeaderFooterType : std::uint8_t { hftHeader, hftFooter };

using TFrameTypes = std::uint8_t;
inline constexpr TFrameTypes ftLine = 1;
inline constexpr TFrameTypes ftBox = 2;
inline constexpr TFrameTypes ftShaded = 4;

class THeaderFooter : public TPersistent {
 public:
  THeaderFooter();
  ~THeaderFooter() override;

  // The font is copied; none means DefaultFont. Returns the new item's index.
  int Add(const std::string& Text, const TFont* Font, TAlignment Alignment, int LineNumber);
  // Out of range raises std::out_of_range.
  void Delete(int Index);
  void Clear();
  int Count() const { return static_cast<int>(fItems.size()); }
  THeaderFooterItem& Get(int Index);

  // Every item font takes the resolution, keeping its point size.
  void SetPixPrInch(int Value);
  // Prepares a job: date and time, the page count, the title, the margins;
  // the items sorted and their lines numbered from 1; the frame's height.
  void InitPrint(int NumPages, const std::string& Title, TSynEditPrintMargins* Margins);
  void Print(platform::Canvas& ACanvas, int PageNum);

  // From another header or footer (its type included); false from anything
  // else, changing nothing.
  bool Assign(const TPersistent& Source) override;

  // The stream form. Loading appends the stored items to those present; a
  // damaged stream raises EReadError and changes nothing.
  void SaveToStream(std::ostream& Stream) const;
  void LoadFromStream(std::istream& Stream);
  // The items' text forms, each escaped again, joined by "/". Getting it
  // first numbers the lines from 1 in list order.
  std::string GetAsString();
  void SetAsString(const std::string& Value);

  THeaderFooterType Type() const { return fType; }
  TFrameTypes FrameTypes = ftLine;
  TColor ShadedColor = clSilver;
  TColor LineColor = clBlack;
  bool RomanNumbers = false;
  bool MirrorPosition = false;
  TFont& DefaultFont() { return fDefaultFont; }
  void SetDefaultFont(const TFont& Value) { fDefaultFont.Assign(Value); }
  // Height of the frame in pixels after InitPrint; -1 without items.
  int FrameHeight() const { return fFrameHeight; }

 protected:
  THeaderFooterType fType = hftHeader;

 private:
  struct TLineInfo {
    int LineHeight = 0;
    int MaxBaseLine = 0;  // the greatest ascent
  };
  // Numbers the used lines 1, 2, ... in list order; the first item opens line 1.
  void RenumberLines();
  void CalcHeight();
  // Sorts the items by line, numbers the lines and measures the frame.
  void Prepare();
  void DrawFrame(platform::Canvas& ACanvas);

  std::vector<std::unique_ptr<THeaderFooterItem>> fItems;
  TFont fDefaultFont;
  std::string fDate, fTime, fTitle;
  int fNumPages = 0;
  TSynEditPrintMargins* fMargins = nullptr;
  int fFrameHeight = -1;
  std::vector<TLineInfo> fLineInfo;
  TPrintFontCache fFonts;
};

class THeader : public THeaderFooter {
 public:
  THeader() { fType = hftHeader; }
};

class TFooter : public THeaderFooter {
 public:
  TFooter() { fType = hftFooter; }
};

}  // namespace kau::editor

// TSynEditPrint: prints a list of lines on a printer device, page by page,
// inside the margins with a header and a footer, with optional line numbers,
// line wrapping, syntax styles and colours from a highlighter, and printing of
// a selection only; reports each printed line and each stage of a job.
//
// The layout is computed on the device it prints on, in its pixels, whether
// printing, counting pages or drawing a page for a preview, so the page count
// is always the number of pages a job prints.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "editor/model/edit_types.h"
#include "editor/model/exceptions.h"
#include "editor/highlight/custom_highlighter.h"
#include "editor/options/free_notifiable.h"
#include "editor/print/header_footer.h"
#include "editor/print/print_margins.h"
#include "editor/print/printer_info.h"
#include "editor/model/syn_edit_string_list.h"
#include "editor/text_drawer/font.h"

namespace kau::editor {

// A print job that cannot run: no printer, a page range outside the pages,
// margins that leave no room. The message is code page 1252.
class ESynEditPrint : public Exception {
 public:
  using Exception::Exception;
};

class TCustomSynEdit;

enum TSynPrintStatus : std::uint8_t { psBegin, psNewPage, psEnd };

using TPrintLineEvent = Method<void(TObject* Sender, int LineNumber, int PageNumber)>;
using TPrintStatusEvent = Method<void(TObject* Sender, TSynPrintStatus Status, int PageNumber, bool& Abort)>;

class TSynEditPrint : public TObject, public TFreeNotifiable {
 public:
  TSynEditPrint();
  ~TSynEditPrint() override;
  TSynEditPrint(const TSynEditPrint&) = delete;
  TSynEditPrint& operator=(const TSynEditPrint&) = delete;

  // The device printed on and measured on; none means the process's printer.
  void SetPrinter(platform::PrinterDevice* Device);
  TSynEditPrinterInfo& PrinterInfo() { return fPrinterInfo; }

  // The lines with their tabs expanded (TabWidth); leftover tabs become blanks.
  void SetLines(const TStrings& Value);
  const TSynEditStringList& Lines() const { return fLines; }
  // The highlighter is not owned; none prints without styles.
  void SetHighlighter(TSynCustomHighlighter* Value);
  TSynCustomHighlighter* Highlighter() const { return fHighlighter; }
  // The selection to print with SelectedOnly, in display columns (the
  // printed lines are tab-expanded), 1-based, the end excluded.
  void SetSelection(bool Available, TSynSelectionMode Mode, TPoint BlockBegin, TPoint BlockEnd);
  // Takes the editor's highlighter, font, tab width, lines and selection (its
  // points converted to display columns as the editor shows them). Only the
  // highlighter stays linked; the editor may go away afterwards.
  void SetSynEdit(const TCustomSynEdit& Value);

  // The objects of the layout. Reaching them to change them makes the pages
  // stale; the setters copy the given object's settings.
  TFont& Font();
  THeader& Header();
  TFooter& Footer();
  TSynEditPrintMargins& Margins();
  void SetFont(const TFont& Value);
  void SetHeader(const THeaderFooter& Value);
  void SetFooter(const THeaderFooter& Value);
  void SetMargins(const TSynEditPrintMargins& Value);

  int Copies = 1;
  std::string Title;
  std::string DocTitle;
  int PageOffset = 0;
  TColor Color = clWhite;
  bool Highlight = true;
  bool Colors = false;
  bool Wrap() const { return fWrap; }
  bool SelectedOnly() const { return fSelectedOnly; }
  bool LineNumbers() const { return fLineNumbers; }
  bool LineNumbersInMargin() const { return fLineNumbersInMargin; }
  int LineOffset() const { return fLineOffset; }
  int TabWidth() const { return fTabWidth; }
  void SetWrap(bool Value);
  void SetSelectedOnly(bool Value);
  void SetLineNumbers(bool Value);
  void SetLineNumbersInMargin(bool Value);
  void SetLineOffset(int Value);
  void SetTabWidth(int Value) { fTabWidth = Value; }

  void Print() { PrintRange(1, -1); }
  // Pages first to last (-1: the last), Copies times, in one job.
  void PrintRange(int StartPage, int EndPage);
  // One page on a canvas in the device's pixels (a preview), outside a job.
  void PrintToCanvas(platform::Canvas& ACanvas, int PageNumber);
  // Reads the device again and lays the pages out afresh.
  void UpdatePages();
  int GetPageCount();
  bool Printing() const { return fPrinting; }

  // The text area of the last laid-out page, and its measures.
  int MaxCol() const { return fMaxCol; }
  int CharWidth() const { return fCharWidth; }
  int LineHeight() const { return fLineHeight; }

  TPrintLineEvent OnPrintLine;
  TPrintStatusEvent OnPrintStatus;

  // Header, footer, margins, Title, DocTitle, Wrap, Highlight, Colors,
  // LineNumbers, LineOffset and PageOffset. A damaged stream raises
  // EReadError and changes nothing.
  void SaveToStream(std::ostream& Stream);
  void LoadFromStream(std::istream& Stream);

  // AComponent hears opRemove when this object goes away (a preview showing it).
  void FreeNotification(TFreeNotifiable* AComponent) { fFreeNotifies.Add(AComponent); }
  void RemoveFreeNotification(TFreeNotifiable* AComponent) { fFreeNotifies.Remove(AComponent); }
  // The highlighter going away clears the link to it.
  void Notification(TObject* AComponent, TOperation Operation) override;

 protected:
  virtual void PrintLine(int LineNumber, int PageNumber);
  virtual void PrintStatus(TSynPrintStatus Status, int PageNumber, bool& Abort);

 private:
  // Where a page starts: a line, and a row of it when a line taller than a
  // page continues from the page before.
  struct TPageStart {
    int Line = 0;
    int Row = 0;
  };
  // The character ranges of a line's printed rows.
  struct TRow {
    int Start = 0;  // 0-based
    int End = 0;    // excluded
  };

  void Stale() { fPagesCounted = false; }
  void InitPrint();
  void InitRanges();
  void CalcPages();
  void CalcMaxCol();
  void PrintPage(int Num);
  std::vector<TRow> RowsOf(const std::string& Text) const;
  int FirstLine() const;
  int LastLine() const;
  // The text printed for line i, and the display column it starts at.
  std::string PrintedText(int Line, int& StartColumn) const;
  void WriteLine(int Line, const std::string& Text, int FirstRow, int EndRow);
  void WriteLineNumber();
  void TextOut(int Line, const std::string& Text, const std::vector<TRow>& Rows, int FirstRow, int EndRow);
  void DrawPiece(const std::string& Text, int Start, int End, int x, int y, const TFontDesc& Font, TColor Fore,
                 TColor Back);

  platform::PrinterDevice* fDevice = nullptr;
  TSynEditPrinterInfo fPrinterInfo;
  TSynEditStringList fLines;
  TSynCustomHighlighter* fHighlighter = nullptr;
  TFont fFont;
  THeader fHeader;
  TFooter fFooter;
  TSynEditPrintMargins fMargins;
  bool fWrap = true;
  bool fSelectedOnly = false;
  bool fLineNumbers = false;
  bool fLineNumbersInMargin = false;
  int fLineOffset = 0;
  int fTabWidth = 8;

  // Selection.
  bool fSelAvail = false;
  TSynSelectionMode fSelMode = smNormal;
  TPoint fBlockBegin, fBlockEnd;

  // Layout and job state.
  platform::Canvas* fCanvas = nullptr;
  std::vector<TPageStart> fPages;
  int fPageCount = 0;
  int fCharWidth = 0;
  int fLineHeight = 0;
  int fMaxWidth = 0;
  int fMaxCol = 0;
  int fYPos = 0;
  int fLineNumber = 0;
  TColor fFontColor = clBlack;
  bool fRangesOK = false;
  bool fPagesCounted = false;
  bool fPrinting = false;
  bool fAbort = false;
  bool fColoring = false;
  TPrintFontCache fFonts;
  TFreeNotifiers fFreeNotifies;
};

}  // namespace kau::editor

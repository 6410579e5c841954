// TSynEditPrint: properties, jobs, events and the settings stream.
#include "editor/print/syn_edit_print.h"

#include <algorithm>
#include <stdexcept>

#include "editor/control/syn_edit.h"
#include "editor/model/misc_procs.h"
#include "editor/print/print_stream.h"
#include "text/code_pages.h"

namespace kau::editor {

TSynEditPrint::TSynEditPrint() = default;

TSynEditPrint::~TSynEditPrint() {
  SetHighlighter(nullptr);
  fFreeNotifies.NotifyRemoval(this);
}

void TSynEditPrint::Notification(TObject* AComponent, TOperation Operation) {
  if (Operation != opRemove || AComponent != fHighlighter) return;
  fHighlighter = nullptr;
  fRangesOK = false;
  Stale();
}

void TSynEditPrint::SetPrinter(platform::PrinterDevice* Device) {
  fDevice = Device;
  fPrinterInfo.SetDevice(Device);
  Stale();
}

void TSynEditPrint::SetLines(const TStrings& Value) {
  const TConvertTabsProc convert = GetBestConvertTabsProc(fTabWidth);
  TStringsUpdate update(fLines);
  fLines.Clear();
  for (int i = 0; i < Value.Count(); ++i) {
    std::string line = convert(Value.Get(i), fTabWidth);
    std::replace(line.begin(), line.end(), '\t', ' ');
    fLines.Add(line);
  }
  fRangesOK = false;
  Stale();
}

void TSynEditPrint::SetHighlighter(TSynCustomHighlighter* Value) {
  if (fHighlighter) fHighlighter->RemoveFreeNotification(this);
  fHighlighter = Value;
  if (fHighlighter) fHighlighter->FreeNotification(this);
  fRangesOK = false;
  Stale();
}

void TSynEditPrint::SetSelection(bool Available, TSynSelectionMode Mode, TPoint BlockBegin, TPoint BlockEnd) {
  if (BlockEnd.Y < BlockBegin.Y || (BlockEnd.Y == BlockBegin.Y && BlockEnd.X < BlockBegin.X))
    std::swap(BlockBegin, BlockEnd);
  fSelAvail = Available;
  fSelMode = Mode;
  fBlockBegin = BlockBegin;
  fBlockEnd = BlockEnd;
  Stale();
}

void TSynEditPrint::SetSynEdit(const TCustomSynEdit& Value) {
  SetHighlighter(Value.Highlighter());
  SetFont(Value.Font());
  SetTabWidth(Value.TabWidth());
  SetLines(Value.Lines());
  // The points as the editor paints them: in order, a column block's columns
  // in order too, each point then converted on its own line.
  TPoint first = Value.BlockBegin(), last = Value.BlockEnd();
  if (Value.SelectionMode() == smColumn && first.X > last.X) std::swap(first.X, last.X);
  SetSelection(Value.SelAvail(), Value.SelectionMode(), Value.LogicalToPhysicalPos(first),
               Value.LogicalToPhysicalPos(last));
}

TFont& TSynEditPrint::Font() {
  Stale();
  return fFont;
}
THeader& TSynEditPrint::Header() {
  Stale();
  return fHeader;
}
TFooter& TSynEditPrint::Footer() {
  Stale();
  return fFooter;
}
TSynEditPrintMargins& TSynEditPrint::Margins() {
  Stale();
  return fMargins;
}
void TSynEditPrint::SetFont(const TFont& Value) { Font().Assign(Value); }
void TSynEditPrint::SetHeader(const THeaderFooter& Value) { Header().Assign(Value); }
void TSynEditPrint::SetFooter(const THeaderFooter& Value) { Footer().Assign(Value); }
void TSynEditPrint::SetMargins(const TSynEditPrintMargins& Value) { Margins().Assign(Value); }

void TSynEditPrint::SetWrap(bool Value) {
  fWrap = Value;
  Stale();
}
void TSynEditPrint::SetSelectedOnly(bool Value) {
  fSelectedOnly = Value;
  Stale();
}
void TSynEditPrint::SetLineNumbers(bool Value) {
  fLineNumbers = Value;
  Stale();
}
void TSynEditPrint::SetLineNumbersInMargin(bool Value) {
  fLineNumbersInMargin = Value;
  Stale();
}
void TSynEditPrint::SetLineOffset(int Value) {
  fLineOffset = Value;
  Stale();
}

void TSynEditPrint::PrintLine(int LineNumber, int PageNumber) {
  if (OnPrintLine) OnPrintLine(this, LineNumber, PageNumber);
}

void TSynEditPrint::PrintStatus(TSynPrintStatus Status, int PageNumber, bool& Abort) {
  Abort = false;
  if (OnPrintStatus) OnPrintStatus(this, Status, PageNumber, Abort);
  if (Abort && fPrinting) fAbort = true;
}

int TSynEditPrint::GetPageCount() {
  if (!fPagesCounted) InitPrint();
  return fPageCount;
}

void TSynEditPrint::UpdatePages() {
  fPrinterInfo.UpdatePrinter();
  InitPrint();
}

void TSynEditPrint::PrintToCanvas(platform::Canvas& ACanvas, int PageNumber) {
  fAbort = false;
  fPrinting = false;
  if (!fPagesCounted) InitPrint();
  if (PageNumber < 1 || PageNumber > fPageCount) return;
  fCanvas = &ACanvas;
  PrintPage(PageNumber);
  fCanvas = nullptr;
}

void TSynEditPrint::PrintRange(int StartPage, int EndPage) {
  if (fSelectedOnly && !fSelAvail) return;
  platform::PrinterDevice& device = fPrinterInfo.Device();
  if (!device.HasPrinter()) throw ESynEditPrint(text::cp1252("Nenhuma impressora disponível."));
  // The layout comes first, so that a bad range or bad margins start no job.
  UpdatePages();
  const int last = EndPage == -1 ? fPageCount : std::min(EndPage, fPageCount);
  if (StartPage < 1 || StartPage > last) throw ESynEditPrint(text::cp1252("Intervalo de páginas inválido."));

  struct Flag {
    bool& printing;
    ~Flag() { printing = false; }
  } flag{fPrinting};
  fPrinting = true;
  fAbort = false;
  try {
    device.BeginDoc(DocTitle.empty() ? Title : DocTitle);
  } catch (const std::runtime_error& e) {
    throw ESynEditPrint(e.what());
  }
  try {
    bool abort = false;
    PrintStatus(psBegin, StartPage, abort);
    const int copies = std::max(1, Copies);
    for (int copy = 1; copy <= copies && !fAbort; ++copy)
      for (int page = StartPage; page <= last && !fAbort; ++page) {
        fCanvas = &device.PageCanvas();
        PrintPage(page);
        if (!fAbort && !(copy == copies && page == last)) device.NewPage();
      }
    fCanvas = nullptr;
    if (fAbort) {
      device.Abort();
      return;
    }
    PrintStatus(psEnd, last, abort);
    device.EndDoc();
  } catch (const std::runtime_error& e) {
    fCanvas = nullptr;
    if (device.Printing()) device.Abort();
    if (dynamic_cast<const Exception*>(&e)) throw;
    throw ESynEditPrint(e.what());
  }
}

void TSynEditPrint::SaveToStream(std::ostream& Stream) {
  fHeader.SaveToStream(Stream);
  fFooter.SaveToStream(Stream);
  fMargins.SaveToStream(Stream);
  WriteString(Stream, Title);
  WriteString(Stream, DocTitle);
  WriteByte(Stream, fWrap);
  WriteByte(Stream, Highlight);
  WriteByte(Stream, Colors);
  WriteByte(Stream, fLineNumbers);
  WriteInt32(Stream, fLineOffset);
  WriteInt32(Stream, PageOffset);
}

void TSynEditPrint::LoadFromStream(std::istream& Stream) {
  // Everything is read aside first, so that a damaged stream changes nothing.
  THeader header;
  header.Assign(fHeader);
  header.LoadFromStream(Stream);
  TFooter footer;
  footer.Assign(fFooter);
  footer.LoadFromStream(Stream);
  TSynEditPrintMargins margins;
  margins.LoadFromStream(Stream);
  std::string title = ReadString(Stream);
  std::string docTitle = ReadString(Stream);
  const bool wrap = ReadBool(Stream);
  const bool highlight = ReadBool(Stream);
  const bool colors = ReadBool(Stream);
  const bool lineNumbers = ReadBool(Stream);
  const int lineOffset = ReadInt32(Stream);
  const int pageOffset = ReadInt32(Stream);
  fHeader.Assign(header);
  fFooter.Assign(footer);
  fMargins.Assign(margins);
  Title = std::move(title);
  DocTitle = std::move(docTitle);
  fWrap = wrap;
  Highlight = highlight;
  Colors = colors;
  fLineNumbers = lineNumbers;
  fLineOffset = lineOffset;
  PageOffset = pageOffset;
  Stale();
}

}  // namespace kau::editor

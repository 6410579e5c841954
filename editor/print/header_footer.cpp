#include "editor/print/header_footer.h"

#include <algorithm>
#include <stdexcept>

#include "editor/model/misc_procs.h"
#include "editor/print/print_stream.h"

namespace kau::editor {

THeaderFooter::THeaderFooter() {
  fDefaultFont.SetName("Arial");
  fDefaultFont.SetSize(10);
  fDefaultFont.SetColor(clBlack);
}

THeaderFooter::~THeaderFooter() = default;

int THeaderFooter::Add(const std::string& Text, const TFont* Font, TAlignment Alignment, int LineNumber) {
  auto item = std::make_unique<THeaderFooterItem>();
  item->Text = Text;
  const TFont& font = Font ? *Font : fDefaultFont;
  item->Font().SetPixelsPerInch(font.PixelsPerInch());
  item->SetFont(font);
  item->Alignment = Alignment;
  item->LineNumber = LineNumber;
  item->Index = Count();
  fItems.push_back(std::move(item));
  return Count() - 1;
}

THeaderFooterItem& THeaderFooter::Get(int Index) {
  if (Index < 0 || Index >= Count()) throw std::out_of_range("header or footer item " + std::to_string(Index));
  return *fItems[static_cast<std::size_t>(Index)];
}

void THeaderFooter::Delete(int Index) {
  Get(Index);
  fItems.erase(fItems.begin() + Index);
}

void THeaderFooter::Clear() { fItems.clear(); }

void THeaderFooter::SetPixPrInch(int Value) {
  for (auto& item : fItems) item->Font().ChangePixelsPerInchKeepingSize(Value);
}

void THeaderFooter::RenumberLines() {
  fLineInfo.clear();
  int previous = 0;
  for (auto& item : fItems) {
    if (fLineInfo.empty() || item->LineNumber != previous) fLineInfo.emplace_back();
    previous = item->LineNumber;
    item->LineNumber = static_cast<int>(fLineInfo.size());
  }
}

void THeaderFooter::CalcHeight() {
  if (fItems.empty()) {
    fFrameHeight = -1;
    return;
  }
  fFrameHeight = 0;
  int line = 0, lineStart = 0;
  for (const auto& item : fItems) {
    if (item->LineNumber != line) {
      line = item->LineNumber;
      lineStart = fFrameHeight;
    }
    TLineInfo& info = fLineInfo[static_cast<std::size_t>(line - 1)];
    const int height = PrintTextExtent(item->Font().Desc(), "W").cy;
    const TTextMetrics tm = PrintTextMetrics(item->Font().Desc());
    info.LineHeight = std::max(info.LineHeight, height);
    info.MaxBaseLine = std::max(info.MaxBaseLine, tm.Height - tm.Descent);
    fFrameHeight = std::max(fFrameHeight, lineStart + height);
  }
  fFrameHeight += 2 * (fMargins ? fMargins->PHFInternalMargin : 0);
}

void THeaderFooter::InitPrint(int NumPages, const std::string& Title,
                              TSynEditPrintMargins* Margins) {
  const TPrintDateTime now = PrintNow();
  fDate = FormatPrintDate(now);
  fTime = FormatPrintTime(now);
  fNumPages = NumPages;
  fTitle = Title;
  fMargins = Margins;
  Prepare();
}

void THeaderFooter::Prepare() {
  std::stable_sort(fItems.begin(), fItems.end(),
                   [](const auto& a, const auto& b) { return a->LineNumber < b->LineNumber; });
  RenumberLines();
  CalcHeight();
}

void THeaderFooter::DrawFrame(platform::Canvas& ACanvas) {
  const TSynEditPrintMargins& m = *fMargins;
  const int edge = fType == hftHeader ? m.PHeader : m.PFooter;
  if (FrameTypes & (ftBox | ftShaded)) {
    const TRect box = fType == hftHeader ? TRect{m.PLeft, edge - fFrameHeight, m.PRight, edge}
                                         : TRect{m.PLeft, edge, m.PRight, edge + fFrameHeight};
    if (FrameTypes & ftShaded) ACanvas.FillRect(box, ShadedColor);
    if (FrameTypes & ftBox) {
      ACanvas.Line({box.Left, box.Top}, {box.Right, box.Top});
      ACanvas.Line({box.Right - 1, box.Top}, {box.Right - 1, box.Bottom});
      ACanvas.Line({box.Right - 1, box.Bottom - 1}, {box.Left, box.Bottom - 1});
      ACanvas.Line({box.Left, box.Bottom - 1}, {box.Left, box.Top});
    }
  }
  if (FrameTypes & ftLine) ACanvas.Line({m.PLeft, edge}, {m.PRight, edge});
}

void THeaderFooter::Print(platform::Canvas& ACanvas, int PageNum) {
  if (!fMargins) return;
  // Items added or renumbered since InitPrint are laid out again.
  const auto known = [this](const auto& item) {
    return item->LineNumber >= 1 && item->LineNumber <= static_cast<int>(fLineInfo.size());
  };
  if (!std::all_of(fItems.begin(), fItems.end(), known)) Prepare();
  if (fFrameHeight <= 0) return;
  const TSynEditPrintMargins& m = *fMargins;
  const int saved = ACanvas.SaveState();
  ACanvas.SetPen(LineColor, 1, platform::psSolid);
  DrawFrame(ACanvas);
  int y = (fType == hftHeader ? m.PHeader - fFrameHeight : m.PFooter) + m.PHFInternalMargin;
  int line = fItems.front()->LineNumber;
  for (const auto& item : fItems) {
    const TFontDesc& font = item->Font().Desc();
    ACanvas.SelectFont(fFonts.Get(font));
    ACanvas.SetTextColor(item->Font().Color());
    if (item->LineNumber != line) {
      y += fLineInfo[static_cast<std::size_t>(line - 1)].LineHeight;
      line = item->LineNumber;
    }
    const std::string text = item->GetText(fNumPages, PageNum, RomanNumbers, fTitle, fTime, fDate);
    TAlignment alignment = item->Alignment > taCenter ? taLeftJustify : item->Alignment;
    if (MirrorPosition && PageNum % 2 == 0 && alignment != taCenter)
      alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    const int width = PrintTextExtent(font, text).cx;
    int x = m.PLeftHFTextIndent;
    if (alignment == taRightJustify) x = m.PRightHFTextIndent - width;
    if (alignment == taCenter) x = (m.PLeftHFTextIndent + m.PRightHFTextIndent - width) / 2;
    // Baseline alignment: the cell's top lies one ascent of this font above
    // the line's common baseline.
    const int baseline = y + fLineInfo[static_cast<std::size_t>(line - 1)].MaxBaseLine;
    ACanvas.TextOut(x, baseline - PrintTextMetrics(font).Ascent, text);
  }
  ACanvas.RestoreState(saved);
}

bool THeaderFooter::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const THeaderFooter*>(&Source);
  if (!src) return false;
  if (src == this) return true;
  Clear();
  fType = src->fType;
  FrameTypes = src->FrameTypes;
  ShadedColor = src->ShadedColor;
  LineColor = src->LineColor;
  for (const auto& item : src->fItems) Add(item->Text, &item->Font(), item->Alignment, item->LineNumber);
  fDefaultFont.Assign(src->fDefaultFont);
  RomanNumbers = src->RomanNumbers;
  MirrorPosition = src->MirrorPosition;
  return true;
}

void THeaderFooter::SaveToStream(std::ostream& Stream) const {
  WriteByte(Stream, FrameTypes);
  WriteInt32(Stream, ShadedColor);
  WriteInt32(Stream, LineColor);
  WriteByte(Stream, RomanNumbers);
  WriteByte(Stream, MirrorPosition);
  TStoredFont::Of(fDefaultFont).Write(Stream);
  WriteInt32(Stream, Count());
  for (const auto& item : fItems) item->SaveToStream(Stream);
}

void THeaderFooter::LoadFromStream(std::istream& Stream) {
  const TFrameTypes frames = ReadByteUpTo(Stream, ftLine | ftBox | ftShaded);
  const TColor shaded = ReadInt32(Stream);
  const TColor line = ReadInt32(Stream);
  const bool roman = ReadBool(Stream);
  const bool mirror = ReadBool(Stream);
  const TStoredFont font = TStoredFont::Read(Stream);
  const std::int32_t count = ReadInt32(Stream);
  if (count < 0) throw EReadError("Erro de leitura: dados de impress\xE3o danificados");
  // The items are read aside first, so that a failure leaves this object as
  // it was; a count beyond the stream fails when the stream ends.
  std::vector<std::unique_ptr<THeaderFooterItem>> loaded;
  for (std::int32_t i = 0; i < count; ++i) {
    auto item = std::make_unique<THeaderFooterItem>();
    item->Font().SetPixelsPerInch(fDefaultFont.PixelsPerInch());
    item->SetFont(fDefaultFont);
    item->LineNumber = 1;
    item->LoadFromStream(Stream);
    loaded.push_back(std::move(item));
  }
  FrameTypes = frames;
  ShadedColor = shaded;
  LineColor = line;
  RomanNumbers = roman;
  MirrorPosition = mirror;
  font.SetOn(fDefaultFont);
  for (auto& item : loaded) {
    item->Index = Count();
    fItems.push_back(std::move(item));
  }
}

std::string THeaderFooter::GetAsString() {
  RenumberLines();
  std::string result;
  for (std::size_t i = 0; i < fItems.size(); ++i) {
    if (i) result += '/';
    result += EncodeString(fItems[i]->GetAsString());
  }
  return result;
}

void THeaderFooter::SetAsString(const std::string& Value) {
  Clear();
  THeaderFooterItem scratch;
  std::string rest = Value;
  while (!rest.empty()) {
    const std::size_t slash = rest.find('/');
    const std::string first = rest.substr(0, slash);
    rest = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
    scratch.SetAsString(DecodeString(first));
    Add(scratch.Text, &scratch.Font(), scratch.Alignment, scratch.LineNumber);
  }
}

}  // namespace kau::editor

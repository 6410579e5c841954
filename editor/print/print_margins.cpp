#include "editor/print/print_margins.h"

#include <cmath>
#include <string>

#include "editor/print/print_fonts.h"
#include "editor/print/print_stream.h"

namespace kau::editor {

namespace {

double MillimetresPerUnit(TUnitSystem unit) {
  switch (unit) {
    case usCM: return 10;
    case usInch: return 25.4;
    case muThousandthsOfInches: return 25.4 / 1000;
    default: return 1;
  }
}

int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

TSynEditPrintMargins::TSynEditPrintMargins() : fMM{25, 15, 25, 25, 15, 15, 2, 2, 0.5, 0} {}

double TSynEditPrintMargins::Get(TMargin Which) const { return fMM[Which] / MillimetresPerUnit(fUnitSystem); }

void TSynEditPrintMargins::Set(TMargin Which, double Value) { fMM[Which] = Value * MillimetresPerUnit(fUnitSystem); }

void TSynEditPrintMargins::InitPage(int PageNum, TSynEditPrinterInfo& PrinterInfo, const TFontDesc& NumberFont,
                                    bool LineNumbers, bool LineNumbersInMargin, int MaxLineNumber) {
  TSynEditPrinterInfo& p = PrinterInfo;
  if (fMirrorMargins && PageNum % 2 == 0) {
    PLeft = p.PixFromLeft(Mm(mRight));
    PRight = p.PrintableWidth() - p.PixFromRight(Mm(mLeft) + Mm(mGutter));
  } else {
    PLeft = p.PixFromLeft(Mm(mLeft) + Mm(mGutter));
    PRight = p.PrintableWidth() - p.PixFromRight(Mm(mRight));
  }
  if (LineNumbers && !LineNumbersInMargin)
    PLeft += PrintTextExtent(NumberFont, std::to_string(MaxLineNumber) + ": ").cx;
  PTop = p.PixFromTop(Mm(mTop));
  PBottom = p.PrintableHeight() - p.PixFromBottom(Mm(mBottom));
  PHeader = p.PixFromTop(Mm(mHeader));
  PFooter = p.PrintableHeight() - p.PixFromBottom(Mm(mFooter));
  PHFInternalMargin = Round(p.YPixPrmm() * Mm(mHFInternalMargin));
  PGutter = Round(p.XPixPrmm() * Mm(mGutter));
  PRightHFTextIndent = PRight - Round(p.XPixPrmm() * Mm(mRightHFTextIndent));
  PLeftHFTextIndent = PLeft + Round(p.XPixPrmm() * Mm(mLeftHFTextIndent));
}

bool TSynEditPrintMargins::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TSynEditPrintMargins*>(&Source);
  if (!src) return false;
  if (src == this) return true;
  for (int i = 0; i < kMarginCount; ++i) fMM[i] = src->fMM[i];
  fUnitSystem = src->fUnitSystem;
  fMirrorMargins = src->fMirrorMargins;
  return true;
}

void TSynEditPrintMargins::SaveToStream(std::ostream& Stream) const {
  WriteByte(Stream, fUnitSystem);
  for (double v : fMM) WriteDouble(Stream, v);
  WriteByte(Stream, fMirrorMargins);
}

void TSynEditPrintMargins::LoadFromStream(std::istream& Stream) {
  const auto unit = static_cast<TUnitSystem>(ReadByteUpTo(Stream, muThousandthsOfInches));
  double mm[kMarginCount];
  for (double& v : mm) v = ReadDouble(Stream);
  const bool mirror = ReadBool(Stream);
  fUnitSystem = unit;
  for (int i = 0; i < kMarginCount; ++i) fMM[i] = mm[i];
  fMirrorMargins = mirror;
}

}  // namespace kau::editor

// TSynEditPrintMargins: the page margins in millimetres, read and written in
// a chosen unit system, and their positions in printer pixels for one page.
#pragma once

#include <cstdint>
#include <iosfwd>

#include "editor/highlight/persistent.h"
#include "editor/print/printer_info.h"
#include "platform/draw/font.h"

namespace kau::editor {

enum TUnitSystem : std::uint8_t { usMM, usCM, usInch, muThousandthsOfInches };

class TSynEditPrintMargins : public TPersistent {
 public:
  // The stored values, in this order in the stream form.
  enum TMargin : int { mLeft, mRight, mTop, mBottom, mHeader, mFooter, mLeftHFTextIndent, mRightHFTextIndent,
                       mHFInternalMargin, mGutter, kMarginCount };

  TSynEditPrintMargins();

  // In the current unit system.
  double Get(TMargin Which) const;
  void Set(TMargin Which, double Value);
  double Left() const { return Get(mLeft); }
  double Right() const { return Get(mRight); }
  double Top() const { return Get(mTop); }
  double Bottom() const { return Get(mBottom); }
  double Header() const { return Get(mHeader); }
  double Footer() const { return Get(mFooter); }
  double LeftHFTextIndent() const { return Get(mLeftHFTextIndent); }
  double RightHFTextIndent() const { return Get(mRightHFTextIndent); }
  double HFInternalMargin() const { return Get(mHFInternalMargin); }
  double Gutter() const { return Get(mGutter); }
  void SetLeft(double v) { Set(mLeft, v); }
  void SetRight(double v) { Set(mRight, v); }
  void SetTop(double v) { Set(mTop, v); }
  void SetBottom(double v) { Set(mBottom, v); }
  void SetHeader(double v) { Set(mHeader, v); }
  void SetFooter(double v) { Set(mFooter, v); }
  void SetLeftHFTextIndent(double v) { Set(mLeftHFTextIndent, v); }
  void SetRightHFTextIndent(double v) { Set(mRightHFTextIndent, v); }
  void SetHFInternalMargin(double v) { Set(mHFInternalMargin, v); }
  void SetGutter(double v) { Set(mGutter, v); }
  // In millimetres whatever the unit system.
  double Millimetres(TMargin Which) const { return fMM[Which]; }

  TUnitSystem UnitSystem() const { return fUnitSystem; }
  void SetUnitSystem(TUnitSystem Value) { fUnitSystem = Value; }
  bool MirrorMargins() const { return fMirrorMargins; }
  void SetMirrorMargins(bool Value) { fMirrorMargins = Value; }

  // The pixel positions for page `PageNum`. With line numbers outside the
  // margin, the text starts after the width of "<MaxLineNumber>: " in
  // `NumberFont`. Negative margins count as 0.
  void InitPage(int PageNum, TSynEditPrinterInfo& PrinterInfo, const TFontDesc& NumberFont, bool LineNumbers,
                bool LineNumbersInMargin, int MaxLineNumber);

  bool Assign(const TPersistent& Source) override;
  // 82 bytes: the unit system, the ten values in millimetres, MirrorMargins.
  // A damaged stream raises EReadError and changes nothing.
  void SaveToStream(std::ostream& Stream) const;
  void LoadFromStream(std::istream& Stream);

  // Positions in printer pixels from the printable area's corner.
  int PLeft = 0, PRight = 0, PTop = 0, PBottom = 0, PHeader = 0, PFooter = 0;
  int PLeftHFTextIndent = 0, PRightHFTextIndent = 0, PHFInternalMargin = 0, PGutter = 0;

 private:
  double Mm(TMargin Which) const { return fMM[Which] < 0 ? 0 : fMM[Which]; }

  double fMM[kMarginCount];
  TUnitSystem fUnitSystem = usMM;
  bool fMirrorMargins = false;
};

}  // namespace kau::editor

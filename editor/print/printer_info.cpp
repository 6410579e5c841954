#include "editor/print/printer_info.h"

#include <cmath>

namespace kau::editor {

void TSynEditPrinterInfo::SetDevice(platform::PrinterDevice* Device) {
  fDevice = Device;
  fIsUpdated = false;
}

const TSynEditPrinterInfo::Values& TSynEditPrinterInfo::Get() {
  if (!fIsUpdated) UpdatePrinter();
  return fValues;
}

void TSynEditPrinterInfo::Take(const platform::TPrinterGeometry& g) {
  fValues.PhysicalWidth = g.PhysicalWidth;
  fValues.PhysicalHeight = g.PhysicalHeight;
  fValues.PrintableWidth = g.PrintableWidth;
  fValues.PrintableHeight = g.PrintableHeight;
  fValues.LeftGutter = g.OffsetX;
  fValues.TopGutter = g.OffsetY;
  fValues.RightGutter = g.PhysicalWidth - g.PrintableWidth - g.OffsetX;
  fValues.BottomGutter = g.PhysicalHeight - g.PrintableHeight - g.OffsetY;
  fValues.XPixPrInch = g.XPixelsPerInch;
  fValues.YPixPrInch = g.YPixelsPerInch;
  fValues.XPixPrmm = static_cast<float>(g.XPixelsPerInch / 25.4);
  fValues.YPixPrmm = static_cast<float>(g.YPixelsPerInch / 25.4);
}

void TSynEditPrinterInfo::UpdatePrinter() {
  fIsUpdated = true;
  if (!Device().HasPrinter()) {
    FillDefault();
    return;
  }
  Take(Device().Geometry());
}

void TSynEditPrinterInfo::FillDefault() { Take(platform::kDefaultPrinterGeometry); }

namespace {
// The default rounding mode rounds halves to even.
int Round(double v) { return static_cast<int>(std::nearbyint(v)); }
}  // namespace

int TSynEditPrinterInfo::PixFromLeft(double mm) { return Round(mm * Get().XPixPrmm - fValues.LeftGutter); }
int TSynEditPrinterInfo::PixFromRight(double mm) { return Round(mm * Get().XPixPrmm - fValues.RightGutter); }
int TSynEditPrinterInfo::PixFromTop(double mm) { return Round(mm * Get().YPixPrmm - fValues.TopGutter); }
int TSynEditPrinterInfo::PixFromBottom(double mm) { return Round(mm * Get().YPixPrmm - fValues.BottomGutter); }

}  // namespace kau::editor

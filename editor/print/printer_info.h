// TSynEditPrinterInfo: the page geometry and resolution of a printer device
// in device pixels, and millimetres converted to pixels from the printable
// area's edges. Read from the device the first time a value is asked for.
#pragma once

#include "platform/print/printer_device.h"

namespace kau::editor {

class TSynEditPrinterInfo {
 public:
  // Reads the given device; none means the process's printer.
  explicit TSynEditPrinterInfo(platform::PrinterDevice* Device = nullptr) : fDevice(Device) {}

  platform::PrinterDevice& Device() const { return fDevice ? *fDevice : platform::Printer(); }
  // Another device; the values are read again when next asked for.
  void SetDevice(platform::PrinterDevice* Device);

  void UpdatePrinter();
  void FillDefault();

  // Pixels from the printable area's edge to a distance in millimetres from
  // the sheet's edge (rounded to the nearest, halves to even).
  int PixFromLeft(double mm);
  int PixFromRight(double mm);
  int PixFromTop(double mm);
  int PixFromBottom(double mm);

  int PhysicalWidth() { return Get().PhysicalWidth; }
  int PhysicalHeight() { return Get().PhysicalHeight; }
  int PrintableWidth() { return Get().PrintableWidth; }
  int PrintableHeight() { return Get().PrintableHeight; }
  int LeftGutter() { return Get().LeftGutter; }
  int RightGutter() { return Get().RightGutter; }
  int TopGutter() { return Get().TopGutter; }
  int BottomGutter() { return Get().BottomGutter; }
  int XPixPrInch() { return Get().XPixPrInch; }
  int YPixPrInch() { return Get().YPixPrInch; }
  float XPixPrmm() { return Get().XPixPrmm; }
  float YPixPrmm() { return Get().YPixPrmm; }
  bool IsUpdated() const { return fIsUpdated; }

 private:
  struct Values {
    int PhysicalWidth = 0, PhysicalHeight = 0, PrintableWidth = 0, PrintableHeight = 0;
    int LeftGutter = 0, RightGutter = 0, TopGutter = 0, BottomGutter = 0;
    int XPixPrInch = 0, YPixPrInch = 0;
    float XPixPrmm = 0, YPixPrmm = 0;
  };
  const Values& Get();
  void Take(const platform::TPrinterGeometry& g);

  platform::PrinterDevice* fDevice;
  Values fValues;
  bool fIsUpdated = false;
};

}  // namespace kau::editor

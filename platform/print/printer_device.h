// The printer as the print engine sees it: whether there is one, its page
// geometry in device pixels, its resolution, and a job of pages drawn on a
// canvas whose origin is the printable area's top-left corner.
#pragma once

#include <string>

#include "platform/draw/canvas.h"

namespace kau::platform {

struct TPrinterGeometry {
  int PhysicalWidth = 0;  // the whole sheet
  int PhysicalHeight = 0;
  int PrintableWidth = 0;  // the area the device can print on
  int PrintableHeight = 0;
  int OffsetX = 0;  // the printable area's corner on the sheet
  int OffsetY = 0;
  int XPixelsPerInch = 0;
  int YPixelsPerInch = 0;
  friend bool operator==(const TPrinterGeometry&, const TPrinterGeometry&) = default;
};

// The sheet assumed when there is no printer: A4 at 300 dpi with the
// unprintable edges of a common laser printer.
inline constexpr TPrinterGeometry kDefaultPrinterGeometry{2481, 3507, 2358, 3407, 65, 50, 300, 300};

class PrinterDevice {
 public:
  virtual ~PrinterDevice() = default;

  // False when there is nothing to print to; the geometry is then the default.
  virtual bool HasPrinter() const = 0;
  virtual TPrinterGeometry Geometry() const = 0;

  // A job: BeginDoc, the first page's drawing, NewPage before each further
  // page, then EndDoc or Abort. A failure to start or end raises
  // std::runtime_error with a message in code page 1252.
  virtual void BeginDoc(const std::string& title) = 0;
  virtual void NewPage() = 0;
  virtual void EndDoc() = 0;
  virtual void Abort() = 0;
  virtual bool Printing() const = 0;
  // The page being drawn; only between BeginDoc and EndDoc or Abort.
  virtual Canvas& PageCanvas() = 0;
};

// The process's printer; a back end installs its own. Without one there is
// no printer.
PrinterDevice& Printer();
void SetPrinter(PrinterDevice* device);

}  // namespace kau::platform

#include "platform/print/printer_device.h"

#include <stdexcept>

namespace kau::platform {

namespace {

class NoPrinter : public PrinterDevice {
 public:
  bool HasPrinter() const override { return false; }
  TPrinterGeometry Geometry() const override { return kDefaultPrinterGeometry; }
  void BeginDoc(const std::string&) override { throw std::runtime_error("Nenhuma impressora dispon\xEDvel."); }
  void NewPage() override {}
  void EndDoc() override {}
  void Abort() override {}
  bool Printing() const override { return false; }
  Canvas& PageCanvas() override { throw std::runtime_error("Nenhuma impressora dispon\xEDvel."); }
};

PrinterDevice* installed = nullptr;

}  // namespace

PrinterDevice& Printer() {
  static NoPrinter none;
  return installed ? *installed : none;
}

void SetPrinter(PrinterDevice* device) { installed = device; }

}  // namespace kau::platform

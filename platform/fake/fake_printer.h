// A printer without a device, for tests: settable geometry (the default
// sheet unless told otherwise), each page recorded on a FakeCanvas the size of
// the printable area, and the job's calls recorded in order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/fake/fake_canvas.h"
#include "platform/print/printer_device.h"

namespace kau::platform {

class FakePrinter : public PrinterDevice {
 public:
  bool HasPrinter() const override { return hasPrinter_; }
  TPrinterGeometry Geometry() const override { return geometry_; }
  void BeginDoc(const std::string& title) override;
  void NewPage() override;
  void EndDoc() override;
  void Abort() override;
  bool Printing() const override { return printing_; }
  Canvas& PageCanvas() override;

  void SetHasPrinter(bool has) { hasPrinter_ = has; }
  void SetGeometry(const TPrinterGeometry& geometry) { geometry_ = geometry; }
  // The next BeginDoc fails, as a device that cannot be opened.
  void FailNextBeginDoc() { failBegin_ = true; }

  // "BeginDoc:<title>", "NewPage", "EndDoc", "Abort", in order.
  const std::vector<std::string>& Calls() const { return calls_; }
  // The pages of the last job, the first included.
  const std::vector<std::unique_ptr<FakeCanvas>>& Pages() const { return pages_; }
  int CountOf(const std::string& call) const;

 private:
  void StartPage();

  TPrinterGeometry geometry_ = kDefaultPrinterGeometry;
  bool hasPrinter_ = true;
  bool printing_ = false;
  bool failBegin_ = false;
  std::vector<std::string> calls_;
  std::vector<std::unique_ptr<FakeCanvas>> pages_;
};

}  // namespace kau::platform

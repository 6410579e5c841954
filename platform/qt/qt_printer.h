// The printer through Qt: a QPrinter at 300 dpi on A4 unless the print dialog
// changes it, printing to a CUPS printer or to a PDF file, drawn on through
// QtCanvas. The PDF is the QPrinter's output file, whether SetPdfFile or the
// print dialog's "print to file" chose it. It is written under a temporary
// name beside the target and renamed into place when the job ends, so that an
// aborted or failed job leaves no partial file.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>

#include "platform/print/printer_device.h"
#include "platform/qt/qt_canvas.h"

namespace kau::platform {

class QtPrinter : public PrinterDevice {
 public:
  QtPrinter();
  ~QtPrinter() override;

  // Output to a PDF file, or to a CUPS printer by name; an empty name chooses
  // nothing. The print dialog chooses the same way on Device().
  void SetPdfFile(const QString& path);
  void SetPrinterName(const QString& name);
  // Names the next job after the program at `path` before the print dialog
  // opens, so that printing to a file proposes its PDF beside it (prog.pas:
  // prog.pdf) instead of the last job's file; an empty path (a program never
  // saved) leaves the dialog its own proposal. A printer chosen stays chosen.
  void NameAfterProgram(const QString& path);
  // The QPrinter itself, for the print dialog.
  QPrinter& Device() { return printer_; }

  bool HasPrinter() const override;
  TPrinterGeometry Geometry() const override;
  void BeginDoc(const std::string& title) override;
  void NewPage() override;
  void EndDoc() override;
  void Abort() override;
  bool Printing() const override { return painter_.isActive(); }
  Canvas& PageCanvas() override;

 private:
  void StartCanvas();
  void DropPartialFile();

  QPrinter printer_;
  QPainter painter_;
  std::unique_ptr<QtCanvas> canvas_;
  QString target_;   // the PDF of the job under way
  QString partial_;  // where it is written until the job ends
};

}  // namespace kau::platform

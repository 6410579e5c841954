#include "platform/qt/qt_printer.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QTemporaryFile>
#include <cstdio>
#include <stdexcept>

#include <sys/stat.h>

#include "platform/files/replace_file.h"
#include "text/code_pages.h"

namespace kau::platform {

namespace {

std::runtime_error Failure(const QString& what) {
  const QByteArray utf8 = what.toUtf8();
  return std::runtime_error(text::sourceToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
}

}  // namespace

QtPrinter::QtPrinter() : printer_(QPrinter::HighResolution) {
  printer_.setResolution(300);
  printer_.setPageSize(QPageSize(QPageSize::A4));
  printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  printer_.setCopyCount(1);  // copies are collated by the print engine
}

QtPrinter::~QtPrinter() {
  if (painter_.isActive()) Abort();
}

void QtPrinter::SetPdfFile(const QString& path) {
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setOutputFileName(path);
}

void QtPrinter::SetPrinterName(const QString& name) {
  printer_.setOutputFormat(QPrinter::NativeFormat);
  printer_.setOutputFileName(QString());
  printer_.setPrinterName(name);
}

// The dialog shows the printer's output file when it has one, else a name
// made from its document name.
void QtPrinter::NameAfterProgram(const QString& path) {
  const QFileInfo program(path);
  printer_.setDocName(path.isEmpty() ? QString() : program.fileName());
  if (printer_.outputFormat() != QPrinter::PdfFormat) return;
  printer_.setOutputFileName(path.isEmpty() ? QString() : program.dir().filePath(program.completeBaseName() + ".pdf"));
  printer_.setOutputFormat(QPrinter::PdfFormat);  // an empty name alone turns to a printer
}

bool QtPrinter::HasPrinter() const {
  if (printer_.outputFormat() == QPrinter::PdfFormat) return !printer_.outputFileName().isEmpty();
  return !printer_.printerName().isEmpty();
}

TPrinterGeometry QtPrinter::Geometry() const {
  if (!HasPrinter()) return kDefaultPrinterGeometry;
  const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
  const QRectF page = printer_.pageRect(QPrinter::DevicePixel);
  TPrinterGeometry g;
  g.PhysicalWidth = qRound(paper.width());
  g.PhysicalHeight = qRound(paper.height());
  g.PrintableWidth = qRound(page.width());
  g.PrintableHeight = qRound(page.height());
  g.OffsetX = qRound(page.left() - paper.left());
  g.OffsetY = qRound(page.top() - paper.top());
  g.XPixelsPerInch = printer_.logicalDpiX();
  g.YPixelsPerInch = printer_.logicalDpiY();
  return g;
}

void QtPrinter::StartCanvas() {
  const TPrinterGeometry g = Geometry();
  canvas_ = std::make_unique<QtCanvas>(painter_, TRect{0, 0, g.PrintableWidth, g.PrintableHeight});
}

void QtPrinter::BeginDoc(const std::string& title) {
  if (!HasPrinter()) throw std::runtime_error(text::cp1252("Nenhuma impressora disponível."));
  printer_.setDocName(QString::fromUtf8(text::cp1252ToUtf8(title).c_str()));
  partial_.clear();
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    target_ = printer_.outputFileName();
    QTemporaryFile reserve(target_ + ".XXXXXX");
    reserve.setAutoRemove(false);
    if (!reserve.open()) throw Failure(QStringLiteral("Não foi possível criar o arquivo ") + target_);
    partial_ = reserve.fileName();
    reserve.close();
    printer_.setOutputFileName(partial_);
  }
  if (!painter_.begin(&printer_)) {
    DropPartialFile();
    throw Failure(QStringLiteral("Não foi possível iniciar a impressão"));
  }
  StartCanvas();
}

void QtPrinter::NewPage() {
  if (!printer_.newPage()) throw Failure(QStringLiteral("Erro de impressão"));
  StartCanvas();
}

void QtPrinter::EndDoc() {
  canvas_.reset();
  const bool ended = painter_.end();
  if (partial_.isEmpty()) {
    if (!ended) throw Failure(QStringLiteral("Erro de impressão"));
    return;
  }
  // The temporary file is private; the PDF gets an ordinary file's mode. The
  // rename replaces an older PDF in one step, so a failure keeps it.
  const QByteArray partial = QFile::encodeName(partial_);
  const bool renamed = ended && ::chmod(partial.constData(), files::NewFileMode(0666)) == 0 &&
                       std::rename(partial.constData(), QFile::encodeName(target_).constData()) == 0;
  if (!renamed) {
    DropPartialFile();
    throw Failure(QStringLiteral("Não foi possível criar o arquivo ") + target_);
  }
  partial_.clear();
  printer_.setOutputFileName(target_);
}

void QtPrinter::Abort() {
  canvas_.reset();
  printer_.abort();
  if (painter_.isActive()) painter_.end();
  DropPartialFile();
}

void QtPrinter::DropPartialFile() {
  if (partial_.isEmpty()) return;
  QFile::remove(partial_);
  partial_.clear();
  printer_.setOutputFileName(target_);
}

Canvas& QtPrinter::PageCanvas() {
  if (!canvas_) throw std::logic_error("no page: the job has not begun");
  return *canvas_;
}

}  // namespace kau::platform

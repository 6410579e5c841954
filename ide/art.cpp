#include "ide/art.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

// The resource lives in a static library: its initialiser must be called.
static void InitIdeResources() { Q_INIT_RESOURCE(ide); }

namespace kau::ide {

namespace {

const QColor kInk(0x20, 0x20, 0x40);
const QColor kPaper(0xFF, 0xFF, 0xF4);
const QColor kBlue(0x20, 0x50, 0xC0);
const QColor kGreen(0x20, 0xA0, 0x30);
const QColor kYellow(0xF0, 0xC0, 0x30);
const QColor kRed(0xC0, 0x30, 0x30);

void Page(QPainter& p, QRectF r) {
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - 3, r.top());
  path.lineTo(r.right(), r.top() + 3);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawPath(path);
}

void TextLines(QPainter& p, QRectF r, int count) {
  p.setPen(QColor(0x70, 0x70, 0x90));
  for (int i = 0; i < count; ++i) p.drawLine(QPointF(r.left() + 2, r.top() + 3 + 2 * i), QPointF(r.right() - 2, r.top() + 3 + 2 * i));
}

void Folder(QPainter& p, QColor colour) {
  p.setPen(kInk);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({{1.5, 4.5}, {6.5, 4.5}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 13.5}, {1.5, 13.5}}));
}

void Windows(QPainter& p, const QRectF* rects, int count) {
  for (int i = 0; i < count; ++i) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(rects[i]);
    p.fillRect(QRectF(rects[i].left() + 0.5, rects[i].top() + 0.5, rects[i].width(), 2.5), kBlue);
  }
}

void Arrow(QPainter& p, bool forward) {
  QPainterPath path;
  if (forward) {
    path.moveTo(3, 11);
    path.cubicTo(3, 4, 10, 3, 12, 7);
  } else {
    path.moveTo(13, 11);
    path.cubicTo(13, 4, 6, 3, 4, 7);
  }
  p.setPen(QPen(kBlue, 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  if (forward)
    p.drawPolygon(QPolygonF({{9, 8}, {14.5, 9}, {13.5, 3.5}}));
  else
    p.drawPolygon(QPolygonF({{7, 8}, {1.5, 9}, {2.5, 3.5}}));
}

void Letter(QPainter& p, QRectF r, const QString& text, QColor colour, int pixels) {
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(pixels);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(r, Qt::AlignCenter, text);
}

void Draw(QPainter& p, int index) {
  switch (index) {
    case kImageNovo:
      Page(p, {3.5, 1.5, 9, 13});
      Letter(p, {8, 0, 8, 8}, "*", kYellow, 9);
      break;
    case kImageAbrir: Folder(p, kYellow); break;
    case kImageSalvar:
      p.setPen(kInk);
      p.setBrush(kBlue);
      p.drawRect(QRectF(1.5, 1.5, 13, 13));
      p.fillRect(QRectF(4, 2, 8, 5), Qt::white);
      p.fillRect(QRectF(5, 10, 6, 4), QColor(0xC0, 0xC0, 0xC0));
      break;
    case kImageImprimir:
      Page(p, {4.5, 1.5, 7, 6});
      p.setPen(kInk);
      p.setBrush(QColor(0xB0, 0xB0, 0xB0));
      p.drawRect(QRectF(1.5, 6.5, 13, 6));
      Page(p, {4.5, 10.5, 7, 4});
      break;
    case kImageLocalizar:
      p.setPen(QPen(kInk, 2));
      p.setBrush(QColor(0xC0, 0xE0, 0xFF));
      p.drawEllipse(QRectF(2, 2, 8, 8));
      p.drawLine(QPointF(9, 9), QPointF(14, 14));
      break;
    case kImageRecortar:
      p.setPen(QPen(kInk, 1.5));
      p.drawLine(QPointF(4, 1), QPointF(11, 10));
      p.drawLine(QPointF(12, 1), QPointF(5, 10));
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(kRed, 1.5));
      p.drawEllipse(QRectF(1.5, 10, 4, 4));
      p.drawEllipse(QRectF(10.5, 10, 4, 4));
      break;
    case kImageCopiar:
      Page(p, {1.5, 1.5, 8, 10});
      Page(p, {6.5, 4.5, 8, 10});
      TextLines(p, {6.5, 4.5, 8, 10}, 3);
      break;
    case kImageColar:
      p.setPen(kInk);
      p.setBrush(QColor(0xB0, 0x80, 0x40));
      p.drawRect(QRectF(2.5, 2.5, 11, 12));
      Page(p, {5.5, 5.5, 8, 9});
      p.fillRect(QRectF(5, 1, 6, 3), QColor(0x90, 0x90, 0x90));
      break;
    case kImageDesfazer: Arrow(p, false); break;
    case kImageRefazer: Arrow(p, true); break;
    case kImageCascata: {
      const QRectF r[] = {{1.5, 1.5, 9, 7}, {3.5, 4.5, 9, 7}, {5.5, 7.5, 9, 7}};
      Windows(p, r, 3);
      break;
    }
    case kImageHorizontal: {
      const QRectF r[] = {{1.5, 1.5, 13, 6}, {1.5, 8.5, 13, 6}};
      Windows(p, r, 2);
      break;
    }
    case kImageLadoLado: {
      const QRectF r[] = {{1.5, 1.5, 6, 13}, {8.5, 1.5, 6, 13}};
      Windows(p, r, 2);
      break;
    }
    case kImageNotepad:
      Page(p, {2.5, 1.5, 11, 13});
      TextLines(p, {2.5, 1.5, 11, 13}, 5);
      break;
    case kImageCalculadora:
      p.setPen(kInk);
      p.setBrush(QColor(0xD0, 0xD0, 0xD0));
      p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
      p.fillRect(QRectF(4, 2, 8, 3), QColor(0xA0, 0xD0, 0xA0));
      for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) p.fillRect(QRectF(4 + 3 * col, 7 + 3 * row, 2, 2), kInk);
      break;
    case kImageInternet:
      p.setPen(QPen(kBlue, 1));
      p.setBrush(QColor(0x90, 0xC0, 0xFF));
      p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(5, 1.5, 6, 13));
      p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
      break;
    case kImageDos:
      p.setPen(kInk);
      p.setBrush(Qt::black);
      p.drawRect(QRectF(0.5, 2.5, 15, 11));
      Letter(p, {1, 3, 14, 10}, ">_", QColor(0xC0, 0xC0, 0xC0), 8);
      break;
    case kImageWindowsExplorer:
      Folder(p, kYellow);
      p.setPen(QPen(kBlue, 1.5));
      p.setBrush(Qt::white);
      p.drawEllipse(QRectF(7, 7, 5, 5));
      break;
    case kImageExecutar:
      p.setPen(QPen(QColor(0x10, 0x60, 0x10), 1));
      p.setBrush(kGreen);
      p.drawPolygon(QPolygonF({{3.5, 1.5}, {14, 8}, {3.5, 14.5}}));
      break;
    case kImageTaloExplorer:
      Folder(p, QColor(0x60, 0xA0, 0xF0));
      Letter(p, {3, 5, 12, 9}, "K", Qt::white, 8);
      break;
    case kImageHelp:
      p.setPen(kBlue);
      p.setBrush(QColor(0xE0, 0xF0, 0xFF));
      p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      Letter(p, {1, 1, 14, 14}, "?", kBlue, 11);
      break;
    case kImageTab:
      Page(p, {3.5, 1.5, 9, 13});
      TextLines(p, {3.5, 2.5, 9, 13}, 4);
      Letter(p, {6, 7, 10, 9}, "P", kBlue, 8);
      break;
    default:
      break;
  }
}

}  // namespace

QPixmap MainPicture() {
  InitIdeResources();
  return QPixmap(":/ide/picture.jpg", "JPEG");
}

QIcon ImageListIcon(int index) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  Draw(painter, index);
  return QIcon(pixmap);
}

QIcon WindowIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 16.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x14, 0x10, 0x67));
    p.drawRoundedRect(QRectF(0, 0, size, size), 3 * unit, 3 * unit);
    for (int i = 0; i < 3; ++i) p.fillRect(QRectF((2 + 4 * i) * unit, 2 * unit, 3 * unit, 5 * unit), QColor(0x40, 0xFF, 0x40));
    Letter(p, QRectF(0, 6 * unit, size, 10 * unit), "K", Qt::white, int(9 * unit));
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace kau::ide

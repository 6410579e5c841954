#include "platform/qt/qt_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include "platform/draw/double_byte.h"
#include "platform/draw/font_families.h"
#include "text/code_pages.h"

namespace kau::platform {

QString FromCp1252(std::string_view text) {
  const std::string utf8 = text::cp1252ToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToCp1252(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return text::sourceToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

int SumOfAdvances(const QFontMetrics& fm, const QString& text, int extra) {
  int width = 0;
  for (const QChar c : text) width += fm.horizontalAdvance(c) + extra;
  return width;
}

namespace {
CellExtent CellOf(const PlatformFont& font) {
  if (const auto* q = dynamic_cast<const QtFont*>(&font)) return q->Glyphs().Cell();
  return CellExtentOf(QFontMetrics(QtFontServices::FontOf(font)));
}
}  // namespace

QFont QtFontServices::ToQFont(const TFontDesc& desc) {
  const TFontFamilyChoice choice = MapFontFamily(desc.Name, desc.Pitch);
  const QString wanted = QString::fromStdString(choice.Family);
  static const QStringList installed = QFontDatabase::families();
  const bool present = installed.contains(wanted, Qt::CaseInsensitive);
  QFont f(present ? wanted : QString::fromStdString(choice.Fallback));
  f.setPixelSize(std::max(1, desc.Height < 0 ? -desc.Height : desc.Height));
  f.setWeight(desc.Weight >= FW_BOLD ? QFont::Bold : QFont::Normal);
  f.setItalic(desc.Italic);
  f.setUnderline(desc.Underline);
  f.setStrikeOut(desc.StrikeOut);
  f.setKerning(false);
  if (choice.FixedPitch) {
    f.setFixedPitch(true);
    f.setStyleHint(QFont::TypeWriter);
  }
  return f;
}

QFont QtFontServices::FontOf(const PlatformFont& font) {
  if (const auto* q = dynamic_cast<const QtFont*>(&font)) return q->Font();
  return ToQFont(font.Desc());
}

std::unique_ptr<PlatformFont> QtFontServices::CreateFont(const TFontDesc& desc) {
  return std::make_unique<QtFont>(desc, ToQFont(desc));
}

TTextMetrics QtFontServices::GetTextMetrics(const PlatformFont& font) {
  const QFont f = FontOf(font);
  const QFontMetrics fm(f);
  const CellExtent cell = CellOf(font);
  TTextMetrics tm;
  tm.Height = cell.Height();
  tm.Ascent = cell.ascent;
  tm.Descent = cell.descent;
  const QFontInfo info(f);
  if (info.fixedPitch()) {
    tm.AveCharWidth = tm.MaxCharWidth = fm.horizontalAdvance(QLatin1Char('M'));
  } else {
    tm.AveCharWidth = fm.averageCharWidth();
    tm.MaxCharWidth = fm.maxWidth();
  }
  tm.Overhang = 0;
  tm.TrueType = QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
  tm.ExternalLeading = std::max(0, fm.leading());
  return tm;
}

bool QtFontServices::GetCharABCWidths(const PlatformFont& font, unsigned char ch, TAbc& abc) {
  const QFontMetrics fm(FontOf(font));
  const QString s = FromCp1252(std::string_view(reinterpret_cast<const char*>(&ch), 1));
  if (s.isEmpty()) return false;
  const QChar c = s.at(0);
  const int advance = fm.horizontalAdvance(c);
  abc.A = fm.leftBearing(c);
  abc.C = fm.rightBearing(c);
  abc.B = advance - abc.A - abc.C;
  return true;
}

bool QtFontServices::IsDBCSFont(const PlatformFont& font) { return IsDoubleByteCharSet(font.Desc().CharSet); }

bool QtFontServices::IsDBCSLeadByte(const PlatformFont& font, unsigned char ch) {
  return IsLeadByteOfCharSet(font.Desc().CharSet, ch);
}

TSize QtFontServices::TextExtent(const PlatformFont& font, std::string_view text) {
  const QFontMetrics fm(FontOf(font));
  return {SumOfAdvances(fm, FromCp1252(text)), CellOf(font).Height()};
}

}  // namespace kau::platform

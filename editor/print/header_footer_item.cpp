#include "editor/print/header_footer_item.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <ctime>

#include "editor/model/misc_procs.h"
#include "editor/print/print_stream.h"
#include "editor/print/wrap_text.h"

namespace kau::editor {

namespace {

std::function<TPrintDateTime()> clock;

std::string Upper(std::string_view s) {
  std::string u(s);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

bool IsBlank(const std::string& s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

// The part before the first "/", taken off the text with that "/".
std::string TakeFirst(std::string& s) {
  const std::size_t slash = s.find('/');
  std::string first = s.substr(0, slash);
  s = slash == std::string::npos ? std::string() : s.substr(slash + 1);
  return first;
}

// A signed decimal integer; 0 for anything else.
std::int32_t ToInt(const std::string& s) {
  std::int32_t v = 0;
  const char* begin = s.data();
  if (!s.empty() && s[0] == '+') ++begin;
  const auto [end, error] = std::from_chars(begin, s.data() + s.size(), v);
  return error == std::errc() && end == s.data() + s.size() && !s.empty() ? v : 0;
}

}  // namespace

void SetPrintClock(std::function<TPrintDateTime()> Clock) { clock = std::move(Clock); }

TPrintDateTime PrintNow() {
  if (clock) return clock();
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

std::string FormatPrintDate(const TPrintDateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", t.Day, t.Month, t.Year);
  return buf;
}

std::string FormatPrintTime(const TPrintDateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second);
  return buf;
}

std::string THeaderFooterItem::GetText(int NumPages, int PageNum, bool Roman, const std::string& Title,
                                       const std::string& ATime, const std::string& ADate) const {
  if (IsBlank(Text)) return {};
  const auto number = [Roman](int n) { return Roman ? IntToRoman(n) : std::to_string(n); };
  std::string result;
  std::size_t i = 0;
  while (i < Text.size()) {
    const std::size_t open = Text.find('$', i);
    const std::size_t close = open == std::string::npos ? open : Text.find('$', open + 1);
    if (close == std::string::npos) {
      result += Text.substr(i);
      break;
    }
    result += Text.substr(i, open - i);
    const std::string macro = Upper(std::string_view(Text).substr(open, close - open + 1));
    std::string value;
    bool known = true;
    if (macro == "$PAGENUM$") value = number(PageNum);
    else if (macro == "$PAGECOUNT$") value = number(NumPages);
    else if (macro == "$TITLE$") value = Title;
    else if (macro == "$DATE$") value = ADate;
    else if (macro == "$TIME$") value = ATime;
    else if (macro == "$DATETIME$") value = ADate + " " + ATime;
    else if (macro == "$TIMEDATE$") value = ATime + " " + ADate;
    else known = false;
    if (known) {
      result += value;
      i = close + 1;
    } else {
      // The closing "$" may open the next macro.
      result += Text.substr(open, close - open);
      i = close;
    }
  }
  return result;
}

TStoredFont TStoredFont::Of(const TFont& Font) {
  return {Font.CharSet(), Font.Color(), Font.Height(), Font.Name(), Font.Pitch(), Font.Size(), Font.Style()};
}

TStoredFont TStoredFont::Read(std::istream& Stream) {
  TStoredFont f;
  f.Charset = ReadByte(Stream);
  f.Color = ReadInt32(Stream);
  f.Height = ReadInt32(Stream);
  f.Name = ReadString(Stream);
  f.Pitch = ReadByteUpTo(Stream, fpFixed);
  f.Size = ReadInt32(Stream);
  f.Style = ReadByteUpTo(Stream, fsBold | fsItalic | fsUnderline | fsStrikeOut);
  return f;
}

void TStoredFont::Write(std::ostream& Stream) const {
  WriteByte(Stream, Charset);
  WriteInt32(Stream, Color);
  WriteInt32(Stream, Height);
  WriteString(Stream, Name);
  WriteByte(Stream, Pitch);
  WriteInt32(Stream, Size);
  WriteByte(Stream, Style);
}

void TStoredFont::SetOn(TFont& Font) const {
  Font.SetCharSet(Charset);
  Font.SetColor(Color);
  Font.SetHeight(Height);
  Font.SetName(Name);
  Font.SetPitch(static_cast<TFontPitch>(Pitch));
  Font.SetSize(Size);
  Font.SetStyle(Style);
}

void THeaderFooterItem::SaveToStream(std::ostream& Stream) const {
  WriteString(Stream, Text);
  WriteInt32(Stream, LineNumber);
  TStoredFont::Of(fFont).Write(Stream);
  WriteByte(Stream, Alignment);
}

void THeaderFooterItem::LoadFromStream(std::istream& Stream) {
  std::string text = ReadString(Stream);
  const std::int32_t line = ReadInt32(Stream);
  const TStoredFont font = TStoredFont::Read(Stream);
  const auto alignment = static_cast<TAlignment>(ReadByteUpTo(Stream, taCenter));
  Text = std::move(text);
  LineNumber = line;
  font.SetOn(fFont);
  Alignment = alignment;
}

std::string THeaderFooterItem::GetAsString() const {
  const auto n = [](long v) { return std::to_string(v); };
  return EncodeString(Text) + "/" + n(fFont.CharSet()) + "/" + n(fFont.Color()) + "/" + n(fFont.Height()) + "/" +
         EncodeString(fFont.Name()) + "/" + n(fFont.Pitch()) + "/" + n(fFont.PixelsPerInch()) + "/" +
         n(fFont.Size()) + "/" + n(fFont.Style()) + "/" + n(LineNumber) + "/" + n(Alignment);
}

void THeaderFooterItem::SetAsString(const std::string& Value) {
  std::string s = Value;
  Text = DecodeString(TakeFirst(s));
  TFontDesc desc = fFont.Desc();
  desc.CharSet = static_cast<std::uint8_t>(ToInt(TakeFirst(s)));
  const TColor color = ToInt(TakeFirst(s));
  desc.Height = ToInt(TakeFirst(s));
  desc.Name = DecodeString(TakeFirst(s));
  desc.Pitch = static_cast<TFontPitch>(static_cast<std::uint8_t>(ToInt(TakeFirst(s))));
  fFont.SetDesc(desc);
  fFont.SetColor(color);
  fFont.SetPixelsPerInch(ToInt(TakeFirst(s)));
  fFont.SetSize(ToInt(TakeFirst(s)));
  fFont.SetStyle(static_cast<TFontStyles>(ToInt(TakeFirst(s)) & 0x0F));
  LineNumber = ToInt(TakeFirst(s));
  Alignment = static_cast<TAlignment>(static_cast<std::uint8_t>(ToInt(TakeFirst(s))));
}

}  // namespace kau::editor

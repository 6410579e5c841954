#include "editor/options/gutter.h"

#include <algorithm>

namespace kau::editor {

TSynGutter::TSynGutter() : fFont(std::make_unique<TFont>()) {
  fFont->SetName("Courier New");
  fFont->SetSize(8);
  fFont->SetStyle(0);
  fFont->OnChange = makeMethod<&TSynGutter::OnFontChange>(this);
}

void TSynGutter::Changed() {
  if (OnChange) OnChange(this);
}

void TSynGutter::OnFontChange(TObject*) { Changed(); }

template <typename T>
void TSynGutter::Store(T& field, T Value) {
  if (field == Value) return;
  field = Value;
  Changed();
}

bool TSynGutter::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TSynGutter*>(&Source);
  if (!src) return false;
  fFont->Assign(*src->fFont);  // a different font notifies on its own
  fUseFontStyle = src->fUseFontStyle;
  fColor = src->fColor;
  fVisible = src->fVisible;
  fWidth = src->fWidth;
  fShowLineNumbers = src->fShowLineNumbers;
  fLeadingZeros = src->fLeadingZeros;
  fZeroStart = src->fZeroStart;
  fLeftOffset = src->fLeftOffset;
  fDigitCount = src->fDigitCount;
  fRightOffset = src->fRightOffset;
  fAutoSize = src->fAutoSize;
  fAutoSizeDigitCount = src->fAutoSizeDigitCount;
  Changed();
  return true;
}

void TSynGutter::SetColor(TColor Value) { Store(fColor, Value); }
void TSynGutter::SetShowLineNumbers(bool Value) { Store(fShowLineNumbers, Value); }
void TSynGutter::SetLeadingZeros(bool Value) { Store(fLeadingZeros, Value); }
void TSynGutter::SetZeroStart(bool Value) { Store(fZeroStart, Value); }
void TSynGutter::SetVisible(bool Value) { Store(fVisible, Value); }
void TSynGutter::SetUseFontStyle(bool Value) { Store(fUseFontStyle, Value); }
void TSynGutter::SetAutoSize(bool Value) { Store(fAutoSize, Value); }
void TSynGutter::SetWidth(int Value) { Store(fWidth, std::max(Value, 0)); }
void TSynGutter::SetLeftOffset(int Value) { Store(fLeftOffset, std::max(Value, 0)); }
void TSynGutter::SetRightOffset(int Value) { Store(fRightOffset, std::max(Value, 0)); }

void TSynGutter::SetDigitCount(int Value) {
  Value = std::clamp(Value, 2, 12);
  if (fDigitCount == Value) return;
  fDigitCount = Value;
  fAutoSizeDigitCount = Value;
  Changed();
}

void TSynGutter::SetBorderStyle(TSynGutterBorderStyle Value) {
  fBorderStyle = Value;
  Changed();
}

int TSynGutter::RealGutterWidth(int CharWidth) const {
  if (!fVisible) return 0;
  if (fShowLineNumbers) return fLeftOffset + fRightOffset + fAutoSizeDigitCount * CharWidth + 2;
  return fWidth;
}

namespace {

int DecimalDigits(long long n) {
  int digits = 1;
  for (n = n < 0 ? -n : n; n >= 10; n /= 10) ++digits;
  return digits;
}

}  // namespace

void TSynGutter::AutoSizeDigitCount(int LinesCount) {
  if (fVisible && fAutoSize && fShowLineNumbers) {
    long long lines = LinesCount;
    if (fZeroStart) --lines;
    const int nDigits = std::max(DecimalDigits(lines), fDigitCount);
    if (fAutoSizeDigitCount != nDigits) {
      fAutoSizeDigitCount = nDigits;
      Changed();
    }
  } else {
    fAutoSizeDigitCount = fDigitCount;
  }
}

std::string TSynGutter::FormatLineNumber(int Line) const {
  long long number = Line;
  if (fZeroStart) --number;
  std::string text = std::to_string(number);
  if (static_cast<int>(text.size()) < fAutoSizeDigitCount)
    text.insert(0, static_cast<std::size_t>(fAutoSizeDigitCount) - text.size(), ' ');
  if (fLeadingZeros)
    for (int i = 0; i < fAutoSizeDigitCount - 1 && text[static_cast<std::size_t>(i)] == ' '; ++i)
      text[static_cast<std::size_t>(i)] = '0';
  return text;
}

}  // namespace kau::editor

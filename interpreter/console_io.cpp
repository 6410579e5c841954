// Screen output, keyboard input, cursor, colours and DELAY, all through the
// console interface.
#include <atomic>
#include <cmath>
#include <cstdlib>

#include "interpreter/char_source.h"
#include "interpreter/interpretador.h"
#include "interpreter/item_types.h"
#include "interpreter/number_text.h"
#include "interpreter/runtime_errors.h"
#include "interpreter/word_arithmetic.h"

namespace kau {

namespace {

// READKEY at the end of the input: the key DOS gives for the end of a file.
constexpr Word kEndOfInputKey = 26;

class KeyboardSource final : public CharSource {
 public:
  explicit KeyboardSource(console::Console& console) : console_(console) {}
  int get() override { return console_.readChar(); }
  void unget(int byte) override {
    if (byte >= 0) console_.unreadChar(byte);
  }
  void skipLine() override { console_.discardRestOfLine(); }

 private:
  console::Console& console_;
};

bool equalsIgnoringCase(const std::string& word, const char* upper) {
  std::size_t i = 0;
  for (; upper[i] != '\0'; ++i) {
    if (i >= word.size()) return false;
    char c = word[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != upper[i]) return false;
  }
  return i == word.size();
}

}  // namespace

void Interpretador::WriteField(TextFile* file, const std::string& text, std::int64_t width, std::int64_t zeros) {
  auto out = [&](std::string_view chunk) {
    if (!file) {
      WriteToConsole(chunk);
    } else if (!file->write(chunk)) {
      RaiseRuntimeError(kErrorFileWriteFailed);
    }
  };
  // Long runs of blanks or zeros go out in pieces; Ctrl+C and a failed write
  // stop them.
  auto repeat = [&](char c, std::int64_t count) {
    const std::string piece(4096, c);
    while (count > 0 && running_ && !console::interruptFlag().load(std::memory_order_relaxed)) {
      const std::int64_t n = count < 4096 ? count : 4096;
      out(std::string_view(piece.data(), static_cast<std::size_t>(n)));
      count -= n;
    }
  };
  const std::int64_t length = static_cast<std::int64_t>(text.size()) + zeros;
  const std::int64_t field = width < 0 ? -width : width;
  const std::int64_t padding = field > length ? field - length : 0;
  if (width > 0) repeat(' ', padding);
  if (running_) out(text);
  repeat('0', zeros);
  if (width < 0) repeat(' ', padding);
}

void Interpretador::WriteToConsole(std::string_view cp850) {
  console_.write(cp850);
  if (console_.outputFailed()) [[unlikely]] StopForLostOutput();
}

void Interpretador::StopForLostOutput() {
  // Nowhere to write: the run ends here (an endless program would run on
  // for nothing), and whoever started it reports the lost output.
  running_ = false;
}

bool Interpretador::PopItemText(Word type, std::string& out) {
  switch (type) {
    case kItemInteger:
    case kItemLong: out = FormatInteger(Pop()); return true;
    case kItemChar: out.assign(1, static_cast<char>(Pop() & 0xFF)); return true;
    case kItemBoolean: out = Pop() != 0 ? "TRUE" : "FALSE"; return true;
    case kItemReal: out = FormatReal(PopReal(), kDefaultRealDecimals); return true;
    case kItemString: PopStackString(out); return true;
    default: Fault(); return false;
  }
}

void Interpretador::OpWrite(bool withWidth) {
  const Word type = Operand(1);
  if (type == kItemLineEnd && !withWidth) {
    WriteToConsole("\r\n");
    return;
  }
  const std::int64_t width = withWidth ? Pop() : 0;
  if (PopItemText(type, work_)) WriteField(nullptr, work_, width);
}

void Interpretador::OpWriteRealWidthDecimals() {
  const Word decimals = Pop();
  const Word width = Pop();
  const double value = PopReal();
  WriteField(nullptr, FormatReal(value, decimals), width, ZerosPastFormatted(value, decimals));
}

void Interpretador::StoreScalar(Word a, Word k, bool heapAware, int type, Word value, double real) {
  const Word words = type == kItemReal ? 2 : 1;
  Word* destination = nullptr;
  if (heapAware) {
    destination = HeapAwareSpan(a, k, words);
  } else if (CheckRange(a, words)) {
    destination = memory_ + a;
  }
  if (!destination) return;
  if (type == kItemReal) RealToWords(real, destination[0], destination[1]);
  else destination[0] = value;
}

void Interpretador::OpRead() {
  const Word type = Operand(1);
  const bool heapAware = type > kItemHeapAware;  // 11 and more
  const int item = type % 10;
  console_.flush();
  keyboardLine_ = KeyboardLine::kPartlyRead;
  KeyboardSource keyboard(console_);
  Word value = 0;
  double real = 0.0;
  switch (item) {
    case kItemInteger:
    case kItemLong: {
      const ScanResult result = ScanInteger(keyboard, value);
      if (result == ScanResult::kMalformed || result == ScanResult::kOutOfRange) RaiseRuntimeError(kErrorBadInteger);
      break;
    }
    case kItemChar:
      value = ReadWord(keyboard, work_, 1) ? static_cast<unsigned char>(work_[0]) : ' ';
      break;
    case kItemBoolean:
      if (ReadWord(keyboard, work_, kMaxStringLength)) {
        if (equalsIgnoringCase(work_, "TRUE")) value = 1;
        else if (!equalsIgnoringCase(work_, "FALSE")) RaiseRuntimeError(kErrorBadBoolean);
      }
      break;
    case kItemReal:
      if (ScanReal(keyboard, real) == ScanResult::kMalformed) RaiseRuntimeError(kErrorBadReal);
      break;
    default: Fault(); break;
  }
  const Word k = heapAware ? Pop() : 0;
  const Word a = Pop();
  StoreScalar(a, k, heapAware, item == kItemReal ? kItemReal : kItemInteger, value, real);
}

void Interpretador::OpReadString() {
  const Word max = Operand(1);
  const Word type = Operand(2);
  const bool heapAware = type >= kItemHeapAware;
  console_.flush();
  keyboardLine_ = KeyboardLine::kPartlyRead;
  KeyboardSource keyboard(console_);
  if (type % 10 == 1) {
    while (ReadLine(keyboard, work_, KeptCharacters(max))) {
      keyboardLine_ = KeyboardLine::kConsumed;
      if (!work_.empty()) break;
    }
  } else {
    ReadWord(keyboard, work_, KeptCharacters(max));
  }
  const Word k = heapAware ? Pop() : 0;
  const Word a = Pop();
  if (heapAware) StoreStringAt(a, k, work_, max);
  else StoreString(a, work_, max);
}

void Interpretador::OpReadKey() {
  console_.flush();
  int key = console_.readKey();
  if (key < 0) key = kEndOfInputKey;
  if (Operand(1) != 0) Push(key);
}

// Only the rest of a line that a keyboard read began is pending: after a
// file read nothing typed is, so nothing is dropped and nothing waited for.
void Interpretador::OpFlushIn() {
  if (keyboardLine_ == KeyboardLine::kPartlyRead) console_.discardRestOfLine();
  keyboardLine_ = KeyboardLine::kUntouched;
}

void Interpretador::OpGotoXY() {
  const Word row = Pop();
  const Word column = Pop();
  console_.gotoXY(column, row);
}

void Interpretador::OpTextColor(Word colour, bool background) {
  const unsigned attribute = console_.textAttribute();
  const unsigned c = static_cast<unsigned>(colour);
  const unsigned next = background ? (attribute & 0x8Fu) | ((c * 16u) & 0x7Fu) : (attribute & 0x70u) | (c & 0x8Fu);
  console_.setTextAttribute(static_cast<unsigned char>(next));
}

void Interpretador::OpDelay() {
  const Word milliseconds = Pop();
  if (milliseconds <= 0) return;
  console_.flush();
  console_.sleepMilliseconds(milliseconds);
}

}  // namespace kau

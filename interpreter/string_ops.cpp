// Strings on the stack and in string variables: loading, storing, joining,
// comparing. A character is stored as its unsigned byte, so the end mark -1
// never collides with a character. The instructions move the words between
// the stack and the variables directly; a text is only copied into a
// std::string for the library functions that work on text (file names,
// output, VAL).
#include "interpreter/string_ops.h"

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "interpreter/interpretador.h"

namespace kau {

namespace {

Word charWord(char c) { return static_cast<unsigned char>(c); }
char wordChar(Word w) { return static_cast<char>(w & 0xFF); }
// The character a word holds, as a string keeps it.
Word charOf(Word w) { return w & 0xFF; }

// The searches for the end mark test eight words at a time while none of
// them is the mark.
constexpr int kStride = 8;

#if defined(__SSE2__)
bool anyStringEnd(const Word* words) {
  const __m128i mark = _mm_set1_epi32(kStringEnd);
  const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words));
  const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words + 4));
  return _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi32(low, mark), _mm_cmpeq_epi32(high, mark))) != 0;
}
#else
bool anyStringEnd(const Word* words) {
  bool found = false;
  for (int j = 0; j < kStride; ++j) found |= words[j] == kStringEnd;
  return found;
}
#endif

// The first end mark in [first, last), or last.
const Word* findStringEnd(const Word* first, const Word* last) {
  while (last - first >= kStride && !anyStringEnd(first)) first += kStride;
  while (first < last && *first != kStringEnd) ++first;
  return first;
}

// The last end mark in [first, last), or nullptr.
const Word* findLastStringEnd(const Word* first, const Word* last) {
  while (last - first >= kStride && !anyStringEnd(last - kStride)) last -= kStride;
  while (last > first) {
    if (*--last == kStringEnd) return last;
  }
  return nullptr;
}

}  // namespace

int CompareStrings(std::string_view left, std::string_view right) {
  // char_traits<char> compares as unsigned char.
  const int c = left.compare(right);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

std::int64_t Interpretador::StringMarkBelow(std::int64_t from) const {
  if (!running_ || from < 0 || from >= kProgramMemoryWords) return -1;
  const std::int64_t lowest = std::max<std::int64_t>(0, from - kMaxStackStringWords);
  const Word* mark = findLastStringEnd(memory_ + lowest, memory_ + from + 1);
  return mark ? mark - memory_ : -1;
}

bool Interpretador::FindStackOperand(std::int64_t top, bool isChar, StackOperand& out) const {
  if (isChar) {
    if (!running_ || top < 0 || top >= kProgramMemoryWords) return false;
    out = {top, top, 1};
    return true;
  }
  const std::int64_t mark = StringMarkBelow(top);
  if (mark < 0) return false;
  out = {mark, mark + 1, top - mark};
  return true;
}

bool Interpretador::FindStringOperands(Word mode, StackOperand& left, StackOperand& right) const {
  const bool rightIsChar = mode == 3 || mode == 2;
  const bool leftIsChar = mode == 3 || mode == 1;
  return FindStackOperand(top_, rightIsChar, right) && FindStackOperand(right.bottom - 1, leftIsChar, left);
}

void Interpretador::PopStackString(std::string& out) {
  out.clear();
  const std::int64_t mark = StringMarkBelow(top_);
  if (mark < 0) {
    // No marker within reach: popping word by word would run out of the
    // memory or past the longest string.
    if (running_) Fault();
    return;
  }
  out.resize(static_cast<std::size_t>(top_ - mark));
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = wordChar(memory_[top_ - static_cast<std::int64_t>(i)]);
  top_ = mark - 1;
  Charge(static_cast<std::int64_t>(out.size()));
}

int Interpretador::ReadStringWords(Word address, Word max, Word* chars) {
  const Word limit = std::min<Word>(max, kMaxStringLength);
  int n = 0;
  // The common case: the whole variable lies in memory.
  if (running_ && address >= 0 && limit >= 0 && static_cast<std::int64_t>(address) + limit <= kProgramMemoryWords) {
    const Word* source = memory_ + address;
    n = static_cast<int>(findStringEnd(source, source + limit) - source);
    for (int i = 0; i < n; ++i) chars[i] = charOf(source[i]);
    return n;
  }
  // Otherwise every word is checked: the end mark may still lie in memory.
  for (Word i = 0; i < limit; ++i) {
    const Word w = At(static_cast<Word>(static_cast<std::int64_t>(address) + i));
    if (!running_ || w == kStringEnd) break;
    chars[n++] = charOf(w);
  }
  return n;
}

void Interpretador::ReadStringVariable(Word address, std::string& out, Word max) {
  Word chars[kMaxStringLength];
  const int n = ReadStringWords(address, max, chars);
  out.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) out[static_cast<std::size_t>(i)] = wordChar(chars[i]);
}

void Interpretador::PushStringWords(const Word* chars, std::int64_t count, bool argumentForm) {
  const std::int64_t first = static_cast<std::int64_t>(top_) + 1;
  if (!CheckRange(first, count + 1)) return;
  Word* out = memory_ + first;
  *out++ = kStringEnd;
  if (argumentForm) std::copy(chars, chars + count, out);
  else std::reverse_copy(chars, chars + count, out);
  top_ = first + count;
}

void Interpretador::PushNormalString(const std::string& chars) {
  const std::int64_t first = static_cast<std::int64_t>(top_) + 1;
  const std::int64_t count = static_cast<std::int64_t>(chars.size()) + 1;
  if (!CheckRange(first, count)) return;
  Word* out = memory_ + first;
  *out++ = kStringEnd;
  for (auto it = chars.rbegin(); it != chars.rend(); ++it) *out++ = charWord(*it);
  top_ = static_cast<Word>(first + count - 1);
}

void Interpretador::StoreString(Word address, const std::string& chars, Word max) {
  const Word n = std::clamp<Word>(static_cast<Word>(chars.size()), 0, std::max<Word>(max, 0));
  const bool endMark = n < max;
  if (!CheckRange(address, static_cast<std::int64_t>(n) + (endMark ? 1 : 0))) return;
  for (Word i = 0; i < n; ++i) memory_[address + i] = charWord(chars[static_cast<std::size_t>(i)]);
  if (endMark) memory_[address + n] = kStringEnd;
}

void Interpretador::OpConcat(bool argumentForm) {
  StackOperand left, right;
  if (!FindStringOperands(Operand(1), left, right)) {
    Fault();
    return;
  }
  // Both forms keep the upper 255 words of the joined characters: the first
  // characters of a normal-form result, the last of an argument-form one.
  // From the bottom up the normal form holds right, then left; the argument
  // form left, then right. Every byte, 0 included, is an ordinary character.
  const StackOperand& lower = argumentForm ? left : right;
  const StackOperand& upper = argumentForm ? right : left;
  const std::int64_t total = left.length + right.length;
  const std::int64_t kept = std::min<std::int64_t>(total, kMaxStringLength);
  std::int64_t skip = total - kept;
  Word joined[kMaxStringLength];
  Word* out = joined;
  for (const StackOperand* operand : {&lower, &upper}) {
    const std::int64_t skipped = std::min(skip, operand->length);
    skip -= skipped;
    const Word* from = memory_ + operand->first + skipped;
    for (const Word* end = memory_ + operand->first + operand->length; from < end; ++from) *out++ = charOf(*from);
  }
  Charge(total);
  // The result starts where the left operand started.
  const std::int64_t first = left.bottom;
  if (!CheckRange(first, kept + 1)) return;
  memory_[first] = kStringEnd;
  std::copy(joined, joined + kept, memory_ + first + 1);
  top_ = first + kept;
}

void Interpretador::OpCompareStrings(int opcode) {
  StackOperand left, right;
  if (!FindStringOperands(Operand(1), left, right)) {
    Fault();
    return;
  }
  // The first characters lie on top of each operand; bytes compare unsigned
  // and a proper prefix is the smaller.
  const Word* l = memory_ + left.first + left.length - 1;
  const Word* r = memory_ + right.first + right.length - 1;
  const std::int64_t common = std::min(left.length, right.length);
  int c = 0;
  for (std::int64_t i = 0; i < common; ++i) {
    const Word a = charOf(l[-i]);
    const Word b = charOf(r[-i]);
    if (a != b) {
      c = a < b ? -1 : 1;
      break;
    }
  }
  if (c == 0) c = left.length < right.length ? -1 : left.length > right.length ? 1 : 0;
  bool result = false;
  switch (opcode) {
    case OP_EQS: result = c == 0; break;
    case OP_NES: result = c != 0; break;
    case OP_LTS: result = c < 0; break;
    case OP_LES: result = c <= 0; break;
    case OP_GTS: result = c > 0; break;
    default: result = c >= 0; break;
  }
  Charge(left.length + right.length);
  top_ = left.bottom - 1;
  Push(result ? 1 : 0);
}

void Interpretador::OpLength() {
  const std::int64_t mark = StringMarkBelow(top_);
  if (mark < 0) {
    Fault();
    return;
  }
  const std::int64_t length = top_ - mark;
  Charge(length);
  top_ = mark - 1;
  Push(static_cast<Word>(length));
}

void Interpretador::StoreStackString(std::int64_t top, Word* destination, Word kept, bool endMark) {
  const Word* source = memory_ + top;
  for (Word i = 0; i < kept; ++i) destination[i] = charOf(source[-i]);
  if (endMark) destination[kept] = kStringEnd;
}

void Interpretador::OpStoreString() {
  const Word max = Operand(1);
  const std::int64_t top = top_;
  const std::int64_t mark = StringMarkBelow(top);
  if (mark >= 1) {
    const std::int64_t length = top - mark;
    const Word address = memory_[mark - 1];
    const Word kept = static_cast<Word>(std::clamp<std::int64_t>(length, 0, std::max<Word>(max, 0)));
    const bool endMark = kept < max;
    const std::int64_t count = static_cast<std::int64_t>(kept) + (endMark ? 1 : 0);
    // A destination over the characters themselves takes the copying way.
    if (address + count <= mark + 1 || address > top) {
      Charge(length);
      top_ = mark - 2;
      if (CheckRange(address, count)) StoreStackString(top, memory_ + address, kept, endMark);
      return;
    }
  }
  PopStackString(work_);
  StoreString(Pop(), work_, max);
}

void Interpretador::OpStrToBlock() {
  const Word n = Operand(1);
  const std::int64_t marker = StringMarkBelow(top_);
  if (marker < 0) {
    Fault();
    return;
  }
  const std::int64_t length = top_ - marker;
  Charge(length);
  // The characters move down over the marker, first to last (the argument
  // form has the first one lowest); an end mark follows a shorter string.
  const std::int64_t kept = std::clamp<std::int64_t>(length, 0, std::max<Word>(n, 0));
  const bool endMark = length < n;
  if (!CheckRange(marker, kept + (endMark ? 1 : 0))) return;
  std::copy(memory_ + marker + 1, memory_ + marker + 1 + kept, memory_ + marker);
  if (endMark) memory_[marker + length] = kStringEnd;
  top_ = static_cast<Word>(marker + n - 1);
}

void Interpretador::OpLoadString(bool argumentForm) {
  const Word address = Pop();
  const Word limit = std::min<Word>(Operand(1), kMaxStringLength);
  const std::int64_t first = static_cast<std::int64_t>(top_) + 1;
  // The common case: the whole variable lies in memory, apart from the
  // words the string takes on the stack; its characters move in one pass.
  if (running_ && address >= 0 && limit >= 0 && static_cast<std::int64_t>(address) + limit <= kProgramMemoryWords &&
      (address + limit <= first || address > first + limit)) {
    const Word* source = memory_ + address;
    const std::int64_t n = findStringEnd(source, source + limit) - source;
    if (!CheckRange(first, n + 1)) return;
    Word* out = memory_ + first;
    *out++ = kStringEnd;
    if (argumentForm) {
      for (std::int64_t i = 0; i < n; ++i) out[i] = charOf(source[i]);
    } else {
      for (std::int64_t i = 0; i < n; ++i) out[i] = charOf(source[n - 1 - i]);
    }
    top_ = first + n;
    Charge(n);
    return;
  }
  Word chars[kMaxStringLength];
  const int n = ReadStringWords(address, Operand(1), chars);
  PushStringWords(chars, n, argumentForm);
}

void Interpretador::OpUpcase() {
  Word& x = Top();
  if (x == kStringEnd) return;
  Word byte = x & 0xFF;
  if (byte >= 'a' && byte <= 'z') byte -= 'a' - 'A';
  x = byte;
}

}  // namespace kau

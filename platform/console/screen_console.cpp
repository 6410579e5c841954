#include "platform/console/screen_console.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "platform/console/screen_dump.h"
#include "text/code_pages.h"

namespace kau::console {
namespace {

constexpr int kEnter = 13;
constexpr int kBackspace = 8;
constexpr int kDelete = 0x7F;
constexpr int kEndOfInput = 4;  // Ctrl+D
constexpr int kEscape = 27;
// Waits also look at interruptFlag() this often, in case it is set without
// pressCtrlC.
constexpr auto kWaitSlice = std::chrono::milliseconds(100);

// Gives `key` each key that a pasted text types (see pasteText).
template <typename Sink>
void forEachPastedKey(std::u32string_view text, Sink key) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == U'\r' || c == U'\n') {
      if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
      key(kEnter);
    } else if (c == U'\t') {
      key('\t');
    } else if (c >= 0x20 && c != static_cast<char32_t>(kDelete)) {  // a text's control characters are no keys
      const int byte = text::unicodeToCp850(c);
      key(byte >= 0 ? byte : '?');
    }
  }
}

}  // namespace

ScreenConsole::ScreenConsole() = default;

ScreenConsole::~ScreenConsole() { endRun(); }

// Screen ----------------------------------------------------------------------

ScreenCell* ScreenConsole::row(int row) { return &cells_[((topRow_ + row - 1) % kRows) * kColumns]; }

void ScreenConsole::blankRow(int r) { std::fill_n(row(r), kColumns, ScreenCell{' ', attribute_}); }

void ScreenConsole::put(std::string_view cp850) {
  for (const char c : cp850) {
    const CursorTracker::Step step = cursor_.step(c, kRows, kColumns);
    if (step.scrolled) {
      ++scrolls_;
      topRow_ = (topRow_ + 1) % kRows;
      blankRow(kRows);
    }
    if (step.placed) row(step.placedRow)[step.placedColumn - 1] = ScreenCell{static_cast<unsigned char>(c), attribute_};
    else if (c == '\a') ++bells_;
  }
  changed();
}

void ScreenConsole::write(std::string_view cp850) {
  std::lock_guard lock(mutex_);
  put(cp850);
}

void ScreenConsole::clearScreen() {
  std::lock_guard lock(mutex_);
  topRow_ = 0;
  cells_.fill(ScreenCell{' ', attribute_});
  cursor_.moveTo(1, 1);
  changed();
}

void ScreenConsole::gotoXY(int column, int row) {
  if (column < 1 || column > kColumns || row < 1 || row > kRows) return;
  std::lock_guard lock(mutex_);
  cursor_.moveTo(column, row);
  changed();
}

void ScreenConsole::setTextAttribute(unsigned char attribute) {
  std::lock_guard lock(mutex_);
  attribute_ = attribute;
}

unsigned char ScreenConsole::textAttribute() const {
  std::lock_guard lock(mutex_);
  return attribute_;
}

int ScreenConsole::cursorRow() const {
  std::lock_guard lock(mutex_);
  return cursor_.row();
}

ScreenSnapshot ScreenConsole::snapshot() const {
  std::lock_guard lock(mutex_);
  ScreenSnapshot shot;
  const auto top = cells_.begin() + topRow_ * kColumns;
  std::copy(cells_.begin(), top, std::copy(top, cells_.end(), shot.cells.begin()));
  shot.cursorColumn = cursor_.column();
  shot.cursorRow = cursor_.row();
  shot.bells = bells_;
  return shot;
}

// Keyboard --------------------------------------------------------------------

void ScreenConsole::enqueue(Key key) {
  {
    std::lock_guard lock(mutex_);
    if (!runOpen_ || typedKeys_ >= kTypedKeyLimit) return;
    keys_.push_back(key);
    ++typedKeys_;
  }
  keyArrived_.notify_all();
}

ScreenConsole::Key ScreenConsole::takeKey() {
  const Key key = keys_.front();
  keys_.pop_front();
  --(key.pasted ? pastedKeys_ : typedKeys_);
  return key;
}

void ScreenConsole::dropKeys() {
  keys_.clear();
  typedKeys_ = 0;
  pastedKeys_ = 0;
}

void ScreenConsole::typeCharacter(char32_t character) {
  if (character < 0x20) {
    enqueue({static_cast<int>(character), false, false});
    return;
  }
  const int byte = text::unicodeToCp850(character);
  if (byte >= 0) enqueue({byte, false, false});
}

// A paste cut short would hand the program half a line, or half a number,
// and nothing would tell the student: it is refused whole instead.
void ScreenConsole::pasteText(std::u32string_view text) {
  {
    std::lock_guard lock(mutex_);
    if (!runOpen_) return;
    std::size_t count = 0;
    forEachPastedKey(text, [&count](int) { ++count; });
    if (count > kPasteLimit - pastedKeys_) {
      ++bells_;
      changed();
      return;
    }
    forEachPastedKey(text, [this](int byte) { keys_.push_back({byte, false, true}); });
    pastedKeys_ += count;
  }
  keyArrived_.notify_all();
}

void ScreenConsole::typeExtendedKey(int scanCode) { enqueue({scanCode, true, false}); }

void ScreenConsole::pressCtrlC() {
  {
    std::lock_guard lock(mutex_);
    if (!runOpen_) return;
    interruptFlag().store(true);
  }
  keyArrived_.notify_all();
}

bool ScreenConsole::runOpen() const {
  std::lock_guard lock(mutex_);
  return runOpen_;
}

bool ScreenConsole::keyWaitOver() const {
  return !keys_.empty() || !runOpen_ || interruptFlag().load(std::memory_order_relaxed);
}

// Waits until a key is queued; false when the run was stopped or ended.
bool ScreenConsole::waitForKey(std::unique_lock<std::mutex>& lock) {
  while (!keyWaitOver()) keyArrived_.wait_for(lock, kWaitSlice);
  return !keys_.empty() && runOpen_ && !interruptFlag().load(std::memory_order_relaxed);
}

// Blanks the last `count` cells that the line being edited echoed, no
// further back than where its echo began (`start`, when `scrollsAtStart`
// rows had scrolled), also across the rows it wrapped onto, and puts the
// cursor on the first cell blanked.
void ScreenConsole::eraseEcho(const CursorTracker& start, std::uint64_t scrollsAtStart, int count) {
  // Cells counted from the screen's top left: the one the next character
  // goes to, after a wrap that waits.
  const auto next = [](const CursorTracker& c) {
    return (c.row() - 1) * kColumns + c.column() - 1 + (c.wrapPending() ? 1 : 0);
  };
  const auto scrolled = static_cast<int>(std::min<std::uint64_t>(scrolls_ - scrollsAtStart, kRows));
  const int to = std::min(next(cursor_), kRows * kColumns);
  const int from = std::max({0, next(start) - scrolled * kColumns, to - count});
  if (from >= to) return;
  for (int cell = from; cell < to; ++cell) row(cell / kColumns + 1)[cell % kColumns] = ScreenCell{' ', attribute_};
  cursor_.moveTo(from % kColumns + 1, from / kColumns + 1);
  changed();
}

// Takes keys until a line is complete, echoing them, and leaves the line in
// line_. Extended keys have no place in a line and are dropped.
ScreenConsole::LineEnd ScreenConsole::editLine(std::unique_lock<std::mutex>& lock) {
  std::string edited;
  CursorTracker echoStart = cursor_;
  std::uint64_t scrollsAtEchoStart = scrolls_;
  for (;;) {
    if (!waitForKey(lock)) return LineEnd::Stopped;
    const Key key = takeKey();
    if (key.extended) continue;
    if (key.value == kEnter || key.value == '\n') {
      edited.push_back('\n');
      put("\r\n");
    } else if (key.value == kBackspace || key.value == kDelete) {
      if (!edited.empty()) {
        edited.pop_back();
        // Also back onto the row the line wrapped from.
        eraseEcho(echoStart, scrollsAtEchoStart, 1);
      }
      continue;
    } else if (key.value == kEscape) {
      eraseEcho(echoStart, scrollsAtEchoStart, kRows * kColumns);
      edited.clear();
      echoStart = cursor_;
      scrollsAtEchoStart = scrolls_;
      continue;
    } else if (key.value == kEndOfInput) {
      if (edited.empty()) return LineEnd::EndOfInput;
    } else {
      const char byte = static_cast<char>(key.value);
      edited.push_back(byte);
      put(std::string_view(&byte, 1));
      continue;
    }
    line_ = std::move(edited);
    linePosition_ = 0;
    return LineEnd::Completed;
  }
}

int ScreenConsole::readChar() {
  std::unique_lock lock(mutex_);
  while (linePosition_ >= line_.size()) {
    if (editLine(lock) != LineEnd::Completed) return -1;
  }
  return static_cast<unsigned char>(line_[linePosition_++]);
}

void ScreenConsole::unreadChar(int byte) {
  if (byte < 0) return;
  std::lock_guard lock(mutex_);
  if (linePosition_ > 0) line_[--linePosition_] = static_cast<char>(byte);
  else line_.insert(line_.begin(), static_cast<char>(byte));
}

void ScreenConsole::discardRestOfLine() {
  for (int c = readChar(); c >= 0 && c != '\n'; c = readChar()) {
  }
}

void ScreenConsole::discardPendingInput() {
  std::lock_guard lock(mutex_);
  dropKeys();
  line_.clear();
  linePosition_ = 0;
}

// The rest of an edited line comes first, so that line input and keys share
// one queue as they do on a terminal.
int ScreenConsole::readKey() {
  std::unique_lock lock(mutex_);
  if (pendingScanCode_ >= 0) return std::exchange(pendingScanCode_, -1);
  if (linePosition_ < line_.size()) {
    const auto c = static_cast<unsigned char>(line_[linePosition_++]);
    return c == '\n' ? kEnter : c;
  }
  if (!waitForKey(lock)) return -1;
  const Key key = takeKey();
  if (key.extended) {
    pendingScanCode_ = key.value;
    return 0;
  }
  if (key.value == '\n') return kEnter;
  if (key.value == kDelete) return kBackspace;
  return key.value;
}

void ScreenConsole::sleepMilliseconds(int milliseconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  std::unique_lock lock(mutex_);
  while (!interruptFlag().load(std::memory_order_relaxed)) {
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return;
    keyArrived_.wait_for(lock, std::min<std::chrono::steady_clock::duration>(deadline - now, kWaitSlice));
  }
}

// A run -----------------------------------------------------------------------

void ScreenConsole::beginRun() {
  std::lock_guard lock(mutex_);
  interruptFlag().store(false);
  runOpen_ = true;
}

void ScreenConsole::endRun() {
  {
    std::lock_guard lock(mutex_);
    attribute_ = kDefaultAttribute;
    runOpen_ = false;
    dropKeys();
    line_.clear();
    linePosition_ = 0;
    pendingScanCode_ = -1;
  }
  keyArrived_.notify_all();
  writeScreenDumpIfAsked(*this);
}

}  // namespace kau::console

#include "tests/console/console_drivers.h"

#include <chrono>

#include "platform/console/key_sequences.h"
#include "platform/console/screen_dump.h"
#include "text/code_pages.h"

namespace kau::console::testing {
namespace {

template <typename T>
struct Holding : Pending {
  template <typename... Args>
  explicit Holding(Args&&... args) : held(std::forward<Args>(args)...) {}
  T held;
};

constexpr auto kCtrlCDelay = std::chrono::milliseconds(200);

}  // namespace

PtyDriver::PtyDriver() : console_(makeTerminalConsole(pty_.slave, pty_.slave)) {}

std::unique_ptr<Pending> PtyDriver::typeForKeyRead(const std::string& keys) {
  return std::make_unique<Holding<KeyTyper>>(pty_, keys);
}

std::unique_ptr<Pending> PtyDriver::ctrlCSoon() { return std::make_unique<Holding<DelayedInterrupt>>(); }

std::string PtyDriver::shown() {
  console_->write("\x1d");  // a marker no test writes: shows as ↔
  std::string seen = pty_.readUntil("\xE2\x86\x94");
  return seen.substr(0, seen.size() - 3);
}

void ScreenDriver::type(const std::string& keys) {
  std::string_view rest(keys);
  while (!rest.empty()) {
    if (rest[0] == '\x1b') {
      const KeySequenceMatch match = matchKeySequence(rest.substr(1));
      if (match.kind == KeySequenceMatch::Kind::Extended) {
        console_.typeExtendedKey(match.scanCode);
        rest.remove_prefix(1 + match.length);
        continue;
      }
    }
    char32_t character = static_cast<unsigned char>(rest[0]);
    const int length = text::decodeUtf8(rest, character);
    console_.typeCharacter(character);
    rest.remove_prefix(length > 0 ? static_cast<std::size_t>(length) : 1);
  }
}

std::unique_ptr<Pending> ScreenDriver::typeForKeyRead(const std::string& keys) {
  type(keys);
  return std::make_unique<Pending>();
}

std::unique_ptr<Pending> ScreenDriver::ctrlCSoon() {
  return std::make_unique<Holding<std::jthread>>([this] {
    std::this_thread::sleep_for(kCtrlCDelay);
    console_.pressCtrlC();
  });
}

std::string ScreenDriver::shown() {
  std::string text = screenText(console_.snapshot());
  text.erase(text.find_last_not_of('\n') + 1);
  return text;
}

}  // namespace kau::console::testing

#include "tests/console/test_support.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <sys/ioctl.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <stdexcept>

#include "tests/support/hang_bound.h"

namespace kau::console::testing {

PseudoTerminal::PseudoTerminal() {
  winsize size{};
  size.ws_row = 24;
  size.ws_col = 80;
  if (openpty(&master, &slave, nullptr, nullptr, &size) != 0) throw std::runtime_error("openpty failed");
}

PseudoTerminal::~PseudoTerminal() {
  close(master);
  close(slave);
}

void PseudoTerminal::type(const std::string& bytes) const {
  if (::write(master, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) throw std::runtime_error("pty write failed");
}

std::string PseudoTerminal::readUntil(const std::string& marker) const {
  std::string seen;
  const auto deadline = std::chrono::steady_clock::now() + kau::testing::kHangBound;
  while (seen.find(marker) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
    pollfd p{master, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char buffer[256];
    const ssize_t n = read(master, buffer, sizeof buffer);
    if (n > 0) seen.append(buffer, static_cast<size_t>(n));
  }
  return seen;
}

KeyTyper::KeyTyper(const PseudoTerminal& pty, std::string keys)
    : typist_([&pty, keys] {
        const auto deadline = std::chrono::steady_clock::now() + kau::testing::kHangBound;
        termios modes{};
        while (std::chrono::steady_clock::now() < deadline && tcgetattr(pty.slave, &modes) == 0 && (modes.c_lflag & ICANON))
          std::this_thread::sleep_for(std::chrono::milliseconds(1));
        pty.type(keys);
      }) {}

KeyTyper::~KeyTyper() { typist_.join(); }

Pipe::Pipe() {
  int fds[2];
  // Not inherited: a child given one end as a standard stream must not keep
  // the other open, or the pipe never ends nor breaks.
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  readEnd = fds[0];
  writeEnd = fds[1];
}

Pipe::~Pipe() {
  closeReadEnd();
  closeWriteEnd();
}

void Pipe::closeWriteEnd() {
  if (writeEnd >= 0) close(writeEnd);
  writeEnd = -1;
}

void Pipe::closeReadEnd() {
  if (readEnd >= 0) close(readEnd);
  readEnd = -1;
}

void Pipe::write(const std::string& bytes) const {
  if (::write(writeEnd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) throw std::runtime_error("pipe write failed");
}

std::string Pipe::readAll() {
  std::string all;
  char buffer[256];
  for (ssize_t n; (n = read(readEnd, buffer, sizeof buffer)) > 0;) all.append(buffer, static_cast<size_t>(n));
  return all;
}

DelayedInterrupt::DelayedInterrupt()
    : target_(pthread_self()), sender_([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        pthread_kill(target_, SIGINT);
      }) {}

DelayedInterrupt::~DelayedInterrupt() { sender_.join(); }

}  // namespace kau::console::testing

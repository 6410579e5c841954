// A kauc or a made executable run as a child process the way a user or a
// script starts it: its standard streams from a file, pipe or terminal, in a
// scratch folder of its own, waited for with the tests' hang bound.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/hang_bound.h"
#include "tests/support/wait_until.h"

namespace kau::testing {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

inline std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> result;
  for (std::string word; in >> word;) result.push_back(word);
  return result;
}

struct Outcome {
  int status = -1;  // exit status, -1 when killed by a signal
  std::string out, err;
  int signal = 0;  // the signal that ended it
};

// Where a child's standard streams go and as whom it runs.
struct ChildSetup {
  int input = -1;          // standard input; /dev/null when -1
  int output = -1;         // standard output; the file "out" when -1
  std::string outputPath;  // or this file, when set
  bool closedOutput = false;  // or none at all
  int errors = -1;         // standard error; the file "err" when -1
  uid_t user = 0;          // 0: as the test runs
};

class KaucProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kauc_process_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write(const std::string& name, const std::string& text) { std::ofstream(dir_ / name, std::ios::binary) << text; }

  // Runs kauc with the arguments in the test's folder.
  Outcome Kauc(const std::string& arguments, const ChildSetup& setup = {}) {
    std::vector<std::string> args = words(arguments);
    args.insert(args.begin(), KAU_KAUC_PATH);
    const pid_t child = Start(args, setup);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return {};
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(dir_ / "out"), readFile(dir_ / "err")};
  }

  // Starts the program args[0] in the test's folder.
  pid_t Start(std::vector<std::string> args, const ChildSetup& setup) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const fs::path out = dir_ / "out", err = dir_ / "err";
    fs::remove(out);
    const pid_t child = fork();
    if (child == 0) {
      const std::string outputPath = setup.outputPath.empty() ? out.string() : setup.outputPath;
      const int input = setup.input >= 0 ? setup.input : ::open("/dev/null", O_RDONLY);
      const int output = setup.closedOutput ? -2
                         : setup.output >= 0 ? setup.output
                                             : ::open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
      const int errors = setup.errors >= 0 ? setup.errors : ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
      if (input < 0 || output == -1 || errors < 0 || dup2(input, 0) < 0 || (output >= 0 && dup2(output, 1) < 0) ||
          dup2(errors, 2) < 0 || chdir(dir_.c_str()) != 0)
        _exit(126);
      if (setup.closedOutput) ::close(1);
      signal(SIGPIPE, SIG_DFL);  // as a shell starts its commands
      if (setup.user != 0 && (setgid(setup.user) != 0 || setuid(setup.user) != 0)) _exit(125);
      execv(argv[0], argv.data());
      _exit(127);
    }
    return child;
  }

  // The command that runs `name`.pas: kauc, or the executable made of it.
  std::vector<std::string> ProgramCommand(const std::string& name, bool executable) const {
    if (executable) return {(dir_ / (name + ".exe")).string()};
    return {KAU_KAUC_PATH, "run", name + ".pas"};
  }

  // Waits for a started child to end; status -2 and the child killed when
  // it is still running after the hang bound.
  Outcome Finish(pid_t child) {
    const auto giveUp = std::chrono::steady_clock::now() + kHangBound;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > giveUp) {
        ::kill(child, SIGKILL);
        waitpid(child, &status, 0);
        return {-2, "", ""};
      }
      ::poll(nullptr, 0, 10);
    }
    Outcome outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(dir_ / "out"), readFile(dir_ / "err")};
    outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return outcome;
  }

  fs::path dir_;
};

// True while the process sleeps inside write(2): its output is blocked. (A
// program that only writes sleeps nowhere else; the system call is checked
// too where the system shows it.)
inline bool BlockedInWrite(pid_t pid) {
  const std::string proc = "/proc/" + std::to_string(pid);
  const std::string stat = readFile(proc + "/stat");
  const std::size_t nameEnd = stat.rfind(')');
  if (nameEnd == std::string::npos || stat.size() < nameEnd + 3 || stat[nameEnd + 2] != 'S') return false;
  const std::vector<std::string> call = words(readFile(proc + "/syscall"));
  return call.empty() || call[0] == std::to_string(SYS_write);
}

}  // namespace kau::testing

// kauc's command line as a user meets it: sources that cannot be read, the
// options that describe kauc, what make says, a standard output that cannot
// be written, and the line a run in the windows' manner leaves the terminal
// on. None may end in a crash: each ends with a text and its status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/console/test_support.h"
#include "tests/robustness/kauc_process.h"

namespace {

std::string cannotRead(const std::string& path) { return " => Não foi possível ler o arquivo '" + path + "'!\n"; }

const std::string kUsage =
    "uso: kauc run [--console] PROGRAMA.pas   compila e executa\n"
    "     kauc make PROGRAMA.pas              gera o executável independente\n"
    "     kauc dump PROGRAMA.pas              mostra o programa compilado (código de palavras)\n"
    "     kauc --help | -h                    mostra este texto\n"
    "     kauc --version                      mostra a versão\n";
const std::string kEmptyProgram = " => Erro sintático na linha 1...\n => 'FIM DE ARQUIVO' não esperado!\n";
const std::string kDivisionByZero = " => Erro de execução... ...\n => Divisão por Zero!\n";
const std::string kOutputLost = " => Não foi possível gravar a saída padrão!\n";

using namespace kau::testing;

class CommandLine : public KaucProcess {
 protected:
  void SetUp() override {
    KaucProcess::SetUp();
    fs::create_directory(dir_ / "pasta");
    write("ola.pas", "PROGRAM Ola;\nBEGIN\n  WRITELN('ola');\nEND.\n");
    write("divide.pas", "PROGRAM Divide;\nVAR a: INTEGER;\nBEGIN\n  a := 0;\n  WRITE('antes');\n  WRITELN(1 DIV a);\nEND.\n");
    write("vazio.pas", "");
    fs::create_symlink("sumiu.pas", dir_ / "ligacao.pas");
  }
};

const char kEndlessWriteln[] = "PROGRAM SemFim;\nBEGIN\n  WHILE TRUE DO WRITELN('linha sem fim');\nEND.\n";

TEST_F(CommandLine, EachInvocationEndsWithItsTextAndStatus) {
  struct Case {
    std::string arguments;
    std::string outputTo;  // "" a file
    int status;
    std::string out, err;
  };
  const Case cases[] = {
      // Sources that cannot be read: a folder, whatever the command.
      {"run pasta", "", 3, "", cannotRead("pasta")},
      {"run --console pasta", "", 3, "", cannotRead("pasta")},
      {"make pasta", "", 3, "", cannotRead("pasta")},
      {"dump pasta", "", 3, "", cannotRead("pasta")},
      // A missing file, a link to one, a device that never ends.
      {"run sumiu.pas", "", 3, "", cannotRead("sumiu.pas")},
      {"run ligacao.pas", "", 3, "", cannotRead("ligacao.pas")},
      {"run /dev/zero", "", 3, "", cannotRead("/dev/zero")},
      // A readable device without content is an empty program.
      {"run vazio.pas", "", 2, "", kEmptyProgram},
      {"run /dev/null", "", 2, "", kEmptyProgram},
      {"dump /dev/null", "", 2, "", kEmptyProgram},
      // What kauc is and how it is used.
      {"--help", "", 0, kUsage, ""},
      {"-h", "", 0, kUsage, ""},
      {"--version", "", 0, "Pascal KAU! 4.06\n", ""},
      {"", "", 3, "", kUsage},
      {"run", "", 3, "", kUsage},
      {"run --console", "", 3, "", kUsage},
      {"compile ola.pas", "", 3, "", kUsage},
      {"run ola.pas outro.pas", "", 3, "", kUsage},
      {"--help ola.pas", "", 3, "", kUsage},
      // Make names the file it wrote.
      {"make ola.pas", "", 0, "O arquivo executável foi gerado com sucesso: ola.exe\n", ""},
      // Standard output that cannot be written is an error of its own.
      {"run ola.pas", "", 0, "ola\n", ""},
      {"run ola.pas", "/dev/full", 1, "", kOutputLost},
      {"run divide.pas", "/dev/full", 1, "", kDivisionByZero + kOutputLost},
      {"dump ola.pas", "/dev/full", 1, "", kOutputLost},
      {"make ola.pas", "/dev/full", 1, "", kOutputLost},
      {"--version", "/dev/full", 1, "", kOutputLost},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("kauc " + c.arguments + (c.outputTo.empty() ? "" : " > " + c.outputTo));
    ChildSetup setup;
    setup.outputPath = c.outputTo;
    const Outcome outcome = Kauc(c.arguments, setup);
    EXPECT_EQ(outcome.status, c.status);
    if (c.outputTo.empty()) {
      EXPECT_EQ(outcome.out, c.out);
    }
    EXPECT_EQ(outcome.err, c.err);
  }
}

TEST_F(CommandLine, ASourceWithoutReadPermissionCannotBeRead) {
  write("fechado.pas", "PROGRAM Fechado;\nBEGIN\nEND.\n");
  fs::permissions(dir_ / "fechado.pas", fs::perms::owner_write);
  ChildSetup setup;
  if (geteuid() == 0) {
    // Root reads everything: the run goes as an unprivileged user, who must
    // be able to reach the folder.
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    if (chown((dir_ / "fechado.pas").c_str(), kNobody, kNobody) != 0) GTEST_SKIP() << "cannot give the file away";
    setup.user = kNobody;
  }
  const Outcome outcome = Kauc("run fechado.pas", setup);
  if (outcome.status == 125) GTEST_SKIP() << "running as root and cannot run as an unprivileged user";
  if (outcome.status == 127) GTEST_SKIP() << "the child cannot run kauc (an unprivileged user may not reach the build)";
  EXPECT_EQ(outcome.status, 3);
  EXPECT_EQ(outcome.err, cannotRead("fechado.pas"));
}

TEST_F(CommandLine, AConsoleRunLeavesTheTerminalOnAFreshLine) {
  // The windows' manner of run: after the program's "x" it waits for Enter
  // and prints the banner, which leaves the cursor off column 1.
  write("sem_fim_de_linha.pas", "PROGRAM SemFim;\nBEGIN\n  WRITE('x');\nEND.\n");
  kau::console::testing::PseudoTerminal pty;
  ChildSetup setup;
  setup.input = setup.output = pty.slave;
  Outcome outcome;
  std::thread run([&] { outcome = Kauc("run --console sem_fim_de_linha.pas", setup); });
  pty.readUntil("x");
  pty.type("\n");
  const std::string banner = "Versao 4.06";
  std::string screen = pty.readUntil(banner);
  if (screen.find('\n', screen.find(banner)) == std::string::npos) screen += pty.readUntil("\n");
  run.join();
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  // The banner's blanks, the terminal's colours back, then a line break
  // (to which the terminal adds a carriage return).
  const std::size_t at = screen.find(banner);
  ASSERT_NE(at, std::string::npos) << screen;
  EXPECT_EQ(screen.substr(at + banner.size()), std::string(44, ' ') + "\033[0m\r\r\n");
}

// After output without a line end, a run-time error's text starts a line of
// its own on a terminal (a file gets what the program wrote: the cases
// above).
TEST_F(CommandLine, ARunTimeErrorOnATerminalStartsItsOwnLine) {
  ASSERT_EQ(Kauc("make divide.pas").status, 0);
  for (const bool executable : {false, true}) {
    SCOPED_TRACE(executable ? "divide.exe" : "kauc run");
    kau::console::testing::PseudoTerminal pty;
    ChildSetup setup;
    setup.input = setup.output = setup.errors = pty.slave;
    const std::vector<std::string> args = ProgramCommand("divide", executable);
    const pid_t child = Start(args, setup);
    const std::string screen = pty.readUntil("Zero!");
    EXPECT_EQ(Finish(child).status, 1);
    // The terminal adds a carriage return to every line feed.
    EXPECT_NE(screen.find("antes\r\r\n => Erro de execução"), std::string::npos) << screen;
  }
}

}  // namespace

namespace {

// A stand-alone executable reports a standard output it cannot write as kauc
// does, and both stop an endless program there instead of running it on.
TEST_F(CommandLine, LostStandardOutputEndsTheRunWithItsText) {
  write("sem_fim.pas", kEndlessWriteln);
  write("arquivo.pas",
        "PROGRAM Arquivo;\nVAR f: TEXT;\nBEGIN\n  ASSIGN(f, 'dados.txt');\n  REWRITE(f);\n"
        "  WRITELN(f, 'arquivo');\n  WRITELN('tela');\n  CLOSE(f);\nEND.\n");
  for (const char* name : {"ola", "divide", "sem_fim", "arquivo"})
    ASSERT_EQ(Kauc(std::string("make ") + name + ".pas").status, 0) << name;
  struct Case {
    std::string program;  // "name.exe" or "kauc name.pas"
    bool closed;          // else /dev/full
    std::string err;
  };
  const Case cases[] = {
      {"ola.exe", false, kOutputLost},
      {"ola.exe", true, kOutputLost},
      {"divide.exe", false, kDivisionByZero + kOutputLost},
      {"sem_fim.exe", false, kOutputLost},
      {"sem_fim.exe", true, kOutputLost},
      {"kauc sem_fim.pas", false, kOutputLost},
      {"kauc sem_fim.pas", true, kOutputLost},
      // No file the program opens takes the closed output's place.
      {"arquivo.exe", true, kOutputLost},
      {"kauc arquivo.pas", true, kOutputLost},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program + (c.closed ? " >&-" : " > /dev/full"));
    fs::remove(dir_ / "dados.txt");
    ChildSetup setup;
    setup.outputPath = "/dev/full";
    setup.closedOutput = c.closed;
    const bool kauc = c.program.rfind("kauc ", 0) == 0;
    const std::vector<std::string> args =
        kauc ? std::vector<std::string>{KAU_KAUC_PATH, "run", c.program.substr(5)}
             : std::vector<std::string>{(dir_ / c.program).string()};
    const Outcome outcome = Finish(Start(args, setup));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, c.err);
    if (c.program.find("arquivo") != std::string::npos) {
      EXPECT_EQ(readFile(dir_ / "dados.txt"), "arquivo\n");
    }
  }
}

// `kauc run p.pas | head -n 1`: when the pipe's reader has ended, the run
// ends by SIGPIPE, as Unix programs do, once the text files it left open are
// written.
TEST_F(CommandLine, APipeWithoutReaderEndsTheRunBySigpipe) {
  write("guarda.pas",
        "PROGRAM Guarda;\nVAR f: TEXT;\nBEGIN\n  ASSIGN(f, 'guardado.txt'); REWRITE(f); WRITELN(f, 'guardado');\n"
        "  WHILE TRUE DO WRITELN('linha sem fim');\nEND.\n");
  ASSERT_EQ(Kauc("make guarda.pas").status, 0);
  for (const bool executable : {false, true}) {
    SCOPED_TRACE(executable ? "guarda.exe" : "kauc run");
    fs::remove(dir_ / "guardado.txt");
    kau::console::testing::Pipe pipe;
    ChildSetup setup;
    setup.output = pipe.writeEnd;
    const std::vector<std::string> args = ProgramCommand("guarda", executable);
    const pid_t child = Start(args, setup);
    pipe.closeWriteEnd();
    std::string line;
    char c = 0;
    while (::read(pipe.readEnd, &c, 1) == 1 && c != '\n') line += c;
    pipe.closeReadEnd();  // as head does after its line
    EXPECT_EQ(line, "linha sem fim");
    const Outcome outcome = Finish(child);
    EXPECT_EQ(outcome.signal, SIGPIPE);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(readFile(dir_ / "guardado.txt"), "guardado\n");
  }
}

// SIGTERM, SIGHUP and Ctrl+C end a run whose terminal nobody reads (its
// output blocked, as on a terminal stopped with Ctrl+S): the terminating
// signals as the signal, Ctrl+C with status 1.
TEST_F(CommandLine, SignalsEndARunWhoseTerminalOutputIsBlocked) {
  write("sem_fim.pas", kEndlessWriteln);
  ASSERT_EQ(Kauc("make sem_fim.pas").status, 0);
  for (const bool executable : {false, true}) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
      SCOPED_TRACE(std::string(executable ? "sem_fim.exe" : "kauc run") + ", signal " + std::to_string(signal));
      kau::console::testing::PseudoTerminal pty;
      ChildSetup setup;
      setup.input = setup.output = setup.errors = pty.slave;
      const std::vector<std::string> args = ProgramCommand("sem_fim", executable);
      const pid_t child = Start(args, setup);
      ASSERT_GT(child, 0);
      // (Bounded: the terminal's buffer fills within moments.)
      ASSERT_TRUE(WaitUntil([&] { return BlockedInWrite(child); }));
      ::kill(child, signal);
      const Outcome outcome = Finish(child);
      ASSERT_NE(outcome.status, -2) << "still running after the signal";
      if (signal == SIGINT) {
        EXPECT_EQ(outcome.status, 1);
      } else {
        EXPECT_EQ(outcome.signal, signal);
      }
    }
  }
}

// SIGTERM and SIGHUP (a grading script's timeout, a terminal window closed)
// end the run by the signal once it has written what it held: its output
// to a file and a text file it left open.
TEST_F(CommandLine, TerminatingSignalsEndTheRunAfterItsOutputIsWritten) {
  write("laco.pas",
        "PROGRAM Laco;\nVAR i: INTEGER; f, g: TEXT;\nBEGIN\n  WRITELN('antes do laco');\n"
        "  ASSIGN(f, 'arquivo.txt'); REWRITE(f); WRITELN(f, 'linha sem close');\n"
        "  ASSIGN(g, 'pronto.txt'); REWRITE(g);\n  i := 0;\n  WHILE TRUE DO i := i + 1;\nEND.\n");
  ASSERT_EQ(Kauc("make laco.pas").status, 0);
  for (const bool executable : {false, true}) {
    for (const int signal : {SIGTERM, SIGHUP}) {
      SCOPED_TRACE(std::string(executable ? "laco.exe" : "kauc run") + ", signal " + std::to_string(signal));
      fs::remove(dir_ / "pronto.txt");
      fs::remove(dir_ / "arquivo.txt");
      const std::vector<std::string> args = ProgramCommand("laco", executable);
      const pid_t child = Start(args, {});
      ASSERT_GT(child, 0);
      // In its loop once pronto.txt is there.
      WaitUntil([&] { return fs::exists(dir_ / "pronto.txt"); });
      ::kill(child, signal);
      const Outcome outcome = Finish(child);
      EXPECT_EQ(outcome.signal, signal);
      EXPECT_EQ(outcome.out, "antes do laco\n");
      EXPECT_EQ(readFile(dir_ / "arquivo.txt"), "linha sem close\n");
    }
  }
}

}  // namespace

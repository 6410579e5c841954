// A program that reads a text file while lines wait on the keyboard (a pipe,
// a terminal), through kauc and as a made executable: a file read takes
// nothing typed and waits for nothing typed; the keyboard's own reads keep
// their rule (a READ drops the rest of its line at the statement's end).
// Writing files open for appending, and ending by a broken pipe or by a
// signal while a FIFO nobody reads holds a file's text.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "tests/console/test_support.h"
#include "tests/robustness/kauc_process.h"

namespace {

using namespace kau::testing;
using kau::console::testing::Pipe;
using kau::console::testing::PseudoTerminal;

// Writes 'um' and '7' to T.txt, reads it back with `reads`, then reads two
// typed lines: t and k.
std::string fileThenKeyboard(const std::string& reads, const std::string& shown) {
  return "program r;\nvar f: text; s, t: string; k, n: integer; c: char;\nbegin\n"
         "  assign(f, 'T.txt'); rewrite(f); writeln(f, 'um'); writeln(f, '7'); close(f);\n"
         "  reset(f); " + reads + " close(f);\n"
         "  readln(t); readln(k);\n"
         "  writeln('[', " + shown + ", '] [', t, '] ', k);\nend.\n";
}

const char kFileOnly[] =
    "program r;\nvar f: text; s: string;\nbegin\n"
    "  assign(f, 'T.txt'); rewrite(f); writeln(f, 'um'); close(f);\n"
    "  reset(f); readln(f, s); close(f);\n  writeln(s);\nend.\n";

class TextFilesAndKeyboard : public KaucProcess {
 protected:
  // The command that runs `name`.pas, its executable made first.
  std::vector<std::string> Command(const std::string& name, bool executable) {
    if (executable) {
      EXPECT_EQ(Kauc("make " + name + ".pas").status, 0) << name;
    }
    return ProgramCommand(name, executable);
  }
};

TEST_F(TextFilesAndKeyboard, AFileReadLeavesTheTypedLinesToTheKeyboardReads) {
  struct Case {
    std::string program, typed, out;
  };
  const Case cases[] = {
      {fileThenKeyboard("readln(f, s);", "s"), "Quarta\n42\n", "[um] [Quarta] 42\n"},
      {fileThenKeyboard("read(f, c);", "c"), "Quarta\n42\n", "[u] [Quarta] 42\n"},
      {fileThenKeyboard("readln(f); read(f, n);", "n"), "Quarta\n42\n", "[7] [Quarta] 42\n"},
      // The keyboard's READ still drops the rest of its line.
      {"program r;\nvar a, b: integer;\nbegin\n  read(a); readln(b);\n  writeln(a, ' ', b);\nend.\n", "1 2\n3\n",
       "1 3\n"},
  };
  int number = 0;
  for (const Case& c : cases) {
    const std::string name = "p" + std::to_string(++number);
    write(name + ".pas", c.program);
    for (const bool executable : {false, true}) {
      SCOPED_TRACE(name + (executable ? ".exe " : ".pas ") + c.program);
      Pipe keyboard;
      keyboard.write(c.typed);
      keyboard.closeWriteEnd();
      ChildSetup setup;
      setup.input = keyboard.readEnd;
      const Outcome outcome = Finish(Start(Command(name, executable), setup));
      EXPECT_EQ(outcome.status, 0) << outcome.err;
      EXPECT_EQ(outcome.out, c.out);
    }
  }
}

// Nothing typed is waited for: the run ends while the keyboard's pipe stays
// silent, and on a terminal without an Enter.
TEST_F(TextFilesAndKeyboard, AProgramThatReadsOnlyAFileWaitsForNoKeyboardLine) {
  write("so_arquivo.pas", kFileOnly);
  for (const bool executable : {false, true}) {
    SCOPED_TRACE(executable ? "so_arquivo.exe" : "kauc run");
    {
      Pipe silent;  // written only after the run, if ever
      ChildSetup setup;
      setup.input = silent.readEnd;
      const Outcome outcome = Finish(Start(Command("so_arquivo", executable), setup));
      ASSERT_NE(outcome.status, -2) << "waited for the keyboard's pipe";
      EXPECT_EQ(outcome.out, "um\n");
    }
    PseudoTerminal pty;
    ChildSetup setup;
    setup.input = setup.output = pty.slave;
    const pid_t child = Start(Command("so_arquivo", executable), setup);
    pty.readUntil("um");
    EXPECT_EQ(Finish(child).status, 0) << "waited for Enter";
  }
}

// After APPEND, EOF is true and a read gets the end-of-file values; neither
// is a failed write.
TEST_F(TextFilesAndKeyboard, ReadingAFileOpenForAppendingIsNoWriteFailure) {
  write("anexa.pas",
        "program anexa;\nvar f: text; s: string;\nbegin\n"
        "  assign(f, 'A.txt'); rewrite(f); writeln(f, 'um'); close(f);\n"
        "  append(f); writeln(f, 'dois'); writeln(eof(f)); readln(f, s); writeln('[', s, ']'); close(f);\n"
        "  reset(f); readln(f, s); write(s); readln(f, s); writeln(s); close(f);\nend.\n");
  for (const bool executable : {false, true}) {
    SCOPED_TRACE(executable ? "anexa.exe" : "kauc run");
    const Outcome outcome = Finish(Start(Command("anexa", executable), {}));
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, "TRUE\n[]\numdois\n");
    EXPECT_EQ(readFile(dir_ / "A.txt"), "um\ndois\n");
  }
}

// A FIFO nobody reads, full, with a line still buffered for it, does not
// keep SIGTERM from ending the run: the screen's output is written first,
// the FIFO gets what it takes at once.
TEST_F(TextFilesAndKeyboard, AFifoNobodyReadsDoesNotHoldATerminatingSignal) {
  ASSERT_EQ(mkfifo((dir_ / "fifo").c_str(), 0600), 0);
  // 1025 lines of 64 bytes: the FIFO's 64 KB are full, one line waits.
  write("enche.pas",
        "program enche;\nvar f, g: text; i: integer;\nbegin\n  writeln('antes');\n"
        "  assign(f, 'fifo'); rewrite(f);\n  for i := 1 to 1025 do writeln(f, '" + std::string(63, 'x') + "');\n"
        "  assign(g, 'pronto.txt'); rewrite(g);\n  while true do i := i + 1;\nend.\n");
  for (const bool executable : {false, true}) {
    SCOPED_TRACE(executable ? "enche.exe" : "kauc run");
    fs::remove(dir_ / "pronto.txt");
    const pid_t child = Start(Command("enche", executable), {});
    ASSERT_GT(child, 0);
    // In its loop once pronto.txt is there.
    WaitUntil([&] { return fs::exists(dir_ / "pronto.txt"); });
    ::kill(child, SIGTERM);
    const Outcome outcome = Finish(child);
    ASSERT_NE(outcome.status, -2) << "still running after the signal";
    EXPECT_EQ(outcome.signal, SIGTERM);
    EXPECT_EQ(outcome.out, "antes\n");
  }
}

}  // namespace

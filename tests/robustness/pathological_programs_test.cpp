// Feeds kauc programs of absurd size or depth, generated here rather than
// kept as files: every one must end normally with a result, or with a compile
// error that names its line and cause, never with a crash, a hang or an
// unbounded use of memory.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Resident memory one compilation may use, with room for sanitizer builds.
constexpr long kMemoryLimitKb = 1024 * 1024;

std::string repeat(const std::string& piece, std::size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Outcome {
  int status = -1;        // exit status, or -1 when killed by a signal
  long maxResidentKb = 0;
  std::string out, err;
};

class PathologicalPrograms : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kau_robustness_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Writes the program and runs `kauc COMMAND program.pas` on it.
  Outcome Compile(const std::string& command, const std::string& program) {
    const fs::path source = dir_ / "programa.pas";
    std::ofstream(source, std::ios::binary) << program;
    const fs::path out = dir_ / "out.txt";
    const fs::path err = dir_ / "err.txt";
    Outcome outcome;
    const pid_t child = fork();
    if (child == 0) {
      if (!freopen("/dev/null", "rb", stdin) || !freopen(out.c_str(), "wb", stdout) ||
          !freopen(err.c_str(), "wb", stderr)) {
        _exit(127);
      }
      execl(KAU_KAUC_PATH, KAU_KAUC_PATH, command.c_str(), source.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) return outcome;
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.maxResidentKb = usage.ru_maxrss;
    outcome.out = readFile(out);
    outcome.err = readFile(err);
    return outcome;
  }

  // A result (status 0, or 1 with a run-time error text) or a compile error
  // (status 2) with its text.
  void ExpectResultOrCompileError(const Outcome& outcome) {
    EXPECT_TRUE(outcome.status >= 0 && outcome.status <= 2) << "status " << outcome.status << "\n" << outcome.err;
    if (outcome.status == 1) {
      EXPECT_NE(outcome.err.find(" => Erro"), std::string::npos) << outcome.err;
    }
    if (outcome.status == 2) ExpectCompileError(outcome);
    EXPECT_LT(outcome.maxResidentKb, kMemoryLimitKb);
  }
  void ExpectCompileError(const Outcome& outcome) {
    EXPECT_EQ(outcome.status, 2) << outcome.err;
    // The header with the line, then the message on a line of its own.
    EXPECT_EQ(outcome.err.rfind(" => Erro", 0), 0u) << outcome.err;
    EXPECT_NE(outcome.err.find("linha"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.err.find("...\n => "), std::string::npos) << outcome.err;
    EXPECT_TRUE(outcome.out.empty());
    EXPECT_LT(outcome.maxResidentKb, kMemoryLimitKb);
  }

  fs::path dir_;
};

const std::string kHeader = "PROGRAM Extremo;\nVAR x: INTEGER;\n    s: STRING;\nBEGIN\n  x := 0;\n";
const std::string kFooter = "  WRITELN(x);\nEND.\n";

TEST_F(PathologicalPrograms, FiftyThousandNestedParentheses) {
  const std::string program =
      kHeader + "  x := " + repeat("(", 50000) + "1" + repeat(")", 50000) + ";\n" + kFooter;
  ExpectResultOrCompileError(Compile("run", program));
}

TEST_F(PathologicalPrograms, FiftyThousandNestedParenthesesUnclosed) {
  ExpectCompileError(Compile("run", kHeader + "  x := " + repeat("(", 50000) + "1;\n" + kFooter));
}

TEST_F(PathologicalPrograms, OneMegabyteSingleLine) {
  // About a megabyte of statements on one line, then the same with fewer
  // statements padded by blanks, which fits the code memory.
  ExpectResultOrCompileError(Compile("run", "PROGRAM Extremo; VAR x: INTEGER; BEGIN x := 0; " +
                                                 repeat("x := x + 1; ", (1 << 20) / 12) + "WRITELN(x); END."));
  const Outcome padded = Compile("run", "PROGRAM Extremo; VAR x: INTEGER; BEGIN x := 0; " +
                                             repeat("x := x + 1;" + std::string(100, ' '), (1 << 20) / 111) +
                                             "WRITELN(x); END.");
  EXPECT_EQ(padded.out, std::to_string((1 << 20) / 111) + "\n") << padded.err;
}

TEST_F(PathologicalPrograms, OneMegabyteIdentifierAndComment) {
  ExpectResultOrCompileError(
      Compile("run", "PROGRAM Extremo; VAR " + repeat("a", 1 << 20) + ": INTEGER; BEGIN END."));
  ExpectResultOrCompileError(Compile("run", "PROGRAM Extremo; { " + repeat("comentario ", 100000) + "} BEGIN END."));
  ExpectCompileError(Compile("run", "PROGRAM Extremo; { " + repeat("sem fim ", 100000)));
}

TEST_F(PathologicalPrograms, HundredThousandLines) {
  const Outcome outcome = Compile("run", kHeader + repeat("  x := 1;\n", 100000) + kFooter);
  ExpectResultOrCompileError(outcome);
  EXPECT_EQ(outcome.out, "1\n") << outcome.err;
  ExpectResultOrCompileError(Compile("run", kHeader + repeat("  x := x + 1;\n", 100000) + kFooter));
}

TEST_F(PathologicalPrograms, ProgramThatFillsTheCodeMemory) {
  // Each statement takes more than ten words of code: a million words are
  // passed well before the end.
  ExpectCompileError(Compile("run", kHeader + repeat("  x := x * 3 + 1;\n", 200000) + kFooter));
  ExpectCompileError(Compile("run", kHeader + repeat("  s := s + 'abcdefghij';\n", 100000) + kFooter));
}

TEST_F(PathologicalPrograms, TenThousandNestedBeginBlocks) {
  ExpectResultOrCompileError(
      Compile("run", kHeader + repeat("BEGIN\n", 10000) + "x := 1;\n" + repeat("END;\n", 10000) + kFooter));
}

TEST_F(PathologicalPrograms, DeeplyNestedStatementsAndRoutines) {
  ExpectResultOrCompileError(
      Compile("run", kHeader + repeat("IF x = 0 THEN\n", 20000) + "x := 1;\n" + kFooter));
  ExpectResultOrCompileError(
      Compile("run", kHeader + repeat("WHILE x < 1 DO\n", 20000) + "x := 1;\n" + kFooter));
  std::string routines = "PROGRAM Extremo;\n";
  for (int i = 0; i < 5000; ++i) routines += "PROCEDURE p" + std::to_string(i) + ";\n";
  routines += "BEGIN END;\n";
  for (int i = 0; i < 4999; ++i) routines += "BEGIN END;\n";
  routines += "BEGIN END.\n";
  ExpectResultOrCompileError(Compile("run", routines));
}

TEST_F(PathologicalPrograms, StringLiteralOfTenThousandCharacters) {
  ExpectResultOrCompileError(
      Compile("run", kHeader + "  s := '" + repeat("abcdefghij", 1000) + "';\n  WRITELN(LENGTH(s));\nEND.\n"));
  ExpectResultOrCompileError(Compile("run", kHeader + "  WRITELN('" + repeat("x", 10000) + "');\nEND.\n"));
}

TEST_F(PathologicalPrograms, DeepExpressionsOfOtherShapes) {
  const std::size_t n = 100000;
  ExpectResultOrCompileError(Compile("run", kHeader + "  x := " + repeat("- ", n) + "1;\n" + kFooter));
  ExpectResultOrCompileError(Compile("run", kHeader + "  x := " + repeat("NOT ", n) + "TRUE;\n" + kFooter));
  ExpectResultOrCompileError(Compile("run", kHeader + "  x := 1" + repeat(" + 1", n) + ";\n" + kFooter));
  ExpectResultOrCompileError(Compile("run", "PROGRAM Extremo;\nVAR a: ARRAY[1..2] OF INTEGER;\nBEGIN\n  a[1] := " +
                                                repeat("a[", n) + "1" + repeat("]", n) + ";\nEND.\n"));
  ExpectResultOrCompileError(Compile("run", "PROGRAM Extremo;\nVAR x: INTEGER;\nFUNCTION f(a: INTEGER): INTEGER;\n"
                                            "BEGIN\n  f := a;\nEND;\nBEGIN\n  x := " +
                                                repeat("f(", n) + "1" + repeat(")", n) + ";\n" + kFooter));
}

TEST_F(PathologicalPrograms, RunawayRecursionStopsWithARuntimeError) {
  const Outcome outcome = Compile("run", "PROGRAM Extremo;\nPROCEDURE r(n: INTEGER);\nBEGIN\n  r(n + 1);\nEND;\n"
                                         "BEGIN\n  r(1);\nEND.\n");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.err.find(" => Erro"), std::string::npos) << outcome.err;
}

TEST_F(PathologicalPrograms, ManyDeclarations) {
  std::string program = "PROGRAM Extremo;\nCONST\n";
  for (int i = 0; i < 20000; ++i) program += "  c" + std::to_string(i) + " = " + std::to_string(i) + ";\n";
  program += "VAR\n";
  for (int i = 0; i < 20000; ++i) program += "  v" + std::to_string(i) + ": INTEGER;\n";
  program += "BEGIN\n  v19999 := c19999;\n  WRITELN(v19999);\nEND.\n";
  ExpectResultOrCompileError(Compile("run", program));
}

// A pointer kept for the whole run and a block made and disposed nine
// million times: the heap holds two blocks at most, so the run ends normally
// in little memory. The sanitizers' own memory is measured on a short run and
// left out.
std::string heapCycles(int cycles) {
  return "PROGRAM Ciclos;\nTYPE no = RECORD valor: INTEGER; prox: ^no; END;\n"
         "VAR fixo, p: ^no; i, soma: INTEGER;\nBEGIN\n  NEW(fixo);\n  fixo^.valor := 1;\n  soma := 0;\n"
         "  FOR i := 1 TO " + std::to_string(cycles) + " DO\n  BEGIN\n    NEW(p);\n    p^.valor := i MOD 7;\n"
         "    soma := (soma + p^.valor) MOD 1000003;\n    DISPOSE(p);\n  END;\n"
         "  WRITELN(soma + fixo^.valor);\nEND.\n";
}

TEST_F(PathologicalPrograms, NineMillionNewDisposePairsRunInLittleMemory) {
  const Outcome outcome = Compile("run", heapCycles(9000000));
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "999920\n");
  long baselineKb = 0;
#if defined(__SANITIZE_ADDRESS__)
  baselineKb = Compile("run", heapCycles(10)).maxResidentKb;
#endif
  EXPECT_LT(outcome.maxResidentKb - baselineKb, 20 * 1024);
}

TEST_F(PathologicalPrograms, KeepingEveryBlockEndsInTheHeapError) {
  const Outcome outcome = Compile("run",
                                  "PROGRAM Guarda;\nTYPE no = RECORD valor: INTEGER; prox: ^no; END;\n"
                                  "VAR lista, p: ^no;\nBEGIN\n  lista := NIL;\n  WHILE TRUE DO\n  BEGIN\n"
                                  "    NEW(p);\n    p^.prox := lista;\n    lista := p;\n  END;\nEND.\n");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.err.find(" => Erro na execu"), std::string::npos) << outcome.err;
  EXPECT_LT(outcome.maxResidentKb, kMemoryLimitKb);
}

}  // namespace

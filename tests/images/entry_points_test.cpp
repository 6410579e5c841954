#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "compiler/parser.h"
#include "compiler/symbol_table.h"
#include "interpreter/entry_points.h"
#include "tests/interpreter/fake_console.h"
#include "text/code_pages.h"

using namespace kau;

namespace {

const char kHello[] = "PROGRAM Ola;\nBEGIN\n  WRITELN('ola');\nEND.\n";
const char kSyntaxErrorOnLine3[] = "PROGRAM Erro;\nBEGIN\n  WRITELN('x') WRITELN('y');\nEND.\n";
const char kSemanticErrorOnLine7[] =
    "PROGRAM Erro;\nVAR\n  i: INTEGER;\n\nBEGIN\n  i := 1;\n  j := 2;\nEND.\n";
const char kDivisionByZero[] =
    "PROGRAM Divide;\nVAR a, b: INTEGER;\nBEGIN\n  a := 1;\n  b := 0;\n  WRITE(a);\n  WRITELN(a DIV b);\nEND.\n";

class EntryPoints : public ::testing::Test {
 protected:
  void SetUp() override {
    SetRunConsole(&console_);
    SetConsoleRun(false);
    dir_ = std::filesystem::temp_directory_path() / ("entry_points_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    SetRunConsole(nullptr);
    SetConsoleRun(true);
    std::filesystem::remove_all(dir_);
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }

  kau::testing::FakeConsole console_;
  std::filesystem::path dir_;
};

}  // namespace

TEST_F(EntryPoints, ARunPrintsOnTheGivenConsoleAndLeavesNoError) {
  EXPECT_EQ(CompileAndRun(kHello), 0);
  EXPECT_EQ(console_.output, "ola\r\n");
  EXPECT_EQ(console_.clears, 0);  // not a run of the windows
  EXPECT_EQ(GetCompileErrorText(), "");
  EXPECT_EQ(GetCompileErrorLine(), 0);
}

TEST_F(EntryPoints, ARunOfTheWindowsClearsAndWaitsForEnter) {
  SetConsoleRun(true);
  console_.input = "\n";
  EXPECT_EQ(CompileAndRun(kHello), 0);
  EXPECT_EQ(console_.clears, 1);
  EXPECT_EQ(console_.inputPos, 1u);  // the Enter was read
  EXPECT_NE(console_.output.find("Pascal KAU!"), std::string::npos);
}

TEST_F(EntryPoints, ErrorLinesBelongToCompileErrorsOnly) {
  // A syntax error while making an executable: the line, and no file.
  EXPECT_EQ(CompileAndGenerateExecutable(kSyntaxErrorOnLine3, Path("erro.pas").c_str()), 1);
  EXPECT_EQ(GetCompileErrorLine(), 3);
  EXPECT_NE(GetCompileErrorText().find('#'), std::string::npos);
  EXPECT_TRUE(LastErrorIsCompileError());
  EXPECT_FALSE(std::filesystem::exists(Path("erro.exe")));

  // The next run ends with a run-time error: line 0.
  EXPECT_EQ(CompileAndRun(kDivisionByZero), 1);
  EXPECT_EQ(GetCompileErrorLine(), 0);
  EXPECT_EQ(GetCompileErrorText(), text::cp1252(" => Erro de execução... ...# => Divisão por Zero!"));
  EXPECT_FALSE(LastErrorIsCompileError());
  EXPECT_EQ(console_.output, "1");

  // A semantic error on line 7, then the same run again.
  EXPECT_EQ(CompileAndRun(kSemanticErrorOnLine7), 1);
  EXPECT_EQ(GetCompileErrorLine(), 7);
  EXPECT_EQ(CompileAndRun(kDivisionByZero), 1);
  EXPECT_EQ(GetCompileErrorLine(), 0);
}

TEST_F(EntryPoints, EveryCompileLeavesTheTablesEmpty) {
  const char kWithReal[] = "PROGRAM R;\nVAR x: REAL;\nBEGIN\n  x := 2.5;\n  y := 1;\nEND.\n";
  for (const char* source : {kHello, kSyntaxErrorOnLine3, kSemanticErrorOnLine7, kWithReal}) {
    CompileProgram(source);
    EXPECT_TRUE(Symbols.IsEmpty()) << source;
    EXPECT_TRUE(RealConstants.IsEmpty()) << source;
    EXPECT_TRUE(ValueQueue.Empty()) << source;
    EXPECT_TRUE(ProductionList.Empty()) << source;
  }
}

TEST_F(EntryPoints, MakingAnExecutableWritesItBesideTheSource) {
  EXPECT_EQ(CompileAndGenerateExecutable(kHello, Path("ola.pas").c_str()), 0);
  EXPECT_EQ(GetCompileErrorText(), "");
  struct stat info;
  ASSERT_EQ(::stat(Path("ola.exe").c_str(), &info), 0);
  EXPECT_TRUE(info.st_mode & S_IXUSR);
  EXPECT_TRUE(console_.output.empty());  // nothing runs
}

TEST_F(EntryPoints, AFailedWriteKeepsTheOlderTargetAndSaysWhy) {
  std::filesystem::create_directories(dir_ / "ola.exe" / "guardado");
  EXPECT_EQ(CompileAndGenerateExecutable(kHello, Path("ola.pas").c_str()), 1);
  EXPECT_EQ(GetCompileErrorLine(), 0);
  EXPECT_FALSE(LastErrorIsCompileError());
  EXPECT_EQ(GetCompileErrorText(),
            text::cp1252(" => Erro ao gerar o executável...# => Não foi possível gravar o arquivo '") + Path("ola.exe") + "'!");
  EXPECT_TRUE(std::filesystem::exists(dir_ / "ola.exe" / "guardado"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

// `kauc make` end to end: the executable it writes, run as a program of its
// own from another folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "interpreter/lzss.h"
#include "interpreter/runner_loader.h"
#include "tests/images/test_files.h"
#include "tests/support/hang_bound.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using kau::testing::ReadFile;
using kau::testing::ReadText;

class KaucMake : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("kauc_make_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_ / "src");
    std::filesystem::create_directories(dir_ / "elsewhere");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // The exit status; out and err are left in files of the folder.
  int Shell(const std::filesystem::path& folder, const std::string& command) {
    return kau::testing::RunIn(folder, command).status;
  }
  std::string Out(const std::filesystem::path& folder) { return ReadText(folder / "out"); }
  std::string Err(const std::filesystem::path& folder) { return ReadText(folder / "err"); }

  void Source(const char* name, const char* text) { std::ofstream(dir_ / "src" / name) << text; }

  std::filesystem::path dir_;
};

const char kHello[] = "PROGRAM Ola;\nVAR i: INTEGER;\nBEGIN\n  FOR i := 1 TO 2 DO WRITELN('ola ', i);\nEND.\n";
const char kDivide[] = "PROGRAM Divide;\nVAR a: INTEGER;\nBEGIN\n  a := 0;\n  WRITE('antes');\n  WRITELN(10 DIV a);\nEND.\n";

}  // namespace

TEST_F(KaucMake, WritesAnExecutableThatRunsByItself) {
  Source("hello.pas", kHello);
  // The student's own files with the names of the old temporary files.
  for (const char* name : {"prog.out", "prog.kau", "hello.kau"}) Source(name, name);
  const auto src = dir_ / "src", elsewhere = dir_ / "elsewhere";
  ASSERT_EQ(Shell(src, std::string("'") + KAUC_PATH + "' make hello.pas"), 0) << Err(src);
  for (const char* name : {"prog.out", "prog.kau", "hello.kau"}) EXPECT_EQ(ReadText(src / name), name);
  EXPECT_EQ(Out(src), "O arquivo executável foi gerado com sucesso: hello.exe\n");
  EXPECT_EQ(Err(src), "");

  const Bytes image = ReadFile(src / "hello.exe");
  const Bytes runner = ReadFile(KAU_RUNNER_PATH);
  struct stat info;
  ASSERT_EQ(::stat((src / "hello.exe").c_str(), &info), 0);
  EXPECT_TRUE(info.st_mode & S_IXUSR);
  ASSERT_GT(image.size(), runner.size() + 11);
  EXPECT_TRUE(std::equal(runner.begin(), runner.end(), image.begin()));
  EXPECT_EQ(Bytes(image.begin() + static_cast<long>(runner.size()), image.begin() + static_cast<long>(runner.size()) + 11),
            (Bytes{0x1A, 0x1A, 0x1A, 0x07, 0x69, 0x6E, 0x2E, 0x70, 0x61, 0x73, 0x00}));
  EXPECT_EQ(image.back(), 0xFF);
  // Nothing else beside it: the sources, those files, out and err.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(src), {}), 7);

  // Plain output: no colours, clearing, wait or banner.
  EXPECT_EQ(Shell(elsewhere, "'" + (src / "hello.exe").string() + "'"), 0);
  EXPECT_EQ(Out(elsewhere), "ola 1\nola 2\n");
  EXPECT_EQ(Err(elsewhere), "");

  // The program inside is what kauc dump prints.
  ASSERT_EQ(Shell(src, std::string("'") + KAUC_PATH + "' dump hello.pas"), 0);
  Bytes dump;
  std::string message;
  const std::size_t streamSize =
      image.size() - runner.size() - sizeof kau::kProgramMarker - kau::kStreamChecksumSize - 1;
  const auto stream = std::span(image).subspan(runner.size() + 3, streamSize);
  ASSERT_EQ(kau::lzss::Decode(stream, dump, message), kau::lzss::DecodeStatus::Ok) << message;
  EXPECT_EQ(std::string(dump.begin(), dump.end()), Out(src));
}

TEST_F(KaucMake, ARunTimeErrorEndsTheExecutableWithItsText) {
  Source("divide.pas", kDivide);
  const auto src = dir_ / "src", elsewhere = dir_ / "elsewhere";
  ASSERT_EQ(Shell(src, std::string("'") + KAUC_PATH + "' make divide.pas"), 0) << Err(src);
  EXPECT_EQ(Shell(elsewhere, "'" + (src / "divide.exe").string() + "'"), 1);
  // The program's output alone on standard output; the error text on
  // standard error, on a line of its own.
  EXPECT_EQ(Out(elsewhere), "antes");
  EXPECT_EQ(Err(elsewhere), " => Erro de execução... ...\n => Divisão por Zero!\n");
}

TEST_F(KaucMake, FailuresGiveTheirStatusAndText) {
  const auto src = dir_ / "src";
  // A compile error: status 2, the text on standard error, no executable.
  Source("erro.pas", "PROGRAM Erro;\nBEGIN\n  WRITELN('x') WRITELN('y');\nEND.\n");
  EXPECT_EQ(Shell(src, std::string("'") + KAUC_PATH + "' make erro.pas"), 2);
  EXPECT_EQ(Err(src), " => Erro sintático na linha 3...\n => Faltou um ponto e vírgula no fim dessa linha? \n");
  EXPECT_FALSE(std::filesystem::exists(src / "erro.exe"));
  // A target that cannot be replaced: status 3, the older one kept.
  Source("hello.pas", kHello);
  std::filesystem::create_directories(src / "hello.exe" / "guardado");
  EXPECT_EQ(Shell(src, std::string("'") + KAUC_PATH + "' make hello.pas"), 3);
  EXPECT_EQ(Err(src), " => Erro ao gerar o executável...\n => Não foi possível gravar o arquivo 'hello.exe'!\n");
  EXPECT_TRUE(std::filesystem::exists(src / "hello.exe" / "guardado"));
}

TEST_F(KaucMake, CtrlCEndsTheExecutableWithItsText) {
  // The file it writes says that it has reached its loop.
  Source("loop.pas",
         "PROGRAM Laco;\nVAR i: INTEGER; f: TEXT;\nBEGIN\n  i := 0;\n  WRITELN('inicio');\n"
         "  ASSIGN(f, 'pronto.txt');\n  REWRITE(f);\n  WRITELN(f, 'sim');\n  CLOSE(f);\n"
         "  WHILE TRUE DO i := i + 1;\nEND.\n");
  const auto src = dir_ / "src", elsewhere = dir_ / "elsewhere";
  ASSERT_EQ(Shell(src, std::string("'") + KAUC_PATH + "' make loop.pas"), 0) << Err(src);
  const std::string executable = (src / "loop.exe").string();
  const std::string out = (elsewhere / "out").string();
  const std::string err = (elsewhere / "err").string();
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::chdir(elsewhere.c_str()) != 0 || !std::freopen(out.c_str(), "w", stdout) ||
        !std::freopen(err.c_str(), "w", stderr) || !std::freopen("/dev/null", "r", stdin))
      ::_exit(99);
    ::execl(executable.c_str(), executable.c_str(), static_cast<char*>(nullptr));
    ::_exit(98);
  }
  const auto giveUp = std::chrono::steady_clock::now() + kau::testing::kHangBound;
  while (ReadText(elsewhere / "pronto.txt") != "sim\n" && std::chrono::steady_clock::now() < giveUp)
    std::this_thread::yield();
  ::kill(child, SIGINT);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(Out(elsewhere), "inicio\n");
  EXPECT_EQ(Err(elsewhere),
            " => Detectado CTRL+ C durante a execução do programa! \n"
            " => A execução foi interrompida!\n");
}

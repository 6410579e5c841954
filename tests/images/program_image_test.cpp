#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "compiler/program_dump.h"
#include "interpreter/arquivo_compilado.h"
#include "interpreter/elf_image.h"
#include "interpreter/executable_file.h"
#include "interpreter/lzss.h"
#include "interpreter/program_dump_reader.h"
#include "interpreter/runner_loader.h"
#include "tests/images/test_files.h"
#include "text/code_pages.h"

using namespace kau;
using Bytes = std::vector<std::uint8_t>;
using kau::testing::ReadFile;

namespace {

Bytes AppendedPart(const std::vector<Word>& code) {
  Bytes image;
  ArquivoCompilado(code.data(), static_cast<int>(code.size())).Write(image);
  return image;
}

Bytes AppendedDump(std::string_view dump) {
  Bytes image;
  AppendProgramStream(lzss::Encode(std::span(reinterpret_cast<const std::uint8_t*>(dump.data()), dump.size())), image);
  return image;
}

const std::string kDamaged = text::cp1252(" => O programa compilado deste executável está danificado!");
const std::string kNoProgram = text::cp1252(" => Este executável não contém um programa compilado!");
const std::string kTooLarge = text::cp1252(" => O programa compilado não cabe na memória do interpretador!");

}  // namespace

TEST(ProgramDump, ReadsWhatTheFormatterWrites) {
  const std::vector<Word> code = {71, 2, 4000, 4, 46, -2147483647 - 1, 2147483647, 36};
  const std::string dump = FormatProgramDump(code.data(), static_cast<int>(code.size()));
  EXPECT_EQ(dump, "8 9 71 2 4000 4 46 -2147483648 2147483647 36 ");
  std::vector<Word> read;
  Word count = 0;
  ASSERT_EQ(ReadProgramDump(dump, read, count), DumpStatus::Ok);
  EXPECT_EQ(read, code);
  EXPECT_EQ(count, 9);  // M: the runner's frame begins one word later
}

TEST(ProgramDump, RejectsWhatTheFormatterNeverWrites) {
  struct Case {
    const char* text;
    DumpStatus status;
  };
  const Case cases[] = {
      {"1 2 36 ", DumpStatus::Ok},
      {"", DumpStatus::Malformed},
      {"1 2 36", DumpStatus::Malformed},             // the last blank missing
      {"1 2  36 ", DumpStatus::Malformed},           // two blanks
      {"1 3 36 ", DumpStatus::Malformed},            // M is not N + 1
      {"0 1 ", DumpStatus::Malformed},               // no code at all
      {"-1 0 ", DumpStatus::Malformed},
      {"3 4 1 2 ", DumpStatus::Malformed},           // fewer words than N
      {"1 2 36 36 ", DumpStatus::Malformed},         // more words than N
      {"1 2 2147483648 ", DumpStatus::Malformed},    // beyond 32 bits
      {"1 2 -2147483649 ", DumpStatus::Malformed},
      {"1 2 99999999999999999999 ", DumpStatus::Malformed},
      {"1 2 3x ", DumpStatus::Malformed},
      {"1 2 - ", DumpStatus::Malformed},
      {"1 2 +3 ", DumpStatus::Malformed},
      {"2147483647 2147483648 ", DumpStatus::Malformed},
      {"999999 1000000 ", DumpStatus::TooLarge},     // the frame would begin past the memory
      {"50000000 50000001 1 ", DumpStatus::TooLarge},
      {"999998 999999 1 ", DumpStatus::Malformed},   // fits, but the words are missing
  };
  for (const Case& c : cases) {
    std::vector<Word> code;
    Word count = 0;
    EXPECT_EQ(ReadProgramDump(c.text, code, count), c.status) << '"' << c.text << '"';
  }
}

TEST(ElfImage, EndsWhereTheFileEndsAndIgnoresAppendedBytes) {
  Bytes self = ReadFile("/proc/self/exe");
  ASSERT_EQ(ElfImageEnd(self), self.size());
  const std::size_t size = self.size();
  self.insert(self.end(), {0x1A, 0x1A, 0x1A, 1, 2, 3, 0xFF});
  EXPECT_EQ(ElfImageEnd(self), size);
  // Cut short, its tables reach past the end.
  EXPECT_FALSE(ElfImageEnd(std::span(self.data(), size - 1)));
  EXPECT_FALSE(ElfImageEnd(std::span(self.data(), 40)));
  EXPECT_FALSE(ElfImageEnd(Bytes(200, 0x1A)));
  Bytes notElf = self;
  notElf[1] = 'X';
  EXPECT_FALSE(ElfImageEnd(notElf));
}

TEST(RunnerLoader, FindsTheProgramAfterTheImageEvenWhenTheCodeHoldsTheMarker) {
  Bytes executable = ReadFile("/proc/self/exe");
  const std::size_t runnerSize = executable.size();
  // Marker bytes inside the image, as machine code may hold them.
  for (std::size_t at : {runnerSize / 2, runnerSize - 8})
    std::fill_n(executable.begin() + static_cast<long>(at), 3, 0x1A);
  ASSERT_TRUE(ElfImageEnd(executable));
  const std::vector<Word> code = {71, 3, 4000, 4, 36};
  const Bytes appended = AppendedPart(code);
  executable.insert(executable.end(), appended.begin(), appended.end());
  EXPECT_EQ(executable[runnerSize + 3], 0x07);  // the stream's header follows the marker
  LoadedProgram program;
  std::string message;
  ASSERT_TRUE(LoadAppendedProgram(executable, program, message)) << message;
  EXPECT_EQ(program.code, code);
  EXPECT_EQ(program.wordCount, 6);
}

TEST(RunnerLoader, DamagedOrMissingProgramsGiveAMessage) {
  const Bytes good = AppendedPart({71, 3, 4000, 4, 36});
  const Bytes noEnd(good.begin(), good.end() - 1);
  Bytes cut(good.begin(), good.end() - 4);
  cut.push_back(kImageEnd);
  Bytes badHeader = good;
  badHeader[3] = 0x00;  // the name's length: 0, so the name becomes tokens
  struct Case {
    const char* what;
    Bytes appended;
    const std::string& message;
  };
  const Case cases[] = {
      {"nothing", {}, kNoProgram},
      {"no marker", {0x1A, 0x1A, 0x07, 0xFF}, kNoProgram},
      {"marker and end only", {0x1A, 0x1A, 0x1A, 0xFF}, kDamaged},
      {"no end byte", noEnd, kDamaged},
      {"stream cut", cut, kDamaged},
      {"stream misread", badHeader, kDamaged},
      {"not a dump", AppendedDump("hello"), kDamaged},
      {"counts disagree", AppendedDump("1 3 36 "), kDamaged},
      {"number out of range", AppendedDump("1 2 4294967296 "), kDamaged},
      {"too large", AppendedDump("2000000 2000001 1 2 3 "), kTooLarge},
  };
  for (const Case& c : cases) {
    LoadedProgram program;
    std::string message;
    EXPECT_FALSE(ReadAppendedProgram(c.appended, program, message)) << c.what;
    EXPECT_EQ(message, c.message) << c.what;
    EXPECT_TRUE(program.code.empty()) << c.what;
  }
  // A whole file that is no ELF image, or has nothing after it.
  LoadedProgram program;
  std::string message;
  EXPECT_FALSE(LoadAppendedProgram(good, program, message));
  EXPECT_EQ(message, kNoProgram);
  EXPECT_FALSE(LoadAppendedProgram(ReadFile("/proc/self/exe"), program, message));
  EXPECT_EQ(message, kNoProgram);
}

TEST(ExecutableFile, NamesBesideTheSource) {
  const std::pair<const char*, const char*> cases[] = {
      {"hello.pas", "hello.exe"}, {"dir/prog.PAS", "dir/prog.exe"}, {"prog.p", "proexe"},
      {"a.pa", "aexe"},           {"abc", "abc.exe"},               {"d/ab", "d/ab.exe"},
      {"x/y.exe", "x/y.exe.exe"}, {"/tmp/p.pas", "/tmp/p.exe"},
  };
  for (const auto& [source, target] : cases) EXPECT_EQ(ExecutablePathFor(source), target) << source;
}

class ExecutableFileWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("exe_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir_), {}));
  }
  std::filesystem::path dir_;
};

TEST_F(ExecutableFileWrite, ReplacesAnOlderTargetAsAWholeAndMarksItExecutable) {
  const std::string target = (dir_ / "prog.exe").string();
  std::ofstream(target) << "older";
  const Bytes bytes = {1, 2, 3, 0x1A, 0xFF};
  std::string error;
  ASSERT_TRUE(WriteExecutableFile(target, bytes, error)) << error;
  EXPECT_EQ(ReadFile(target), bytes);
  struct stat info;
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_TRUE(info.st_mode & S_IXUSR);
  EXPECT_EQ(Entries(), 1u);  // no temporary file left
}

TEST_F(ExecutableFileWrite, AFailureLeavesNothingAndReportsTheName) {
  // A folder where the target should be: the rename fails.
  const std::string target = (dir_ / "prog.exe").string();
  std::filesystem::create_directories(dir_ / "prog.exe" / "inside");
  std::string error;
  EXPECT_FALSE(WriteExecutableFile(target, Bytes{1, 2, 3}, error));
  EXPECT_EQ(error, text::cp1252(" => Erro ao gerar o executável...# => Não foi possível gravar o arquivo '") +
                       target + "'!");
  EXPECT_TRUE(std::filesystem::exists(dir_ / "prog.exe" / "inside"));
  EXPECT_EQ(Entries(), 1u);
  // A folder that does not exist.
  const std::string missing = (dir_ / "no" / "prog.exe").string();
  EXPECT_FALSE(WriteExecutableFile(missing, Bytes{1}, error));
  EXPECT_NE(error.find("'" + missing + "'"), std::string::npos);
}

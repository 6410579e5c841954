#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "compiler/word_code.h"
#include "interpreter/elf_image.h"
#include "interpreter/generated_executable.h"
#include "interpreter/lzss.h"
#include "interpreter/runner_loader.h"
#include "interpreter/run_time_image.h"
#include "tests/images/test_files.h"
#include "text/code_pages.h"

using namespace kau;
using Bytes = std::vector<std::uint8_t>;
using kau::testing::ReadFile;

namespace {

// ENTER with no globals, then the body, then HALT.
std::vector<Word> Program(std::initializer_list<Word> body) {
  std::vector<Word> code = {OP_ENTER, 0, 4000, 4};
  code.insert(code.end(), body);
  code.push_back(OP_HALT);
  return code;
}

class GeneratedExecutable : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("generated_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_ / "elsewhere");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Make(const std::vector<Word>& code) {
    const std::string path = (dir_ / "prog.exe").string();
    std::string error;
    EXPECT_TRUE(GenerateExecutable(path, code.data(), static_cast<int>(code.size()), error)) << error;
    return path;
  }

  static void Overwrite(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
  }

  // Runs the executable from another folder with no input.
  kau::testing::CommandResult Run(const std::string& executable) {
    return kau::testing::RunIn(dir_ / "elsewhere", "'" + executable + "'");
  }

  std::filesystem::path dir_;
};

}  // namespace

TEST(RunTimeImage, DecodesToTheBuiltRunnerByteForByte) {
  Bytes runner;
  std::string message;
  ASSERT_EQ(lzss::Decode(RunTimeImage(), runner, message), lzss::DecodeStatus::Ok) << message;
  EXPECT_EQ(runner, ReadFile(KAU_RUNNER_PATH));
  // And the build's stream is what the encoder makes of the runner.
  const Bytes stream = lzss::Encode(runner);
  EXPECT_TRUE(std::equal(stream.begin(), stream.end(), RunTimeImage().begin(), RunTimeImage().end()));
}

TEST_F(GeneratedExecutable, LayoutIsRunnerMarkerStreamAndEnd) {
  const std::vector<Word> code = Program({OP_PUSH, 42, OP_WRITE, 1});
  const Bytes image = ReadFile(Make(code));
  const Bytes runner = ReadFile(KAU_RUNNER_PATH);
  ASSERT_GT(image.size(), runner.size() + 12);
  EXPECT_TRUE(std::equal(runner.begin(), runner.end(), image.begin()));
  const Bytes header(image.begin() + static_cast<long>(runner.size()), image.begin() + static_cast<long>(runner.size()) + 11);
  EXPECT_EQ(header, (Bytes{0x1A, 0x1A, 0x1A, 0x07, 0x69, 0x6E, 0x2E, 0x70, 0x61, 0x73, 0x00}));
  EXPECT_EQ(image.back(), 0xFF);
  // The stream holds the dump: N, N + 1 and the words.
  Bytes dump;
  std::string message;
  const std::size_t streamSize = image.size() - runner.size() - sizeof kProgramMarker - kStreamChecksumSize - 1;
  ASSERT_EQ(lzss::Decode(std::span(image).subspan(runner.size() + 3, streamSize), dump, message),
            lzss::DecodeStatus::Ok);
  EXPECT_EQ(std::string(dump.begin(), dump.end()), "9 10 71 0 4000 4 46 42 98 1 36 ");
}

TEST_F(GeneratedExecutable, RunsFromAnotherFolderWithPlainOutput) {
  const kau::testing::CommandResult result = Run(Make(Program({OP_PUSH, 42, OP_WRITE, 1, OP_WRITE, 5})));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "42\n");
  EXPECT_EQ(result.err, "");
}

TEST_F(GeneratedExecutable, ARunTimeErrorWritesItsTextOnStandardErrorAndExitsWithOne) {
  const kau::testing::CommandResult result = Run(Make(Program({OP_PUSH, 7, OP_WRITE, 1, OP_PUSH, 1, OP_PUSH, 0, OP_DIVI})));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "7");
  EXPECT_EQ(result.err, " => Erro de execução... ...\n => Divisão por Zero!\n");
}

TEST_F(GeneratedExecutable, DamagedExecutablesStopWithAMessage) {
  const std::string path = Make(Program({OP_PUSH, 42, OP_WRITE, 1}));
  const Bytes good = ReadFile(path);
  const Bytes runner = ReadFile(KAU_RUNNER_PATH);
  struct Case {
    const char* what;
    Bytes bytes;
    const char* message;
  };
  const Case cases[] = {
      {"runner alone", runner, " => Este executável não contém um programa compilado!\n"},
      {"end byte missing", Bytes(good.begin(), good.end() - 1), " => O programa compilado deste executável está danificado!\n"},
      {"stream cut", [&] { Bytes b(good.begin(), good.end() - 6); b.push_back(0xFF); return b; }(),
       " => O programa compilado deste executável está danificado!\n"},
  };
  for (const Case& c : cases) {
    Overwrite(path, c.bytes);
    const kau::testing::CommandResult result = Run(path);
    EXPECT_EQ(result.status, 2) << c.what;
    EXPECT_EQ(result.err, c.message) << c.what;
    EXPECT_EQ(result.out, "") << c.what;
  }
}

// The stream carries a CRC-32: whatever single byte of the embedded program
// changes (marker, stream, checksum or end byte), the runner refuses it
// instead of running some other program that the damaged stream decodes to.
TEST_F(GeneratedExecutable, NoSingleChangedByteOfTheEmbeddedProgramRuns) {
  std::vector<Word> body;
  for (Word i = 0; i < 40; ++i) body.insert(body.end(), {OP_PUSH, 1000 + i * 37, OP_WRITE, 1, OP_WRITE, 5});
  std::vector<Word> code = {OP_ENTER, 0, 4000, 4};
  code.insert(code.end(), body.begin(), body.end());
  code.push_back(OP_HALT);
  const std::string path = Make(code);
  const Bytes good = ReadFile(path);
  const std::optional<std::size_t> programStart = ElfImageEnd(good);
  ASSERT_TRUE(programStart);
  const std::string damaged = text::cp1252(" => O programa compilado deste executável está danificado!");
  const std::string missing = text::cp1252(" => Este executável não contém um programa compilado!");
  LoadedProgram program;
  std::string message;
  ASSERT_TRUE(LoadAppendedProgram(good, program, message)) << message;

  std::mt19937 random(20261207);
  std::uniform_int_distribution<std::size_t> position(*programStart, good.size() - 1);
  std::uniform_int_distribution<int> change(1, 255);
  std::vector<Bytes> changed;
  Bytes bytes = good;
  for (int i = 0; i < 1000; ++i) {
    const std::size_t at = position(random);
    const std::uint8_t flip = static_cast<std::uint8_t>(change(random));
    bytes[at] ^= flip;
    // The loader is the runner's own path from its file's bytes to the code.
    EXPECT_FALSE(LoadAppendedProgram(bytes, program, message)) << "byte " << at;
    EXPECT_TRUE(message == damaged || message == missing) << "byte " << at << ": " << message;
    if (i < 12) changed.push_back(bytes);
    bytes[at] ^= flip;
  }
  // A few of them as executables of their own.
  for (const Bytes& damagedBytes : changed) {
    Overwrite(path, damagedBytes);
    const kau::testing::CommandResult result = Run(path);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(result.err == text::cp1252ToUtf8(damaged) + "\n" || result.err == text::cp1252ToUtf8(missing) + "\n")
        << result.err;
  }
}

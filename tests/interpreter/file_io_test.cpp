// Text files: write, close, reset, read back, EOF, append, the file errors,
// CR LF lines, UTF-8 contents, every file closed at the end of a run, and
// opens, writes and closes that the system refuses.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "interpreter/runtime_errors.h"
#include "tests/interpreter/assembler.h"
#include "text/code_pages.h"

namespace kau::testing {
namespace {

namespace fs = std::filesystem;

class TextFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kau_files_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    old_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(old_);
    fs::remove_all(dir_);
  }
  static std::string contents(const char* name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void put(const char* name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }

  // f: TEXT at frame words 3..257 named `name`; scratch variables from 258.
  static Program withFile(const std::string& name) {
    Program p(270);
    p.storeString(3, name, 255);
    return p;
  }
  static void open(Program& p, Word opcode) { p.op({OP_LOADADDR, 0, 3, OP_LOADSTR, 255, opcode}); }

  fs::path dir_, old_;
};

TEST_F(TextFiles, WriteCloseResetReadBack) {
  Program p = withFile("out.txt");
  open(p, OP_REWRITE);
  p.op({OP_LOADADDR, 0, 3, OP_PUSH, 12, OP_WRITEF, 1, OP_PUSH, ' ', OP_WRITEF, 2, OP_PUSH, 1, OP_WRITEF, 3,
        OP_PUSH, ' ', OP_WRITEF, 2});
  p.pushReal(2.5).op({OP_WRITEF, 4, OP_WRITEF, 5});
  p.pushString("s").op({OP_WRITESTRF, OP_PUSH, 7, OP_PUSH, 3, OP_WRITEWF, 1});
  p.pushString("ab").op({OP_PUSH, -4, OP_WRITESTRWF, OP_PUSH, 'x', OP_WRITEF, 2});
  p.pushReal(3.14159).op({OP_PUSH, 6, OP_PUSH, 2, OP_WRITERWDF, OP_WRITEF, 5, OP_POP});
  // RESET of the open name closes it (flushing) and reads what was written.
  open(p, OP_RESET);
  p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 258, OP_READF, 1, 0, OP_LOADADDR, 0, 259, OP_READF, 3, 1, OP_POP});
  p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 260, OP_READSTRF, 5, 1, OP_POP});
  p.op({OP_LOADVAL, 0, 258, OP_WRITE, 1, OP_LOADVAL, 0, 259, OP_WRITE, 3, OP_LOADADDR, 0, 260, OP_LOADSTR, 5,
        OP_WRITE, 6});
  open(p, OP_EOF);
  p.op({OP_WRITE, 3});
  const auto result = p.run();
  EXPECT_FALSE(result.error) << result.message;
  EXPECT_EQ(contents("out.txt"), "12 TRUE 2.500000\ns  7ab  x  3.14\n");
  EXPECT_EQ(result.output, "12TRUEs  7aTRUE");  // the second line was the last
}

TEST_F(TextFiles, EndOfFileAndCharacters) {
  put("in.txt", "a\r\nb");
  Program p = withFile("in.txt");
  open(p, OP_RESET);
  for (int i = 0; i < 4; ++i) {
    open(p, OP_EOF);
    p.op({OP_WRITE, 1});
    p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 258, OP_READF, 2, 0, OP_POP, OP_LOADVAL, 0, 258, OP_WRITE, 1,
          OP_PUSH, ',', OP_WRITE, 2});
  }
  EXPECT_EQ(p.run().output, "097,010,098,132,");
}

TEST_F(TextFiles, ReadlnSkipsWholeLines) {
  put("nums.txt", "12 34\nTRUE more words\n" + std::string(400, 'x') + "\nlast 5\n7");
  Program p = withFile("nums.txt");
  open(p, OP_RESET);
  p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 258, OP_READF, 1, 1, OP_POP});
  p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 259, OP_READF, 3, 1, OP_POP});
  p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 260, OP_READSTRF, 5, 1, OP_POP});  // a 400-character line
  p.op({OP_LOADADDR, 0, 3, OP_READF, 5, 1});  // READLN(f) alone skips a line
  p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 266, OP_READF, 1, 0, OP_POP});
  p.op({OP_LOADVAL, 0, 258, OP_WRITE, 1, OP_LOADVAL, 0, 259, OP_WRITE, 1, OP_LOADADDR, 0, 260, OP_LOADSTR, 5,
        OP_WRITE, 6, OP_LOADVAL, 0, 266, OP_WRITE, 1});
  EXPECT_EQ(p.run().output, "121xxxxx7");
}

TEST_F(TextFiles, AppendAndUtf8) {
  put("log.txt", "caf\xC3\xA9\n");
  Program p = withFile("log.txt");
  open(p, OP_APPEND);
  p.op({OP_LOADADDR, 0, 3, OP_PUSH, 0x87, OP_WRITEF, 2, OP_WRITEF, 5, OP_POP});
  open(p, OP_RESET);
  p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 258, OP_READSTRF, 10, 1, OP_POP});
  p.op({OP_LOADADDR, 0, 258, OP_LOADSTR, 10, OP_WRITE, 6});
  const auto result = p.run();
  EXPECT_EQ(contents("log.txt"), "caf\xC3\xA9\n\xC3\xA7\n");
  EXPECT_EQ(result.output, "caf\x82");  // é in code page 850
}

TEST_F(TextFiles, FilesLeftOpenAreFlushedAtTheEnd) {
  Program p = withFile("open.txt");
  open(p, OP_REWRITE);
  p.op({OP_LOADADDR, 0, 3, OP_PUSH, 5, OP_WRITEF, 1, OP_POP, OP_PUSH, 1, OP_PUSH, 0, OP_DIVI});
  EXPECT_TRUE(p.run().error);
  EXPECT_EQ(contents("open.txt"), "5");
}

TEST_F(TextFiles, MalformedNumbersAreErrors) {
  put("bad.txt", "x12\n");
  Program p = withFile("bad.txt");
  open(p, OP_RESET);
  p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 258, OP_READF, 1, 0});
  EXPECT_EQ(p.run().message, ErrorText(kErrorBadInteger));
  Program real = withFile("bad.txt");
  open(real, OP_RESET);
  real.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 258, OP_READF, 4, 0});
  EXPECT_EQ(real.run().message, ErrorText(kErrorBadReal));
  put("bool.txt", "true\n");
  Program boolean = withFile("bool.txt");
  open(boolean, OP_RESET);
  boolean.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 258, OP_READF, 3, 0});
  EXPECT_EQ(boolean.run().message, ErrorText(kErrorBadBoolean));
}

TEST_F(TextFiles, ErrorsOfFilesNotOpen) {
  const struct {
    const char* name;
    int error;
    const char* text;
  } cases[] = {
      {"eof", kErrorEofOnClosedFile, " => Arquivo fechado no comando EOF!"},
      {"read", kErrorReadClosedFile, " => Tentativa de leitura em arquivo que não foi aberto!"},
      {"readstr", kErrorReadClosedFile, " => Tentativa de leitura em arquivo que não foi aberto!"},
      {"write", kErrorWriteClosedFile, " => Tentativa de escrita em arquivo que não foi aberto!"},
      {"reset", kErrorResetMissingFile, " => O arquivo referido no comando RESET não existe!"},
      {"append", kErrorAppendMissingFile, " => O arquivo referido no comando APPEND não existe!"},
  };
  for (const auto& c : cases) {
    Program p = withFile("missing.txt");
    const std::string name = c.name;
    if (name == "eof") open(p, OP_EOF);
    if (name == "read") p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 258, OP_READF, 1, 0});
    if (name == "readstr") p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 258, OP_READSTRF, 5, 0});
    if (name == "write") p.op({OP_LOADADDR, 0, 3, OP_PUSH, 1, OP_WRITEF, 1});
    if (name == "reset") open(p, OP_RESET);
    if (name == "append") open(p, OP_APPEND);
    const auto result = p.run();
    EXPECT_EQ(result.message, ErrorText(c.error)) << c.name;
    EXPECT_EQ(result.message, std::string(" => Erro de execução... ...#") + c.text) << c.name;
  }
  // After CLOSE the file is no longer open.
  Program closed = withFile("c.txt");
  open(closed, OP_REWRITE);
  open(closed, OP_CLOSE);
  closed.op({OP_LOADADDR, 0, 3, OP_WRITEF, 5});
  EXPECT_EQ(closed.run().message, ErrorText(kErrorWriteClosedFile));
}

// A file that exists but that no stream can open (a socket).
class SocketFile {
 public:
  explicit SocketFile(const char* name) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", name);
    bound_ = ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  }
  ~SocketFile() { ::close(fd_); }
  bool bound() const { return bound_; }

 private:
  int fd_;
  bool bound_ = false;
};

// A refused open stops the run at the open; a write that the system does
// not take (here /dev/full, which takes nothing) stops it at the write that
// failed, or at the CLOSE, REWRITE or end of the run that flushed the text.
TEST_F(TextFiles, RefusedOpensWritesAndClosesStopTheRunThere) {
  fs::create_directory("pasta");
  const SocketFile socket("soquete");
  ASSERT_TRUE(socket.bound());
  const std::vector<Word> writeLine = {OP_LOADADDR, 0, 3, OP_PUSH, 'x', OP_WRITEF, 2, OP_WRITEF, 5, OP_POP};
  // WRITE(f, 'x':100000): more than any buffer holds.
  const std::vector<Word> writeWide = {OP_LOADADDR, 0, 3, OP_PUSH, 'x', OP_PUSH, 100000, OP_WRITEWF, 2, OP_POP};
  const struct {
    const char* what;
    const char* name;
    std::vector<std::vector<Word>> steps;  // before the marker written to the screen
    int error;
    const char* text;
  } cases[] = {
      {"rewrite onto a folder", "pasta", {{OP_REWRITE}}, kErrorRewriteFailed,
       " => Não foi possível abrir o arquivo no comando REWRITE!"},
      {"rewrite in a missing folder", "sem/arquivo.txt", {{OP_REWRITE}}, kErrorRewriteFailed,
       " => Não foi possível abrir o arquivo no comando REWRITE!"},
      {"reset of a socket", "soquete", {{OP_RESET}}, kErrorResetFailed,
       " => Não foi possível abrir o arquivo no comando RESET!"},
      {"append to a socket", "soquete", {{OP_APPEND}}, kErrorAppendFailed,
       " => Não foi possível abrir o arquivo no comando APPEND!"},
      {"write", "/dev/full", {{OP_REWRITE}, writeWide}, kErrorFileWriteFailed,
       " => Não foi possível gravar no arquivo!"},
      {"close", "/dev/full", {{OP_REWRITE}, writeLine, {OP_CLOSE}}, kErrorCloseFailed,
       " => Não foi possível gravar o arquivo no comando CLOSE!"},
      {"rewrite of the open name", "/dev/full", {{OP_REWRITE}, writeLine, {OP_REWRITE}}, kErrorFileWriteFailed,
       " => Não foi possível gravar no arquivo!"},
  };
  for (const auto& c : cases) {
    Program p = withFile(c.name);
    for (const std::vector<Word>& step : c.steps) {
      if (step.size() == 1) open(p, step[0]);
      else p.op(step);
    }
    p.op({OP_PUSH, 1, OP_WRITE, 1});  // not reached
    const auto result = p.run();
    EXPECT_EQ(result.message, ErrorText(c.error)) << c.what;
    EXPECT_EQ(result.message, std::string(" => Erro de execução... ...#") + c.text) << c.what;
    EXPECT_EQ(result.output, "") << c.what;
  }
  // Text left in a file that is never closed is written at the end of the
  // run; when it cannot be, the run ends with the error all the same.
  Program unclosed = withFile("/dev/full");
  open(unclosed, OP_REWRITE);
  unclosed.op(writeLine).op({OP_PUSH, 1, OP_WRITE, 1});
  const auto result = unclosed.run();
  EXPECT_EQ(result.output, "1");
  EXPECT_EQ(result.message, ErrorText(kErrorFileWriteFailed));
}

// The windows' stop sets the flag without a signal: a RESET that waits for a
// FIFO's writer and a READLN of a line without end give up on it.
TEST_F(TextFiles, AStopWithoutASignalEndsWaitsAndEndlessReads) {
  ASSERT_EQ(::mkfifo("fifo", 0600), 0);
  for (const char* name : {"fifo", "/dev/zero"}) {
    Program p = withFile(name);
    open(p, OP_RESET);
    p.op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 258, OP_READSTRF, 255, 1, OP_POP});
    FakeConsole console;
    std::atomic<bool> ended{false};
    std::thread stop([&ended] {
      while (!ended.load()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        console::interruptFlag().store(true);
      }
    });
    const auto result = p.run(console);
    ended.store(true);
    stop.join();
    EXPECT_EQ(result.message, text::cp1252ToUtf8(CtrlCText())) << name;
  }
}

}  // namespace
}  // namespace kau::testing

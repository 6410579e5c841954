// Text files: RESET, REWRITE, APPEND, CLOSE, EOF and the file forms of READ,
// READLN, WRITE and WRITELN. A file is found by the name its variable holds.
#include <memory>

#include "interpreter/interpretador.h"
#include "interpreter/item_types.h"
#include "interpreter/number_text.h"
#include "interpreter/runtime_errors.h"

namespace kau {

TextFile* Interpretador::FileOfVariableAt(Word depth) {
  std::string name;
  const Word address = At(static_cast<Word>(static_cast<std::int64_t>(top_) - depth));
  if (!running_) return nullptr;
  ReadStringVariable(address, name, kMaxStringLength);
  return running_ ? files_.FindOpenFile(name) : nullptr;
}

void Interpretador::OpOpenFile(int opcode) {
  std::string name;
  PopStackString(name);
  if (!running_) return;
  TextFile::Mode mode = TextFile::Mode::kRewrite;
  if (opcode == OP_RESET || opcode == OP_APPEND) {
    if (!FileExists(name)) {
      RaiseRuntimeError(opcode == OP_RESET ? kErrorResetMissingFile : kErrorAppendMissingFile);
      return;
    }
    mode = opcode == OP_RESET ? TextFile::Mode::kRead : TextFile::Mode::kAppend;
  }
  // A name already open is closed first, so that its output reaches the
  // file before it is opened again.
  if (!files_.RemoveOpenFile(name)) {
    RaiseRuntimeError(kErrorFileWriteFailed);
    return;
  }
  auto stream = std::make_unique<TextFile>(name, mode);
  if (!stream->isOpen()) {
    // A folder, a folder without write permission, a file without read
    // permission: the open itself fails, not the first write after it.
    RaiseRuntimeError(opcode == OP_RESET    ? kErrorResetFailed
                      : opcode == OP_APPEND ? kErrorAppendFailed
                                            : kErrorRewriteFailed);
    return;
  }
  files_.AddOpenFile(name, std::move(stream));
}

void Interpretador::OpCloseFile() {
  std::string name;
  PopStackString(name);
  if (running_ && !files_.RemoveOpenFile(name)) RaiseRuntimeError(kErrorCloseFailed);
}

void Interpretador::OpEof() {
  std::string name;
  PopStackString(name);
  if (!running_) return;
  TextFile* file = files_.FindOpenFile(name);
  if (!file) {
    RaiseRuntimeError(kErrorEofOnClosedFile);
    return;
  }
  Push(file->atEnd() ? 1 : 0);
}

void Interpretador::OpReadFile() {
  const Word type = Operand(1);
  const bool skipLine = Operand(2) == 1;
  const int item = type % 10;
  if (item == kItemLineEnd) {
    // READLN(f) without variables: the file variable's address is on top.
    TextFile* file = FileOfVariableAt(0);
    if (!file) {
      if (running_) RaiseRuntimeError(kErrorReadClosedFile);
      return;
    }
    file->skipLine();
    return;
  }
  const bool heapAware = type > kItemHeapAware;  // 11 and more
  TextFile* file = FileOfVariableAt(heapAware ? 2 : 1);
  Word value = 0;
  double real = 0.0;
  if (!file) {
    if (running_) RaiseRuntimeError(kErrorReadClosedFile);
  } else {
    switch (item) {
      case kItemInteger:
      case kItemLong: {
        const ScanResult result = ScanInteger(*file, value);
        if (result == ScanResult::kMalformed || result == ScanResult::kOutOfRange) RaiseRuntimeError(kErrorBadInteger);
        break;
      }
      case kItemChar: {
        const int c = file->get();
        value = c < 0 ? ' ' : c;
        break;
      }
      case kItemBoolean:
        if (ReadWord(*file, work_, kMaxStringLength)) {
          if (work_ == "TRUE") value = 1;
          else if (work_ != "FALSE") RaiseRuntimeError(kErrorBadBoolean);
        }
        break;
      case kItemReal:
        if (ScanReal(*file, real) == ScanResult::kMalformed) RaiseRuntimeError(kErrorBadReal);
        break;
      default: Fault(); break;
    }
    if (skipLine) file->skipLine();
  }
  const Word k = heapAware ? Pop() : 0;
  const Word a = Pop();
  if (file) StoreScalar(a, k, heapAware, item == kItemReal ? kItemReal : kItemInteger, value, real);
}

void Interpretador::OpReadStringFile() {
  const Word max = Operand(1);
  const Word type = Operand(2);
  const bool heapAware = type >= kItemHeapAware;
  TextFile* file = FileOfVariableAt(heapAware ? 2 : 1);
  work_.clear();
  if (!file) {
    if (running_) RaiseRuntimeError(kErrorReadClosedFile);
  } else if (type % 10 == 1) {
    ReadLine(*file, work_, KeptCharacters(max));  // the whole line is consumed, whatever its length
  } else {
    ReadWord(*file, work_, KeptCharacters(max));
  }
  const Word k = heapAware ? Pop() : 0;
  const Word a = Pop();
  if (!file) return;
  if (heapAware) StoreStringAt(a, k, work_, max);
  else StoreString(a, work_, max);
}

void Interpretador::OpWriteFile(int opcode) {
  // The value (with its width and decimals) is popped first; the file
  // variable's address then lies on top and stays for the next item.
  std::int64_t width = 0;
  std::int64_t zeros = 0;
  std::string text;
  switch (opcode) {
    case OP_WRITEF:
      if (Operand(1) == kItemLineEnd) text = "\n";
      else PopItemText(Operand(1), text);
      break;
    case OP_WRITEWF:
      width = Pop();
      PopItemText(Operand(1), text);
      break;
    case OP_WRITESTRF: PopStackString(text); break;
    case OP_WRITESTRWF:
      width = Pop();
      PopStackString(text);
      break;
    default: {
      const Word decimals = Pop();
      width = Pop();
      const double value = PopReal();
      text = FormatReal(value, decimals);
      zeros = ZerosPastFormatted(value, decimals);
      break;
    }
  }
  if (!running_) return;
  TextFile* file = FileOfVariableAt(0);
  if (!file) {
    if (running_) RaiseRuntimeError(kErrorWriteClosedFile);
    return;
  }
  WriteField(file, text, width, zeros);
}

}  // namespace kau

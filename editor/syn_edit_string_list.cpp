#include "editor/syn_edit_string_list.h"

#include <algorithm>
#include <istream>
#include <limits>
#include <ostream>

#include "editor/file_io.h"
#include "editor/file_text_encoding.h"
#include "editor/shared_text_buffer.h"
#include "editor/syn_edit_file_writer.h"
#include "text/code_pages.h"

namespace kau::editor {

namespace {

std::int32_t ClampLength(std::size_t length) {
  return static_cast<std::int32_t>(std::min<std::size_t>(length, std::numeric_limits<std::int32_t>::max()));
}

EFileTooLarge TextTooLarge() {
  return EFileTooLarge(text::cp1252("O texto é grande demais para o editor."));
}

}  // namespace

TSynEditStringList::TSynEditStringList() { SetTabWidth(8); }

TSynEditStringList::~TSynEditStringList() {
  // Editors still showing this store return to their own texts.
  if (fSharing) TSynSharedTextBuffer::ReleaseAll(*this);
  // The owner hears nothing while the store goes away.
  OnChange = {};
  OnChanging = {};
}

void TSynEditStringList::CheckIndex(int Index, int Last) const {
  if (Index < 0 || Index > Last) throw ESynEditStringList("Invalid stringlist index " + std::to_string(Index));
}

std::string TSynEditStringList::Get(int Index) const {
  if (Index < 0 || Index >= fCount) return {};
  return fList[static_cast<std::size_t>(Index)].fString;
}

int TSynEditStringList::LineLength(int Index) const {
  if (Index < 0 || Index >= fCount) return 0;
  return static_cast<int>(fList[static_cast<std::size_t>(Index)].fString.size());
}

int TSynEditStringList::GetCapacity() const { return static_cast<int>(fList.size()); }
int TSynEditStringList::GetCount() const { return fCount; }

TObject* TSynEditStringList::GetObject(int Index) const {
  if (Index < 0 || Index >= fCount) return nullptr;
  return fList[static_cast<std::size_t>(Index)].fObject;
}

SynRange TSynEditStringList::GetRange(int Index) const {
  if (Index < 0 || Index >= fCount) return kRangeNil;
  return fList[static_cast<std::size_t>(Index)].fRange;
}

void TSynEditStringList::Put(int Index, const std::string& S) {
  if (Index == fCount) {
    Add(S);
    return;
  }
  CheckIndex(Index, fCount - 1);
  TStringsUpdate update(*this);
  fIndexOfLongestLine = -1;
  TSynEditStringRec& rec = fList[static_cast<std::size_t>(Index)];
  rec.fFlags = static_cast<TSynEditStringFlags>((rec.fFlags | sfExpandedLengthUnknown) & ~(sfHasTabs | sfHasNoTabs));
  rec.fString = S;
  if (OnPutted) OnPutted(Index, S);
}

void TSynEditStringList::PutObject(int Index, TObject* AObject) {
  CheckIndex(Index, fCount - 1);
  TStringsUpdate update(*this);
  fList[static_cast<std::size_t>(Index)].fObject = AObject;
}

void TSynEditStringList::PutRange(int Index, SynRange ARange) {
  CheckIndex(Index, fCount - 1);
  TStringsUpdate update(*this);
  fList[static_cast<std::size_t>(Index)].fRange = ARange;
}

void TSynEditStringList::SetCapacity(int NewCapacity) {
  fList.resize(static_cast<std::size_t>(std::max(NewCapacity, fCount)));
}

void TSynEditStringList::SetUpdateState(bool Updating) {
  if (Updating) {
    if (OnChanging) OnChanging(this);
  } else {
    if (OnChange) OnChange(this);
  }
}

void TSynEditStringList::Grow() {
  const int capacity = GetCapacity();
  const int delta = capacity > 64 ? capacity / 4 : 16;
  if (capacity > std::numeric_limits<int>::max() - delta) throw TextTooLarge();
  SetCapacity(capacity + delta);
}

void TSynEditStringList::InsertItem(int Index, const std::string& S) {
  TStringsUpdate update(*this);
  if (fCount == GetCapacity()) Grow();
  const auto at = fList.begin() + Index;
  std::move_backward(at, fList.begin() + fCount, fList.begin() + fCount + 1);
  fIndexOfLongestLine = -1;
  *at = TSynEditStringRec{S, nullptr, kRangeUnscanned, -1, sfExpandedLengthUnknown};
  ++fCount;
}

int TSynEditStringList::Add(const std::string& S) {
  TStringsUpdate update(*this);
  const int index = fCount;
  InsertItem(index, S);
  if (OnAdded) OnAdded(index, S);
  return index;
}

void TSynEditStringList::Insert(int Index, const std::string& S) {
  CheckIndex(Index, fCount);
  TStringsUpdate update(*this);
  InsertItem(Index, S);
  if (OnInserted) OnInserted(Index, S);
}

void TSynEditStringList::AddStrings(const TStrings& Strings) {
  const int n = Strings.GetCount();
  if (n == 0) return;
  if (fCount > std::numeric_limits<int>::max() - n - 16) throw TextTooLarge();
  TStringsUpdate update(*this);
  fIndexOfLongestLine = -1;
  if (GetCapacity() < fCount + n) SetCapacity((fCount + n + 15) / 16 * 16);
  const int first = fCount;
  for (int i = 0; i < n; ++i) {
    fList[static_cast<std::size_t>(fCount)] =
        TSynEditStringRec{Strings.Get(i), Strings.GetObject(i), kRangeUnscanned, -1, sfExpandedLengthUnknown};
    ++fCount;
  }
  if (OnAdded) OnAdded(first, std::string());
}

void TSynEditStringList::InsertLines(int Index, int NumLines) {
  CheckIndex(Index, fCount);
  if (NumLines <= 0) return;
  if (fCount > std::numeric_limits<int>::max() - NumLines) throw TextTooLarge();
  TStringsUpdate update(*this);
  SetCapacity(fCount + NumLines);
  const auto at = fList.begin() + Index;
  std::move_backward(at, fList.begin() + fCount, fList.begin() + fCount + NumLines);
  std::fill(at, at + NumLines, TSynEditStringRec{std::string(), nullptr, kRangeNil, 0, 0});
  fCount += NumLines;
  fIndexOfLongestLine = -1;
  if (OnAdded) OnAdded(Index, std::string());
}

void TSynEditStringList::InsertStrings(int Index, const TStrings& Strings) {
  const int n = Strings.GetCount();
  if (n == 0) return;
  TStringsUpdate update(*this);
  InsertLines(Index, n);
  for (int k = 0; k < n; ++k) Put(Index + k, Strings.Get(k));
}

void TSynEditStringList::Delete(int Index) {
  CheckIndex(Index, fCount - 1);
  TStringsUpdate update(*this);
  std::move(fList.begin() + Index + 1, fList.begin() + fCount, fList.begin() + Index);
  --fCount;
  fList[static_cast<std::size_t>(fCount)] = TSynEditStringRec{};
  fIndexOfLongestLine = -1;
  if (OnDeleted) OnDeleted(Index);
}

void TSynEditStringList::DeleteLines(int Index, int NumLines) {
  if (NumLines <= 0) return;
  CheckIndex(Index, fCount);
  const int n = std::min(NumLines, fCount - Index);
  const auto first = fList.begin() + Index;
  if (Index + n < fCount) {
    TStringsUpdate update(*this);
    std::move(first + n, fList.begin() + fCount, first);
  }
  std::fill(fList.begin() + fCount - n, fList.begin() + fCount, TSynEditStringRec{});
  fCount -= n;
  fIndexOfLongestLine = -1;
  if (OnDeleted) OnDeleted(Index);
}

void TSynEditStringList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1, fCount - 1);
  CheckIndex(Index2, fCount - 1);
  TStringsUpdate update(*this);
  std::swap(fList[static_cast<std::size_t>(Index1)], fList[static_cast<std::size_t>(Index2)]);
  if (fIndexOfLongestLine == Index1)
    fIndexOfLongestLine = Index2;
  else if (fIndexOfLongestLine == Index2)
    fIndexOfLongestLine = Index1;
}

void TSynEditStringList::Clear() {
  TStringsUpdate update(*this);
  if (fCount > 0) {
    fList = {};
    fCount = 0;
    if (OnCleared) OnCleared(this);
  }
  fIndexOfLongestLine = -1;
}

std::string TSynEditStringList::ExpandString(int Index) const {
  TSynEditStringRec& rec = fList[static_cast<std::size_t>(Index)];
  if (rec.fString.empty()) {
    rec.fExpandedLength = 0;
    rec.fFlags = static_cast<TSynEditStringFlags>((rec.fFlags & ~(sfExpandedLengthUnknown | sfHasTabs)) | sfHasNoTabs);
    return {};
  }
  bool hasTabs = false;
  std::string result = fConvertTabsProc(rec.fString, fTabWidth, hasTabs);
  rec.fExpandedLength = ClampLength(result.size());
  rec.fFlags = static_cast<TSynEditStringFlags>((rec.fFlags & ~(sfExpandedLengthUnknown | sfHasTabs | sfHasNoTabs)) |
                                                (hasTabs ? sfHasTabs : sfHasNoTabs));
  return result;
}

std::string TSynEditStringList::GetExpandedString(int Index) const {
  if (Index < 0 || Index >= fCount) return {};
  const TSynEditStringRec& rec = fList[static_cast<std::size_t>(Index)];
  if (rec.fFlags & sfHasNoTabs) return rec.fString;
  return ExpandString(Index);
}

int TSynEditStringList::GetExpandedStringLength(int Index) const {
  if (Index < 0 || Index >= fCount) return 0;
  const TSynEditStringRec& rec = fList[static_cast<std::size_t>(Index)];
  if (rec.fFlags & sfExpandedLengthUnknown) return ClampLength(GetExpandedString(Index).size());
  return rec.fExpandedLength;
}

int TSynEditStringList::GetLengthOfLongestLine() const {
  if (fIndexOfLongestLine < 0) {
    std::int32_t best = 0;
    for (int i = 0; i < fCount; ++i) {
      const TSynEditStringRec& rec = fList[static_cast<std::size_t>(i)];
      if (rec.fFlags & sfExpandedLengthUnknown) ExpandString(i);
      if (rec.fExpandedLength > best) {
        best = rec.fExpandedLength;
        fIndexOfLongestLine = i;
      }
    }
  }
  if (fIndexOfLongestLine >= 0 && fIndexOfLongestLine < fCount)
    return fList[static_cast<std::size_t>(fIndexOfLongestLine)].fExpandedLength;
  return 0;
}

void TSynEditStringList::SetTabWidth(int Value) {
  if (Value == fTabWidth) return;
  fTabWidth = Value;
  fConvertTabsProc = GetBestConvertTabsProcEx(Value);
  fIndexOfLongestLine = -1;
  for (int i = 0; i < fCount; ++i) {
    TSynEditStringRec& rec = fList[static_cast<std::size_t>(i)];
    rec.fExpandedLength = -1;
    rec.fFlags = static_cast<TSynEditStringFlags>((rec.fFlags & ~sfHasNoTabs) | sfExpandedLengthUnknown);
  }
}

void TSynEditStringList::LoadText(std::string FileBytes) {
  TDecodedFileText decoded = DecodeFileText(std::move(FileBytes));
  std::string& Bytes = decoded.Text;
  TLineEndsSeen seen;
  {
    TStringsUpdate update(*this);
    Clear();
    if (!Bytes.empty()) {
      seen = SplitTextLines(Bytes, [&](std::size_t start, std::size_t length) { Add(Bytes.substr(start, length)); });
      if (!AppendNewLineAtEOF && (Bytes.back() == '\r' || Bytes.back() == '\n')) Add(std::string());
    }
  }
  if (seen.CR && !seen.LF)
    FileFormat = sffMac;
  else if (seen.CR && seen.LF)
    FileFormat = sffDos;
  else
    FileFormat = sffUnix;
  FileEncoding = decoded.Encoding;
  FileByteOrderMark = decoded.ByteOrderMark;
  CharactersReplaced = decoded.CharactersReplaced;
}

void TSynEditStringList::LoadFromFile(const std::string& FileName) {
  LoadText(ReadFileBytes(FileName, kMaxTextBytes));
}

void TSynEditStringList::LoadFromStream(std::istream& Stream) {
  std::string bytes;
  char chunk[65536];
  while (Stream.read(chunk, sizeof chunk) || Stream.gcount() > 0) {
    if (bytes.size() + static_cast<std::size_t>(Stream.gcount()) > kMaxTextBytes) throw TextTooLarge();
    bytes.append(chunk, static_cast<std::size_t>(Stream.gcount()));
  }
  if (Stream.bad()) throw EReadError("Erro de leitura");
  LoadText(std::move(bytes));
}

std::string TSynEditStringList::EncodeForFile(std::string Text) const {
  return EncodeFileText(std::move(Text), FileEncoding);
}

std::string_view TSynEditStringList::FilePreamble() const {
  return FileByteOrderMark ? kUtf8ByteOrderMark : std::string_view();
}

void TSynEditStringList::SaveToStream(std::ostream& Stream) {
  const std::string_view lineEnd = FileFormat == sffDos ? "\r\n" : FileFormat == sffUnix ? "\n" : "\r";
  std::size_t total = 0;
  for (int i = 0; i < fCount; ++i) total += fList[static_cast<std::size_t>(i)].fString.size() + lineEnd.size();
  std::string buffer;
  buffer.reserve(total);
  for (int i = 0; i < fCount; ++i) {
    buffer += fList[static_cast<std::size_t>(i)].fString;
    if (i + 1 < fCount || AppendNewLineAtEOF) buffer += lineEnd;
  }
  buffer = std::string(FilePreamble()) + EncodeForFile(std::move(buffer));
  if (!Stream.write(buffer.data(), static_cast<std::streamsize>(buffer.size()))) throw EWriteError("Erro de escrita");
}

void TSynEditStringList::SaveToFile(const std::string& FileName) {
  TSynEditFileWriter writer(FileName, FileFormat);
  writer.WriteText(FilePreamble());
  for (int i = 0; i < fCount; ++i) {
    const std::string line = EncodeForFile(fList[static_cast<std::size_t>(i)].fString);
    if (i + 1 >= fCount && !AppendNewLineAtEOF)
      writer.WriteText(line);
    else
      writer.WriteLine(line);
  }
  writer.Close();
}

}  // namespace kau::editor

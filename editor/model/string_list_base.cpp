#include "editor/model/string_list_base.h"

#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "editor/model/exceptions.h"
#include "editor/model/file_io.h"

namespace kau::editor {

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::Put(int Index, const std::string& S) {
  TStringsUpdate update(*this);
  TObject* object = GetObject(Index);
  Delete(Index);
  Insert(Index, S);
  PutObject(Index, object);
}

void TStrings::PutObject(int, TObject*) {}
void TStrings::SetCapacity(int) {}
void TStrings::SetUpdateState(bool) {}

int TStrings::Add(const std::string& S) {
  const int index = GetCount();
  Insert(index, S);
  return index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
  const int index = Add(S);
  PutObject(index, AObject);
  return index;
}

void TStrings::AddStrings(const TStrings& Strings) {
  TStringsUpdate update(*this);
  const int n = Strings.GetCount();
  for (int i = 0; i < n; ++i) AddObject(Strings.Get(i), Strings.GetObject(i));
}

void TStrings::Exchange(int Index1, int Index2) {
  TStringsUpdate update(*this);
  const std::string s1 = Get(Index1);
  TObject* o1 = GetObject(Index1);
  Put(Index1, Get(Index2));
  PutObject(Index1, GetObject(Index2));
  Put(Index2, s1);
  PutObject(Index2, o1);
}

void TStrings::Assign(const TStrings& Source) {
  if (&Source == this) return;
  TStringsUpdate update(*this);
  Clear();
  AddStrings(Source);
}

void TStrings::LoadFromFile(const std::string& FileName) {
  std::istringstream stream(ReadFileBytes(FileName, kMaxTextBytes));
  LoadFromStream(stream);
}

void TStrings::LoadFromStream(std::istream& Stream) {
  std::string bytes{std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>()};
  SetText(bytes);
}

void TStrings::SaveToFile(const std::string& FileName) {
  std::ostringstream stream;
  SaveToStream(stream);
  WriteFileSafely(FileName, stream.view());
}

void TStrings::SaveToStream(std::ostream& Stream) {
  const std::string text = GetText();
  if (!Stream.write(text.data(), static_cast<std::streamsize>(text.size()))) throw EWriteError("Erro de escrita");
}

void TStrings::BeginUpdate() {
  if (fUpdateCount == 0) SetUpdateState(true);
  ++fUpdateCount;
}

void TStrings::EndUpdate() {
  if (fUpdateCount == 0) return;
  --fUpdateCount;
  if (fUpdateCount == 0) SetUpdateState(false);
}

std::string TStrings::GetText() const {
  const int n = GetCount();
  std::size_t size = 0;
  for (int i = 0; i < n; ++i) size += Get(i).size() + 2;
  std::string text;
  text.reserve(size);
  for (int i = 0; i < n; ++i) {
    text += Get(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(std::string_view Value) {
  TStringsUpdate update(*this);
  Clear();
  SplitTextLines(Value, [&](std::size_t start, std::size_t length) { Add(std::string(Value.substr(start, length))); });
}

}  // namespace kau::editor

// TStrings: the abstract list of strings that the line store and the other
// lists of the editor derive from. Lines are code page 1252 text; each line
// may carry an object reference that the list does not own. The base batches
// change notifications: SetUpdateState (true) at the first BeginUpdate and
// SetUpdateState (false) at the EndUpdate that closes the last one.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "editor/model/object.h"
#include "editor/model/scope_exit.h"

namespace kau::editor {

// The largest file or text a list reads: with every line end counted as two
// characters the whole text stays within 32-bit offsets.
inline constexpr std::uint64_t kMaxTextBytes = 0x3FFFFFFF;

class TStrings : public TObject {
 public:
  ~TStrings() override = default;

  virtual std::string Get(int Index) const = 0;
  virtual int GetCapacity() const { return GetCount(); }
  virtual int GetCount() const = 0;
  virtual TObject* GetObject(int Index) const;
  virtual void Put(int Index, const std::string& S);
  virtual void PutObject(int Index, TObject* AObject);
  virtual void SetCapacity(int NewCapacity);
  virtual void SetUpdateState(bool Updating);
  virtual int Add(const std::string& S);
  virtual void AddStrings(const TStrings& Strings);
  virtual void Clear() = 0;
  virtual void Delete(int Index) = 0;
  virtual void Exchange(int Index1, int Index2);
  virtual void Insert(int Index, const std::string& S) = 0;
  virtual void LoadFromFile(const std::string& FileName);
  virtual void LoadFromStream(std::istream& Stream);
  virtual void SaveToFile(const std::string& FileName);
  virtual void SaveToStream(std::ostream& Stream);

  int Count() const { return GetCount(); }
  int AddObject(const std::string& S, TObject* AObject);
  void Assign(const TStrings& Source);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return fUpdateCount; }

  // Every line followed by CR LF.
  std::string GetText() const;
  // Replaces the lines; CR LF, CR, LF and NUL each end a line, and a line end
  // at the very end makes no empty last line.
  virtual void SetText(std::string_view Value);

 private:
  int fUpdateCount = 0;
};

// Ends the update that its construction began, also when the bracketed code
// throws.
using TStringsUpdate = TScopedBracket<TStrings, &TStrings::BeginUpdate, &TStrings::EndUpdate>;

// Calls AddLine (begin, length) for each line of Text: CR LF, CR, LF and NUL
// end a line (CR NUL, LF NUL and CR LF NUL end one line; LF CR ends two).
// Returns whether a CR and whether an LF ended some line.
struct TLineEndsSeen {
  bool CR = false;
  bool LF = false;
};
template <typename AddLine>
TLineEndsSeen SplitTextLines(std::string_view Text, AddLine addLine) {
  TLineEndsSeen seen;
  std::size_t n = 0;
  const std::size_t size = Text.size();
  while (n < size) {
    const std::size_t start = n;
    while (n < size && Text[n] != '\0' && Text[n] != '\n' && Text[n] != '\r') ++n;
    addLine(start, n - start);
    if (n < size && Text[n] == '\r') {
      seen.CR = true;
      ++n;
    }
    if (n < size && Text[n] == '\n') {
      seen.LF = true;
      ++n;
    }
    if (n < size && Text[n] == '\0') ++n;
  }
  return seen;
}

}  // namespace kau::editor

// TSynEditStringList: the line store of one editor control. One record per
// line holds the text (code page 1252, without its line end), an attached
// object that the store does not own, the highlighter's range at the end of
// the line, and a cache of the line's length with its tabs expanded. The
// store reads files with line-end detection and writes them back in the
// detected format and encoding.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/exceptions.h"
#include "editor/misc_procs.h"
#include "editor/string_list_base.h"
#include "editor/syn_range.h"

namespace kau::editor {

class ESynEditStringList : public Exception {
 public:
  using Exception::Exception;
};

using TSynEditStringFlags = std::uint8_t;
inline constexpr TSynEditStringFlags sfHasTabs = 1;                // the expanded text differs
inline constexpr TSynEditStringFlags sfHasNoTabs = 2;              // the expanded text is the text
inline constexpr TSynEditStringFlags sfExpandedLengthUnknown = 4;  // fExpandedLength is stale
inline constexpr TSynEditStringFlags sfWrapped = 8;                // continues the previous record

struct TSynEditStringRec {
  std::string fString;
  TObject* fObject = nullptr;
  SynRange fRange = kRangeUnscanned;
  std::int32_t fExpandedLength = -1;
  TSynEditStringFlags fFlags = sfExpandedLengthUnknown;
};

enum TSynEditFileFormat : std::uint8_t { sffDos, sffUnix, sffMac };

// How the lines are stored on disk (see file_text_encoding.h): a file that
// is valid UTF-8 is read and written as UTF-8; any other file is taken and
// written back byte for byte. New texts are UTF-8 without a byte-order mark.
enum class TSynEditFileEncoding : std::uint8_t { Utf8, Cp1252 };

class TSynSharedTextBuffer;

using TStringListIndexEvent = Method<void(int Index)>;
using TStringListInsertedEvent = Method<void(int Index, const std::string& S)>;

class TSynEditStringList : public TStrings {
 public:
  TSynEditStringList();
  ~TSynEditStringList() override;

  std::string Get(int Index) const override;
  // The length of line Index without copying it; 0 outside the store.
  int LineLength(int Index) const;
  int GetCapacity() const override;
  int GetCount() const override;
  TObject* GetObject(int Index) const override;
  void Put(int Index, const std::string& S) override;
  void PutObject(int Index, TObject* AObject) override;
  void SetCapacity(int NewCapacity) override;
  void SetUpdateState(bool Updating) override;
  int Add(const std::string& S) override;
  void AddStrings(const TStrings& Strings) override;
  void Clear() override;
  void Delete(int Index) override;
  void Exchange(int Index1, int Index2) override;
  void Insert(int Index, const std::string& S) override;
  void LoadFromFile(const std::string& FileName) override;
  void LoadFromStream(std::istream& Stream) override;
  void SaveToFile(const std::string& FileName) override;
  void SaveToStream(std::ostream& Stream) override;

  SynRange GetRange(int Index) const;
  void PutRange(int Index, SynRange ARange);
  void InsertLines(int Index, int NumLines);
  void InsertStrings(int Index, const TStrings& Strings);
  void DeleteLines(int Index, int NumLines);

  std::string GetExpandedString(int Index) const;
  int GetExpandedStringLength(int Index) const;
  int GetLengthOfLongestLine() const;

  int TabWidth() const { return fTabWidth; }
  void SetTabWidth(int Value);

  // Linux line ends for a new text and for a file read without any.
  TSynEditFileFormat FileFormat = sffUnix;
  TSynEditFileEncoding FileEncoding = TSynEditFileEncoding::Utf8;
  // The file began with a UTF-8 byte-order mark; saving writes it again.
  bool FileByteOrderMark = false;
  // Loading turned characters that code page 1252 lacks into "?", which a
  // save would write over them; whoever saves tells the user and clears it.
  bool CharactersReplaced = false;
  bool AppendNewLineAtEOF = true;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;
  TNotifyEvent OnCleared;
  TStringListIndexEvent OnDeleted;
  TStringListInsertedEvent OnAdded;
  TStringListInsertedEvent OnInserted;
  TStringListInsertedEvent OnPutted;

 private:
  friend class TSynSharedTextBuffer;

  void InsertItem(int Index, const std::string& S);
  std::string ExpandString(int Index) const;
  void Grow();
  void CheckIndex(int Index, int Last) const;
  // Decodes a file's bytes and splits them into lines.
  void LoadText(std::string FileBytes);
  // The lines with their line ends, encoded for the file.
  std::string EncodeForFile(std::string Text) const;
  // What the file holds before its first line: the byte-order mark or nothing.
  std::string_view FilePreamble() const;

  // The records, sized to the capacity; the first fCount are in use.
  mutable std::vector<TSynEditStringRec> fList;
  int fCount = 0;
  TConvertTabsProcEx fConvertTabsProc = nullptr;
  mutable int fIndexOfLongestLine = -1;
  int fTabWidth = 0;
  // The editors that show this store besides its owner; none while unshared.
  std::unique_ptr<TSynSharedTextBuffer> fSharing;
};

}  // namespace kau::editor

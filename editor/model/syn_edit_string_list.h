// TSynEditStringList: the line store of one editor control. One record per
// line holds where its text (code page 1252, without its line end) lies in
// the store's text arena, the highlighter's range at the end of the line,
// and a cache of the line's length with its tabs expanded; objects attached
// to lines, which the store does not own, live beside the records once any
// line has one. The store reads files with line-end detection and writes
// them back in the detected format and encoding. In word-wrap mode a line
// longer than WrapWidth columns is held as several records, each after the
// first marked sfWrapped; saving joins them into one line again.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "editor/model/exceptions.h"
#include "editor/model/misc_procs.h"
#include "editor/model/string_list_base.h"
#include "editor/model/syn_range.h"

namespace kau::editor {

class ESynEditStringList : public Exception {
 public:
  using Exception::Exception;
};

// 16 bytes a line: the text is a slice of the arena, the flags share a word
// with the length, and the range is packed into 32 bits.
struct TSynEditStringRec {
  static constexpr std::uint32_t sfHasTabs = 1u << 31;  // the expanded text differs
  static constexpr std::uint32_t sfWrapped = 1u << 30;  // continues the previous record
  static constexpr std::uint32_t kLengthMask = sfWrapped - 1;

  std::uint32_t fOffset = 0;          // where the text starts in the arena
  std::uint32_t fLengthAndFlags = 0;  // the text's length and the two flags
  std::int32_t fExpandedLength = -1;  // -1: not computed
  std::int32_t fRange = 0;            // the packed range

  std::uint32_t Length() const { return fLengthAndFlags & kLengthMask; }
};
static_assert(sizeof(TSynEditStringRec) == 16);

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
  // The text of line Index without copying it, valid until the store next
  // changes; empty outside the store.
  std::string_view LineView(int Index) const;
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
  // The lines in one block: one OnAdded (0, '') after the OnCleared.
  void SetText(std::string_view Value) override;

  // How many lines the latest OnAdded announced, from its index on.
  int AddedLineCount() const { return fAddedLineCount; }

  SynRange GetRange(int Index) const;
  void PutRange(int Index, SynRange ARange);
  void InsertLines(int Index, int NumLines);
  // Inserts the texts (which must not be views of this store's lines) as
  // lines from Index on, in one block: one OnAdded (Index, ''), the new lines
  // not scanned yet (range -1).
  void InsertLineTexts(int Index, std::span<const std::string_view> Texts);
  void InsertStrings(int Index, const TStrings& Strings);
  void DeleteLines(int Index, int NumLines);

  std::string GetExpandedString(int Index) const;
  int GetExpandedStringLength(int Index) const;
  int GetLengthOfLongestLine() const;

  int TabWidth() const { return fTabWidth; }
  void SetTabWidth(int Value);

  // Word-wrap mode. Switching it on cuts every line, switching it off joins
  // the pieces again; while it is on, Add, Insert, InsertLineTexts and
  // loading store a long line as its pieces.
  bool WordWrap() const { return fWordWrap; }
  void SetWordWrap(bool Value);
  // The column at which lines are cut; the tabs before it count expanded.
  int WrapWidth = 80;
  // Takes the first piece of L off into P: all of L with word wrap off.
  void WrapString(std::string& L, std::string& P) const;
  // Cuts record Index into its pieces, the first one keeping the record's
  // object and range; fires no event.
  void WrapLine(int Index);
  void DoWrapLines(int First, int Last);
  void DoWordWrap() { DoWrapLines(0, fCount - 1); }
  // Joins each continuation record from First to Last onto the record of
  // its line (from the line's first record even when First continues it).
  void DoUnWrapLines(int First, int Last);
  void DoWordUnWrap() { DoUnWrapLines(0, fCount - 1); }
  // Joins and cuts again the line that record Index belongs to (after an
  // edit of one of its pieces); returns the index of its first record.
  int ReWrapLine(int Index);
  // Whether record Index continues the record before it; false outside.
  bool IsLineWraped(int Index) const;

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
  // InsertItem in word-wrap mode: the pieces of S as records from Index on.
  void InsertWrappedItem(int Index, const std::string& S);
  // How many leading characters of L make its first piece (all of L with
  // word wrap off, at least one character of a non-empty L).
  std::size_t WrapCut(std::string_view L) const;
  // Appends the lengths of Text's pieces (one for an empty text).
  void CutPieces(std::string_view Text, std::vector<std::uint32_t>& Lengths) const;
  // Cuts each record from First to Last where WrapCut says, in one move of
  // the records after them; returns how many records were added.
  int WrapRecords(int First, int Last);
  // Joins the continuation records from First (a line's first record) to
  // Last onto their lines' first records, firing OnDeleted for each taken
  // out, from the last one up.
  void UnwrapRecords(int First, int Last);
  // Whether the texts of records First to End - 1 follow each other in the
  // arena, so that one record can cover them all.
  bool SideBySide(int First, int End) const;
  // The record after Index's last continuation record up to Last.
  int EndOfPieces(int Index, int Last) const;
  bool Wrapped(int Index) const { return (Rec(Index).fLengthAndFlags & TSynEditStringRec::sfWrapped) != 0; }
  // The record after the last one of the file line that starts at Index.
  int NextFileLine(int Index) const {
    int next = Index + 1;
    if (fWordWrap)
      while (next < fCount && Wrapped(next)) ++next;
    return next;
  }
  // Fires OnAdded (Index, S) for Count lines from Index on.
  void Announce(int Index, int Count, const std::string& S);
  std::string ExpandString(int Index) const;
  void Grow();
  void CheckIndex(int Index, int Last) const;
  // Decodes a file's bytes and splits them into lines.
  void LoadText(std::string FileBytes);
  // Replaces every line by the lines of Text (kept as the arena), in one
  // block; an empty last line is added when asked for.
  TLineEndsSeen TakeText(std::string Text, bool EmptyLastLine);
  // The lines with their line ends, encoded for the file.
  std::string EncodeForFile(std::string Text) const;
  // What the file holds before its first line: the byte-order mark or nothing.
  std::string_view FilePreamble() const;

  TSynEditStringRec& Rec(int Index) const { return fList[static_cast<std::size_t>(Index)]; }
  // A new record for S, its text at the end of the arena (S must not lie in
  // the arena, which PrepareArena has made ready).
  TSynEditStringRec NewRec(std::string_view S, SynRange Range, std::int32_t ExpandedLength);
  // Makes room for N records at Index (the capacity must hold them) and
  // closes the room of N records at Index, forgetting their texts.
  void OpenGap(int Index, int N);
  void CloseGap(int Index, int N);
  // Makes the arena ready for Bytes more text: rewritten when the unused
  // bytes outweigh the rest or it would outgrow 31-bit offsets, and with
  // Reserve grown once for a block of lines. Only here is the arena
  // rewritten, so it is called while every text in use belongs to a line.
  void PrepareArena(std::size_t Bytes, bool Reserve = false);
  std::size_t ArenaSize() const;
  std::uint32_t Append(std::string_view S);
  void Forget(const TSynEditStringRec& R);
  // Drops the arena and the wide ranges once no line is left.
  void ForgetAllTexts();
  // Rewrites the arena with only the texts of the lines, in their order.
  void Compact();
  std::int32_t PackRange(SynRange Range);
  SynRange UnpackRange(std::int32_t Packed) const;

  // The records, sized to the capacity; the first fCount are in use.
  mutable std::vector<TSynEditStringRec> fList;
  // Beside the records once any line carries an object, else empty.
  std::vector<TObject*> fObjects;
  int fCount = 0;
  // Every line's text, in two parts: the base (a loaded text as it was read,
  // or the texts of the last rewrite), which never grows, and the texts
  // stored since, so that the first edit after loading copies nothing. Bytes
  // no line uses any more are counted in fGarbage and dropped when they
  // outweigh the rest.
  std::string fBase;
  std::string fEdits;
  std::size_t fGarbage = 0;
  // Ranges too wide for 31 bits, by the index their records hold.
  std::vector<SynRange> fWideRanges;
  std::unordered_map<SynRange, std::int32_t> fWideRangeIndex;
  TConvertTabsProcEx fConvertTabsProc = nullptr;
  mutable int fIndexOfLongestLine = -1;
  int fTabWidth = 0;
  int fAddedLineCount = 0;
  bool fWordWrap = false;
  // The editors that show this store besides its owner; none while unshared.
  std::unique_ptr<TSynSharedTextBuffer> fSharing;
};

}  // namespace kau::editor

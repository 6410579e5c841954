#include "editor/model/syn_edit_string_list.h"

#include <algorithm>
#include <istream>
#include <limits>
#include <ostream>

#include "editor/model/file_io.h"
#include "editor/model/file_text_encoding.h"
#include "editor/model/shared_text_buffer.h"
#include "editor/model/syn_edit_file_writer.h"
#include "text/code_pages.h"

namespace kau::editor {

namespace {

std::int32_t ClampLength(std::size_t length) {
  return static_cast<std::int32_t>(std::min<std::size_t>(length, std::numeric_limits<std::int32_t>::max()));
}

EFileTooLarge TextTooLarge() {
  return EFileTooLarge(text::cp1252("O texto é grande demais para o editor."));
}

// Each part of the arena stays addressable by 31-bit offsets; the top bit of
// an offset says which part.
constexpr std::size_t kMaxPart = 0x7FFFFFFF;
constexpr std::uint32_t kInEdits = 0x80000000u;
// Ranges in [-2^30, 2^30) are kept as they are; wider ones by an index below.
constexpr SynRange kNarrowRange = SynRange{1} << 30;
// The arena is rewritten only when the unused bytes exceed both this and
// half of it, so that a rewrite is paid for by the edits that made them.
constexpr std::size_t kMinGarbage = 1 << 20;

bool IsWrapBreak(char C) { return C == '\t' || C == ' ' || C == ',' || C == ';' || C == '>'; }

// A record for Length characters of Whole's text from Start on, with its
// object and range; a continuation record when asked.
TSynEditStringRec Piece(const TSynEditStringRec& Whole, std::uint32_t Start, std::uint32_t Length, bool Continuation) {
  TSynEditStringRec r = Whole;
  r.fOffset = Length == 0 ? 0 : Whole.fOffset + Start;
  r.fLengthAndFlags = Length | (Continuation ? TSynEditStringRec::sfWrapped : 0);
  r.fExpandedLength = -1;
  return r;
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

std::int32_t TSynEditStringList::PackRange(SynRange Range) {
  if (Range >= -kNarrowRange && Range < kNarrowRange) return static_cast<std::int32_t>(Range);
  auto [at, added] = fWideRangeIndex.try_emplace(Range, static_cast<std::int32_t>(fWideRanges.size()));
  if (added) {
    if (fWideRanges.size() >= static_cast<std::size_t>(kNarrowRange)) throw TextTooLarge();
    fWideRanges.push_back(Range);
  }
  return std::numeric_limits<std::int32_t>::min() + at->second;
}

SynRange TSynEditStringList::UnpackRange(std::int32_t Packed) const {
  if (Packed >= -kNarrowRange) return Packed;
  return fWideRanges[static_cast<std::size_t>(Packed - std::numeric_limits<std::int32_t>::min())];
}

std::size_t TSynEditStringList::ArenaSize() const { return fBase.size() + fEdits.size(); }

void TSynEditStringList::Compact() {
  std::string base;
  base.reserve(ArenaSize() - fGarbage);
  for (int i = 0; i < fCount; ++i) {
    TSynEditStringRec& r = Rec(i);
    const std::string_view text = LineView(i);
    r.fOffset = static_cast<std::uint32_t>(base.size());
    base += text;
  }
  fBase = std::move(base);
  fEdits = {};
  fGarbage = 0;
}

void TSynEditStringList::PrepareArena(std::size_t Bytes, bool Reserve) {
  if ((fGarbage > kMinGarbage && fGarbage > ArenaSize() / 2) || fEdits.size() + Bytes > kMaxPart) Compact();
  if (fBase.size() > kMaxPart || fEdits.size() + Bytes > kMaxPart) throw TextTooLarge();
  if (Reserve) fEdits.reserve(fEdits.size() + Bytes);
}

std::uint32_t TSynEditStringList::Append(std::string_view S) {
  if (S.size() > TSynEditStringRec::kLengthMask || fEdits.size() + S.size() > kMaxPart) throw TextTooLarge();
  const std::uint32_t offset = static_cast<std::uint32_t>(fEdits.size()) | kInEdits;
  fEdits.append(S);
  return offset;
}

void TSynEditStringList::ForgetAllTexts() {
  fBase = {};
  fEdits = {};
  fGarbage = 0;
  fWideRanges = {};
  fWideRangeIndex = {};
}

void TSynEditStringList::Forget(const TSynEditStringRec& R) { fGarbage += R.Length(); }

TSynEditStringRec TSynEditStringList::NewRec(std::string_view S, SynRange Range, std::int32_t ExpandedLength) {
  TSynEditStringRec r;
  if (!S.empty()) r.fOffset = Append(S);
  r.fLengthAndFlags = static_cast<std::uint32_t>(S.size());
  r.fExpandedLength = ExpandedLength;
  r.fRange = PackRange(Range);
  return r;
}

void TSynEditStringList::OpenGap(int Index, int N) {
  const auto at = fList.begin() + Index;
  std::move_backward(at, fList.begin() + fCount, fList.begin() + fCount + N);
  if (!fObjects.empty()) {
    const auto objects = fObjects.begin() + Index;
    std::move_backward(objects, fObjects.begin() + fCount, fObjects.begin() + fCount + N);
    std::fill(objects, objects + N, nullptr);
  }
}

void TSynEditStringList::CloseGap(int Index, int N) {
  for (int i = Index; i < Index + N; ++i) Forget(Rec(i));
  const auto first = fList.begin() + Index;
  std::move(first + N, fList.begin() + fCount, first);
  std::fill(fList.begin() + fCount - N, fList.begin() + fCount, TSynEditStringRec{});
  if (!fObjects.empty()) {
    const auto objects = fObjects.begin() + Index;
    std::move(objects + N, fObjects.begin() + fCount, objects);
    std::fill(fObjects.begin() + fCount - N, fObjects.begin() + fCount, nullptr);
  }
  fCount -= N;
  // A store left empty starts afresh.
  if (fCount == 0) ForgetAllTexts();
}

std::string TSynEditStringList::Get(int Index) const { return std::string(LineView(Index)); }

std::string_view TSynEditStringList::LineView(int Index) const {
  if (Index < 0 || Index >= fCount) return {};
  const TSynEditStringRec& r = Rec(Index);
  const std::string& part = (r.fOffset & kInEdits) ? fEdits : fBase;
  return std::string_view(part).substr(r.fOffset & ~kInEdits, r.Length());
}

int TSynEditStringList::LineLength(int Index) const {
  if (Index < 0 || Index >= fCount) return 0;
  return static_cast<int>(Rec(Index).Length());
}

int TSynEditStringList::GetCapacity() const { return static_cast<int>(fList.size()); }
int TSynEditStringList::GetCount() const { return fCount; }

TObject* TSynEditStringList::GetObject(int Index) const {
  if (Index < 0 || Index >= fCount || fObjects.empty()) return nullptr;
  return fObjects[static_cast<std::size_t>(Index)];
}

SynRange TSynEditStringList::GetRange(int Index) const {
  if (Index < 0 || Index >= fCount) return kRangeNil;
  return UnpackRange(Rec(Index).fRange);
}

void TSynEditStringList::Put(int Index, const std::string& S) {
  if (Index == fCount) {
    Add(S);
    return;
  }
  CheckIndex(Index, fCount - 1);
  TStringsUpdate update(*this);
  fIndexOfLongestLine = -1;
  PrepareArena(S.size());
  TSynEditStringRec& rec = Rec(Index);
  const std::uint32_t offset = S.empty() ? 0 : Append(S);
  Forget(rec);
  rec.fOffset = offset;
  // The wrapped flag stays; the tab flag is known again with the length.
  rec.fLengthAndFlags = static_cast<std::uint32_t>(S.size()) | (rec.fLengthAndFlags & TSynEditStringRec::sfWrapped);
  rec.fExpandedLength = -1;
  if (OnPutted) OnPutted(Index, S);
}

void TSynEditStringList::PutObject(int Index, TObject* AObject) {
  CheckIndex(Index, fCount - 1);
  TStringsUpdate update(*this);
  if (fObjects.empty()) {
    if (!AObject) return;
    fObjects.resize(fList.size());
  }
  fObjects[static_cast<std::size_t>(Index)] = AObject;
}

void TSynEditStringList::PutRange(int Index, SynRange ARange) {
  CheckIndex(Index, fCount - 1);
  TStringsUpdate update(*this);
  Rec(Index).fRange = PackRange(ARange);
}

void TSynEditStringList::SetCapacity(int NewCapacity) {
  const std::size_t n = static_cast<std::size_t>(std::max(NewCapacity, fCount));
  // Exactly the records asked for, never the vector's own doubling.
  if (n > fList.capacity()) {
    std::vector<TSynEditStringRec> list;
    list.reserve(n);
    list.assign(fList.begin(), fList.begin() + fCount);
    fList = std::move(list);
  }
  fList.resize(n);
  if (n < fList.capacity()) fList.shrink_to_fit();
  if (!fObjects.empty()) {
    fObjects.resize(n);
    fObjects.shrink_to_fit();
  }
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

void TSynEditStringList::Announce(int Index, int Count, const std::string& S) {
  fAddedLineCount = Count;
  if (OnAdded) OnAdded(Index, S);
}

void TSynEditStringList::InsertItem(int Index, const std::string& S) {
  if (fWordWrap) {
    InsertWrappedItem(Index, S);
    return;
  }
  TStringsUpdate update(*this);
  if (fCount == GetCapacity()) Grow();
  PrepareArena(S.size());
  const TSynEditStringRec rec = NewRec(S, kRangeUnscanned, -1);
  OpenGap(Index, 1);
  fIndexOfLongestLine = -1;
  Rec(Index) = rec;
  ++fCount;
}

void TSynEditStringList::InsertWrappedItem(int Index, const std::string& S) {
  TStringsUpdate update(*this);
  std::vector<std::uint32_t> lengths;
  CutPieces(S, lengths);
  if (lengths.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() - fCount)) throw TextTooLarge();
  const int n = static_cast<int>(lengths.size());
  while (fCount + n > GetCapacity()) Grow();
  PrepareArena(S.size());
  // One text in the arena, each piece a slice of it.
  const TSynEditStringRec whole = NewRec(S, kRangeUnscanned, -1);
  OpenGap(Index, n);
  fIndexOfLongestLine = -1;
  std::uint32_t start = 0;
  for (int k = 0; k < n; ++k) {
    Rec(Index + k) = Piece(whole, start, lengths[static_cast<std::size_t>(k)], k > 0);
    start += lengths[static_cast<std::size_t>(k)];
  }
  fCount += n;
}

int TSynEditStringList::Add(const std::string& S) {
  TStringsUpdate update(*this);
  const int index = fCount;
  InsertItem(index, S);
  Announce(index, fCount - index, S);  // the line's pieces in word-wrap mode
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
  // Another line store gives its texts without copies; a list given to
  // itself copies them first, as its arena grows under them.
  const auto* store = dynamic_cast<const TSynEditStringList*>(&Strings);
  if (store == this) store = nullptr;
  if (store) PrepareArena(store->ArenaSize() - store->fGarbage, true);
  for (int i = 0; i < n; ++i) {
    const std::string copy = store ? std::string() : Strings.Get(i);
    if (!store) PrepareArena(copy.size());
    Rec(fCount) = NewRec(store ? store->LineView(i) : std::string_view(copy), kRangeUnscanned, -1);
    ++fCount;
    if (TObject* object = Strings.GetObject(i)) PutObject(fCount - 1, object);
  }
  Announce(first, n, std::string());
}

void TSynEditStringList::InsertLines(int Index, int NumLines) {
  CheckIndex(Index, fCount);
  if (NumLines <= 0) return;
  if (fCount > std::numeric_limits<int>::max() - NumLines) throw TextTooLarge();
  TStringsUpdate update(*this);
  SetCapacity(fCount + NumLines);
  OpenGap(Index, NumLines);
  const auto at = fList.begin() + Index;
  TSynEditStringRec empty;
  empty.fExpandedLength = 0;
  empty.fRange = PackRange(kRangeNil);
  std::fill(at, at + NumLines, empty);
  fCount += NumLines;
  fIndexOfLongestLine = -1;
  Announce(Index, NumLines, std::string());
}

void TSynEditStringList::InsertLineTexts(int Index, std::span<const std::string_view> Texts) {
  CheckIndex(Index, fCount);
  const int n = static_cast<int>(std::min<std::size_t>(Texts.size(), std::numeric_limits<int>::max()));
  if (n == 0) return;
  if (fCount > std::numeric_limits<int>::max() - n) throw TextTooLarge();
  TStringsUpdate update(*this);
  if (GetCapacity() < fCount + n) SetCapacity(fCount + n);
  std::size_t bytes = 0;
  for (const std::string_view text : Texts) {
    if (text.size() > TSynEditStringRec::kLengthMask) throw TextTooLarge();
    bytes += text.size();
  }
  // Room for every text first: nothing fails nor moves between the gap's
  // opening and its filling.
  PrepareArena(bytes, true);
  OpenGap(Index, n);
  for (int k = 0; k < n; ++k) Rec(Index + k) = NewRec(Texts[static_cast<std::size_t>(k)], kRangeUnscanned, -1);
  fCount += n;
  fIndexOfLongestLine = -1;
  const int pieces = fWordWrap ? n + WrapRecords(Index, Index + n - 1) : n;
  Announce(Index, pieces, std::string());
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
  CloseGap(Index, 1);
  fIndexOfLongestLine = -1;
  if (OnDeleted) OnDeleted(Index);
}

void TSynEditStringList::DeleteLines(int Index, int NumLines) {
  if (NumLines <= 0) return;
  CheckIndex(Index, fCount);
  const int n = std::min(NumLines, fCount - Index);
  if (Index + n < fCount) {
    TStringsUpdate update(*this);
    CloseGap(Index, n);
  } else {
    CloseGap(Index, n);
  }
  fIndexOfLongestLine = -1;
  if (OnDeleted) OnDeleted(Index);
}

void TSynEditStringList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1, fCount - 1);
  CheckIndex(Index2, fCount - 1);
  TStringsUpdate update(*this);
  std::swap(Rec(Index1), Rec(Index2));
  if (!fObjects.empty()) std::swap(fObjects[static_cast<std::size_t>(Index1)], fObjects[static_cast<std::size_t>(Index2)]);
  if (fIndexOfLongestLine == Index1)
    fIndexOfLongestLine = Index2;
  else if (fIndexOfLongestLine == Index2)
    fIndexOfLongestLine = Index1;
}

void TSynEditStringList::Clear() {
  TStringsUpdate update(*this);
  if (fCount > 0) {
    fList = {};
    fObjects = {};
    fCount = 0;
    ForgetAllTexts();
    if (OnCleared) OnCleared(this);
  }
  fIndexOfLongestLine = -1;
}

std::string TSynEditStringList::ExpandString(int Index) const {
  TSynEditStringRec& rec = Rec(Index);
  rec.fLengthAndFlags &= ~TSynEditStringRec::sfHasTabs;
  if (rec.Length() == 0) {
    rec.fExpandedLength = 0;
    return {};
  }
  bool hasTabs = false;
  std::string result = fConvertTabsProc(Get(Index), fTabWidth, hasTabs);
  rec.fExpandedLength = ClampLength(result.size());
  if (hasTabs) rec.fLengthAndFlags |= TSynEditStringRec::sfHasTabs;
  return result;
}

std::string TSynEditStringList::GetExpandedString(int Index) const {
  if (Index < 0 || Index >= fCount) return {};
  const TSynEditStringRec& rec = Rec(Index);
  if (rec.fExpandedLength >= 0 && !(rec.fLengthAndFlags & TSynEditStringRec::sfHasTabs)) return Get(Index);
  return ExpandString(Index);
}

int TSynEditStringList::GetExpandedStringLength(int Index) const {
  if (Index < 0 || Index >= fCount) return 0;
  TSynEditStringRec& rec = Rec(Index);
  if (rec.fExpandedLength < 0) {
    // A line without tabs is its own expansion: no copy to measure it.
    if (LineView(Index).find('\t') != std::string_view::npos) return ClampLength(ExpandString(Index).size());
    rec.fExpandedLength = static_cast<std::int32_t>(rec.Length());
    rec.fLengthAndFlags &= ~TSynEditStringRec::sfHasTabs;
  }
  return rec.fExpandedLength;
}

int TSynEditStringList::GetLengthOfLongestLine() const {
  if (fIndexOfLongestLine < 0) {
    std::int32_t best = 0;
    for (int i = 0; i < fCount; ++i) {
      const std::int32_t length = GetExpandedStringLength(i);
      if (length > best) {
        best = length;
        fIndexOfLongestLine = i;
      }
    }
  }
  if (fIndexOfLongestLine >= 0 && fIndexOfLongestLine < fCount) return Rec(fIndexOfLongestLine).fExpandedLength;
  return 0;
}

std::size_t TSynEditStringList::WrapCut(std::string_view L) const {
  if (!fWordWrap) return L.size();
  const std::size_t width = static_cast<std::size_t>(std::max(WrapWidth, 0));
  const std::size_t tabWidth = static_cast<std::size_t>(std::max(fTabWidth, 1));
  // The line's first columns up to the width, its tabs before the width
  // expanded; extra counts the columns the tabs grew by.
  std::string expanded;
  std::size_t extra = 0;
  for (std::size_t i = 0; i < L.size() && expanded.size() < width; ++i) {
    const std::size_t p = expanded.size() + 1;
    if (L[i] == '\t' && p < width) {
      const std::size_t blanks = p % tabWidth == 0 ? 1 : tabWidth - p % tabWidth + 1;
      expanded.append(blanks, ' ');
      extra += blanks - 1;
    } else {
      expanded += L[i];
    }
  }
  if (L.size() + extra <= width) return L.size();
  std::size_t q = std::min(width, expanded.size());
  while (q > 0 && !IsWrapBreak(expanded[q - 1])) --q;
  const std::int64_t cut = static_cast<std::int64_t>(q == 0 ? width : q) - static_cast<std::int64_t>(extra);
  // At least one character, so that cutting a line always comes to an end.
  std::size_t c = static_cast<std::size_t>(std::clamp<std::int64_t>(cut, 1, static_cast<std::int64_t>(L.size())));
  // The blanks after a break stay at the end of its piece.
  if (q > 0 && L.size() > c + 1 && (L[c] == '\t' || L[c] == ' '))
    while (c < L.size() && (L[c] == '\t' || L[c] == ' ')) ++c;
  return c;
}

void TSynEditStringList::CutPieces(std::string_view Text, std::vector<std::uint32_t>& Lengths) const {
  do {
    const std::size_t c = WrapCut(Text);
    Lengths.push_back(static_cast<std::uint32_t>(c));
    Text.remove_prefix(c);
  } while (!Text.empty());
}

void TSynEditStringList::WrapString(std::string& L, std::string& P) const {
  const std::size_t c = WrapCut(L);
  P = L.substr(0, c);
  L.erase(0, c);
}

int TSynEditStringList::WrapRecords(int First, int Last) {
  std::vector<std::uint32_t> lengths;
  std::vector<std::uint32_t> counts;
  for (int i = First; i <= Last; ++i) {
    const std::size_t before = lengths.size();
    CutPieces(LineView(i), lengths);
    counts.push_back(static_cast<std::uint32_t>(lengths.size() - before));
  }
  const std::size_t more = lengths.size() - counts.size();
  if (more > static_cast<std::size_t>(std::numeric_limits<int>::max() - fCount)) throw TextTooLarge();
  const int added = static_cast<int>(more);
  while (fCount + added > GetCapacity()) Grow();
  OpenGap(Last + 1, added);
  fCount += added;
  fIndexOfLongestLine = -1;
  const std::int32_t unscanned = PackRange(kRangeUnscanned);
  // From the last record back, so that each record is read before the
  // pieces of the records after it can cover its place.
  std::size_t piece = lengths.size();
  int to = Last + added;
  for (int i = Last; i >= First; --i) {
    const TSynEditStringRec whole = Rec(i);
    TObject* object = GetObject(i);
    const int count = static_cast<int>(counts[static_cast<std::size_t>(i - First)]);
    piece -= static_cast<std::size_t>(count);
    const int first = to - count + 1;
    std::uint32_t start = 0;
    for (int k = 0; k < count; ++k) {
      const std::uint32_t length = lengths[piece + static_cast<std::size_t>(k)];
      // The first piece goes on continuing what the record continued.
      TSynEditStringRec& r = Rec(first + k) =
          Piece(whole, start, length, k > 0 || (whole.fLengthAndFlags & TSynEditStringRec::sfWrapped));
      if (k > 0) r.fRange = unscanned;
      if (!fObjects.empty()) fObjects[static_cast<std::size_t>(first + k)] = k == 0 ? object : nullptr;
      start += length;
    }
    to = first - 1;
  }
  return added;
}

bool TSynEditStringList::SideBySide(int First, int End) const {
  bool any = false;
  std::uint32_t next = 0;
  for (int k = First; k < End; ++k) {
    const TSynEditStringRec& r = Rec(k);
    if (r.Length() == 0) continue;
    if (any && r.fOffset != next) return false;
    any = true;
    next = r.fOffset + r.Length();
  }
  return true;
}

int TSynEditStringList::EndOfPieces(int Index, int Last) const {
  int end = Index + 1;
  while (end <= Last && Wrapped(end)) ++end;
  return end;
}

void TSynEditStringList::UnwrapRecords(int First, int Last) {
  // Nothing changes before every joined line is known to fit a record and
  // the arena has room for the lines whose pieces were edited apart.
  std::size_t copied = 0;
  for (int i = First, end; i <= Last; i = end) {
    end = EndOfPieces(i, Last);
    std::size_t length = 0;
    for (int k = i; k < end; ++k) length += Rec(k).Length();
    if (length > TSynEditStringRec::kLengthMask) throw TextTooLarge();
    if (!SideBySide(i, end)) copied += length;
  }
  PrepareArena(copied);
  std::vector<int> taken;
  int to = First;
  for (int i = First, end; i <= Last; i = end, ++to) {
    end = EndOfPieces(i, Last);
    TSynEditStringRec head = Rec(i);
    TObject* object = GetObject(i);
    std::uint32_t length = 0;
    if (SideBySide(i, end)) {
      for (int k = i; k < end; ++k) {
        const TSynEditStringRec& r = Rec(k);
        if (length == 0) head.fOffset = r.fOffset;
        length += r.Length();
      }
    } else {
      std::string joined;
      for (int k = i; k < end; ++k) {
        joined += LineView(k);
        Forget(Rec(k));
      }
      head.fOffset = Append(joined);
      length = static_cast<std::uint32_t>(joined.size());
    }
    if (length == 0) head.fOffset = 0;
    head.fLengthAndFlags = length;
    head.fExpandedLength = -1;
    Rec(to) = head;
    if (!fObjects.empty()) fObjects[static_cast<std::size_t>(to)] = object;
    for (int k = i + 1; k < end; ++k) taken.push_back(k);
  }
  // The places left behind hold texts now covered by the joined records.
  for (int k = to; k <= Last; ++k) Rec(k).fLengthAndFlags = 0;
  CloseGap(to, Last + 1 - to);
  fIndexOfLongestLine = -1;
  // As if each record had been deleted in turn, from the last one up.
  if (OnDeleted)
    for (auto k = taken.rbegin(); k != taken.rend(); ++k) OnDeleted(*k);
}

void TSynEditStringList::DoWrapLines(int First, int Last) {
  if (First <= Last) {
    CheckIndex(First, fCount - 1);
    CheckIndex(Last, fCount - 1);
  }
  TStringsUpdate update(*this);
  if (First <= Last) WrapRecords(First, Last);
}

void TSynEditStringList::DoUnWrapLines(int First, int Last) {
  if (First <= Last) {
    CheckIndex(First, fCount - 1);
    CheckIndex(Last, fCount - 1);
  }
  TStringsUpdate update(*this);
  if (First > Last) return;
  // A continuation's text is never dropped: its line is joined whole.
  while (First > 0 && Wrapped(First)) --First;
  UnwrapRecords(First, Last);
}

void TSynEditStringList::WrapLine(int Index) {
  CheckIndex(Index, fCount - 1);
  WrapRecords(Index, Index);
}

void TSynEditStringList::SetWordWrap(bool Value) {
  if (Value == fWordWrap) return;
  fWordWrap = Value;
  if (Value)
    DoWordWrap();
  else
    DoWordUnWrap();
}

int TSynEditStringList::ReWrapLine(int Index) {
  if (!fWordWrap) return Index;
  CheckIndex(Index, fCount - 1);
  TStringsUpdate update(*this);
  int first = Index;
  while (first > 0 && Wrapped(first)) --first;
  UnwrapRecords(first, EndOfPieces(Index, fCount - 1) - 1);
  WrapRecords(first, first);
  return first;
}

bool TSynEditStringList::IsLineWraped(int Index) const { return Index >= 0 && Index < fCount && Wrapped(Index); }

void TSynEditStringList::SetTabWidth(int Value) {
  if (Value == fTabWidth) return;
  fTabWidth = Value;
  fConvertTabsProc = GetBestConvertTabsProcEx(Value);
  fIndexOfLongestLine = -1;
  for (int i = 0; i < fCount; ++i) Rec(i).fExpandedLength = -1;
}

TLineEndsSeen TSynEditStringList::TakeText(std::string Text, bool EmptyLastLine) {
  TStringsUpdate update(*this);
  Clear();
  if (Text.size() > kMaxPart) throw TextTooLarge();
  // Counted first, so that the records fill their array exactly.
  std::size_t lines = EmptyLastLine ? 1 : 0;
  SplitTextLines(Text, [&](std::size_t, std::size_t) { ++lines; });
  if (lines > static_cast<std::size_t>(std::numeric_limits<int>::max())) throw TextTooLarge();
  std::vector<TSynEditStringRec> list;
  list.reserve(lines);
  std::size_t used = 0;
  const TLineEndsSeen seen = SplitTextLines(Text, [&](std::size_t start, std::size_t length) {
    if (length > TSynEditStringRec::kLengthMask) throw TextTooLarge();
    TSynEditStringRec r;
    r.fOffset = static_cast<std::uint32_t>(length == 0 ? 0 : start);
    r.fLengthAndFlags = static_cast<std::uint32_t>(length);
    r.fRange = PackRange(kRangeUnscanned);
    list.push_back(r);
    used += length;
  });
  if (EmptyLastLine) list.push_back(TSynEditStringRec{0, 0, -1, PackRange(kRangeUnscanned)});
  if (list.empty()) return seen;
  // The text itself is the arena, its line ends unused.
  fList = std::move(list);
  fCount = static_cast<int>(fList.size());
  fBase = std::move(Text);
  fGarbage = fBase.size() - used;
  fIndexOfLongestLine = -1;
  if (fWordWrap) WrapRecords(0, fCount - 1);
  Announce(0, fCount, std::string());
  return seen;
}

void TSynEditStringList::SetText(std::string_view Value) { TakeText(std::string(Value), false); }

void TSynEditStringList::LoadText(std::string FileBytes) {
  TDecodedFileText decoded = DecodeFileText(std::move(FileBytes));
  const std::string& Bytes = decoded.Text;
  const bool emptyLastLine = !AppendNewLineAtEOF && !Bytes.empty() && (Bytes.back() == '\r' || Bytes.back() == '\n');
  const TLineEndsSeen seen = TakeText(std::move(decoded.Text), emptyLastLine);
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
  for (int i = 0; i < fCount; ++i) total += Rec(i).Length() + lineEnd.size();
  std::string buffer;
  buffer.reserve(total);
  for (int i = 0; i < fCount;) {
    const int next = NextFileLine(i);
    for (; i < next; ++i) buffer += LineView(i);
    if (next < fCount || AppendNewLineAtEOF) buffer += lineEnd;
  }
  buffer = std::string(FilePreamble()) + EncodeForFile(std::move(buffer));
  if (!Stream.write(buffer.data(), static_cast<std::streamsize>(buffer.size()))) throw EWriteError("Erro de escrita");
}

void TSynEditStringList::SaveToFile(const std::string& FileName) {
  TSynEditFileWriter writer(FileName, FileFormat);
  writer.WriteText(FilePreamble());
  for (int i = 0; i < fCount;) {
    const int next = NextFileLine(i);
    std::string text = Get(i);
    while (++i < next) text += LineView(i);
    const std::string line = EncodeForFile(std::move(text));
    if (i >= fCount && !AppendNewLineAtEOF)
      writer.WriteText(line);
    else
      writer.WriteLine(line);
  }
  writer.Close();
}

}  // namespace kau::editor

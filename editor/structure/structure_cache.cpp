#include "editor/structure/structure_cache.h"

#include <algorithm>

namespace kau::editor {

namespace {

// A run of shifts longer than this is applied at once, so that a long series
// of scattered insertions costs one pass over the words per so many.
constexpr std::size_t kMaxShifts = 16;
// Words matched between two kept states of the matcher.
constexpr int kCheckpointWords = 2048;
// Past the line asked for, how many lines further the states are made right
// at a time while openers wait for their closers.
constexpr int kRunAhead = 255;

}  // namespace

ScannedLineStates::ScannedLineStates(const TStrings& lines, TSynCustomHighlighter& highlighter)
    : lines_(lines), highlighter_(highlighter), initial_(InitialRange(highlighter)) {}

void ScannedLineStates::ScanThrough(int Index) {
  for (int i = static_cast<int>(ends_.size()); i <= Index; ++i) {
    highlighter_.SetRange(StartState(i));
    highlighter_.SetLine(lines_.Get(i), i);
    highlighter_.NextToEol();
    ends_.push_back(highlighter_.GetRange());
  }
}

SynRange ScannedLineStates::StartState(int Index) {
  return Index == 0 ? initial_ : ends_[static_cast<std::size_t>(Index) - 1];
}

StructureCache::StructureCache() : words_(ParseStructurePairs(DefaultStrutureTokens())) {}

void StructureCache::SetPairs(const std::vector<std::string>& tokenLines) {
  words_ = StructureWords(ParseStructurePairs(tokenLines));
  Reset(LineCount());
}

void StructureCache::Reset(int lineCount) {
  lineCount_ = std::max(0, lineCount);
  placed_.clear();
  placed_.shrink_to_fit();
  shifts_.clear();
  stale_.clear();
  if (lineCount_ > 0) stale_.push_back({0, lineCount_ - 1});
  matchedThrough_ = -1;
  dirty_ = true;
  checkpoints_.clear();
  firstChange_ = 0;
}

void StructureCache::Changed(int line) {
  firstChange_ = std::min(firstChange_, line);
  dirty_ = true;
}

std::size_t StructureCache::StaleFrom(int line) const {
  return static_cast<std::size_t>(
      std::lower_bound(stale_.begin(), stale_.end(), line, [](const auto& run, int l) { return run.second < l; }) -
      stale_.begin());
}

void StructureCache::LinesChanged(int First, int Last) {
  First = std::max(First, 0);
  Last = std::min(Last, lineCount_ - 1);
  if (First > Last) return;
  if (First <= matchedThrough_) Changed(First);
  // Runs that overlap or touch the new one join it.
  const std::size_t from = StaleFrom(First - 1);
  std::size_t to = from;
  while (to < stale_.size() && stale_[to].first <= Last + 1) {
    First = std::min(First, stale_[to].first);
    Last = std::max(Last, stale_[to].second);
    ++to;
  }
  stale_.erase(stale_.begin() + static_cast<std::ptrdiff_t>(from), stale_.begin() + static_cast<std::ptrdiff_t>(to));
  stale_.insert(stale_.begin() + static_cast<std::ptrdiff_t>(from), {First, Last});
}

void StructureCache::LinesInserted(int index, int count) {
  if (count <= 0 || index < 0 || index > lineCount_) return;
  for (auto& run : stale_) {
    if (run.first >= index) run.first += count;
    if (run.second >= index) run.second += count;
  }
  lineCount_ += count;
  Changed(index);
  // The new lines, and the old line after them, which now begins where
  // the last of them ends.
  LinesChanged(index, index + count);
  if (!shifts_.empty()) {
    Shift& last = shifts_.back();
    if (last.Count > 0 && index >= last.At && index <= last.At + last.Count) {
      last.Count += count;
      return;
    }
  }
  shifts_.push_back({index, count});
  if (shifts_.size() > kMaxShifts) ApplyShifts();
}

void StructureCache::LinesDeleted(int index, int count) {
  if (index < 0 || index >= lineCount_) return;
  count = std::min(count, lineCount_ - index);
  if (count <= 0) return;
  const auto moved = [&](int line, int inside) {
        return line < index ? line : line >= index + count ? line - count : inside;
  };
  std::erase_if(stale_, [&](auto& run) {
    run = {moved(run.first, index), moved(run.second, index - 1)};
    return run.first > run.second;
  });
  lineCount_ -= count;
  Changed(index);
  // The line after the gap now begins where the line before it ends.
  if (index < lineCount_) LinesChanged(index, index);
  if (!shifts_.empty()) {
    Shift& last = shifts_.back();
    if (last.Count < 0 && (index == last.At || index + count == last.At)) {
      last.At = std::min(last.At, index);
      last.Count -= count;
      return;
    }
    if (last.Count > 0 && index >= last.At && index + count <= last.At + last.Count) {
      last.Count -= count;  // lines inserted since, gone again
      if (last.Count == 0) shifts_.pop_back();
      return;
    }
  }
  shifts_.push_back({index, -count});
  if (shifts_.size() > kMaxShifts) ApplyShifts();
}

void StructureCache::ApplyShifts() {
  if (shifts_.empty()) return;
  auto out = placed_.begin();
  for (const PlacedWord& word : placed_) {
    int line = word.Line;
    bool kept = true;
    for (const Shift& shift : shifts_) {
      if (shift.Count > 0) {
        if (line >= shift.At) line += shift.Count;
      } else if (line >= shift.At - shift.Count) {
        line += shift.Count;
      } else if (line >= shift.At) {
        kept = false;
        break;
      }
    }
    if (kept) *out++ = {line, word.Column, word.Word};
  }
  placed_.erase(out, placed_.end());
  shifts_.clear();
}

void StructureCache::ApplyEdits(const std::vector<LineEdit>& edits, const std::vector<PlacedWord>& scanned) {
  const auto word = [&](std::size_t at) { return scanned.begin() + static_cast<std::ptrdiff_t>(at); };
  const auto place = [&](std::size_t at) { return placed_.begin() + static_cast<std::ptrdiff_t>(at); };
  if (std::all_of(edits.begin(), edits.end(), [](const LineEdit& e) { return e.Count == e.To - e.From; })) {
    for (const LineEdit& e : edits) std::copy(word(e.At), word(e.At + e.Count), place(e.From));
    return;
  }
  std::vector<PlacedWord> result;
  result.reserve(placed_.size() + scanned.size());
  std::size_t at = 0;
  for (const LineEdit& e : edits) {
    result.insert(result.end(), place(at), place(e.From));
    result.insert(result.end(), word(e.At), word(e.At + e.Count));
    at = e.To;
  }
  result.insert(result.end(), place(at), placed_.end());
  placed_.swap(result);
}

void StructureCache::Walk(const TStrings& lines, TSynCustomHighlighter& highlighter, LineStartStates& states,
                          int target) {
  ApplyShifts();
  StructureLineScanner scanner(highlighter, words_);
  const bool grouped = words_.Grouped();
  GroupMatcher matcher(words_);
  // Go on from the last kept state above the first change.
  while (!checkpoints_.empty() && (!grouped || checkpoints_.back().Line > firstChange_)) checkpoints_.pop_back();
  std::size_t kept = 0;  // the next kept word
  int cur = 0;           // lines above it are done
  std::size_t resume = 0;
  if (checkpoints_.empty()) {
    matcher.Restart();
  } else {
    const Checkpoint& from = checkpoints_.back();
    matcher.Restore(from.State);
    resume = from.Found;
    kept = from.Kept;
    cur = from.Line;
  }
  oldFound_.assign(found_.begin() + static_cast<std::ptrdiff_t>(std::min(resume, found_.size())), found_.end());
  found_.resize(resume);
  sortDue_ = true;
  lastScanCount_ = 0;
  lastMatchCount_ = 0;
  std::vector<LineEdit> edits;
  std::vector<PlacedWord> scanned;
  std::ptrdiff_t moved = 0;  // how far the edits so far move the words after them
  int sinceCheckpoint = 0;
  const auto take = [&](const PlacedWord& word) {
    if (grouped) matcher.Feed(word, found_);
    ++lastMatchCount_;
    ++sinceCheckpoint;
  };
  const auto nextStale = [&](int from, std::size_t& run) {
    run = StaleFrom(from);
    return run < stale_.size() ? std::max(stale_[run].first, from) : lineCount_;
  };
  // Keeps the matcher's state before line `line` every so many words.
  const auto checkpoint = [&](int line) {
    if (!grouped || sinceCheckpoint < kCheckpointWords) return;
    checkpoints_.push_back({line, static_cast<std::size_t>(static_cast<std::ptrdiff_t>(kept) + moved),
                            found_.size(), matcher.Now()});
    sinceCheckpoint = 0;
  };
  matchedThrough_ = lineCount_ - 1;
  for (;;) {
    std::size_t run;
    int line = std::min(nextStale(cur, run), kept < placed_.size() ? placed_[kept].Line : lineCount_);
    // The states down to the line may change on the way, and with them
    // the words of lines not marked so far: first as far as the target.
    if (grouped && line > target) {
      states.ScanThrough(target);
      line = std::min(line, nextStale(cur, run));
      if (line > target && matcher.AllClosed()) {
        matchedThrough_ = std::min(std::max(cur - 1, target), lineCount_ - 1);
        break;
      }
    }
    if (line >= lineCount_) {
      states.ScanThrough(lineCount_ - 1);
      line = nextStale(cur, run);
      if (line >= lineCount_) break;
    }
    int stale = nextStale(cur, run);
    if (line < stale) {
      // Lines with kept words only, up to the next marked line: their
      // states are made right in one go (past the target only a few
      // lines ahead of the need), then their words are matched.
      int runEnd = std::min(stale - 1, line <= target ? target : line + kRunAhead);
      states.ScanThrough(runEnd);
      stale = nextStale(cur, run);
      runEnd = std::min(runEnd, stale - 1);
      bool closed = false;
      while (kept < placed_.size() && placed_[kept].Line <= runEnd) {
        const int at = placed_[kept].Line;
        if (grouped && at > target && matcher.AllClosed()) {
          matchedThrough_ = at - 1;
          closed = true;
          break;
        }
        checkpoint(at);
        while (kept < placed_.size() && placed_[kept].Line == at) take(placed_[kept++]);
      }
      if (closed) break;
      cur = runEnd + 1;
      continue;
    }
    states.ScanThrough(line);
    stale = nextStale(cur, run);
    line = std::min(line, stale);
    checkpoint(line);
    if (stale == line) {
      const std::size_t from = kept;
      while (kept < placed_.size() && placed_[kept].Line == line) ++kept;  // its old words go
      scanner.Scan(lines.Get(line), line, states.StartState(line), lineWords_);
      edits.push_back({from, kept, scanned.size(), lineWords_.size()});
      moved += static_cast<std::ptrdiff_t>(lineWords_.size()) - static_cast<std::ptrdiff_t>(kept - from);
      for (const StructureWord& word : lineWords_) scanned.push_back({line, word.Column, word.Word});
      ++lastScanCount_;
      const auto at = stale_.begin() + static_cast<std::ptrdiff_t>(run);
      if (at->first < line) {  // lines above it still marked: keep them so
        const int first = at->first;
        stale_.insert(at, {first, line - 1});
        ++run;
      }
      auto& rest = stale_[run];
      rest.first = line + 1;
      if (rest.first > rest.second) stale_.erase(stale_.begin() + static_cast<std::ptrdiff_t>(run));
      for (const StructureWord& word : lineWords_) take({line, word.Column, word.Word});
    } else {
      while (kept < placed_.size() && placed_[kept].Line == line) take(placed_[kept++]);
    }
    cur = line + 1;
  }
  ApplyEdits(edits, scanned);
  if (!grouped) MatchFromTheEnd(placed_, words_, found_);
  firstChange_ = lineCount_;
  // What the walk found again at the start and at the end of what it found.
  const auto again = found_.begin() + static_cast<std::ptrdiff_t>(resume);
  const std::size_t fresh = static_cast<std::size_t>(found_.end() - again);
  const std::size_t start =
      static_cast<std::size_t>(std::mismatch(again, found_.end(), oldFound_.begin(), oldFound_.end()).first - again);
  const std::size_t most = std::min(fresh, oldFound_.size()) - start;
  std::size_t end = 0;
  while (end < most && found_[found_.size() - 1 - end] == oldFound_[oldFound_.size() - 1 - end]) ++end;
  unchangedFound_ = resume + start;
  unchangedAtEnd_ = end;
}

bool StructureCache::WordsStand(const TStrings& lines, TSynCustomHighlighter& highlighter, LineStartStates& states) {
  if (!shifts_.empty() || matchedThrough_ < 0 || states.RightThrough() < matchedThrough_) return false;
  StructureLineScanner scanner(highlighter, words_);
  lastScanCount_ = 0;
  lastMatchCount_ = 0;
  while (!stale_.empty() && stale_.front().first <= matchedThrough_) {
    const int line = stale_.front().first;
    scanner.Scan(lines.Get(line), line, states.StartState(line), lineWords_);
    ++lastScanCount_;
    auto old = std::lower_bound(placed_.begin(), placed_.end(), line,
                                [](const PlacedWord& w, int l) { return w.Line < l; });
    for (const StructureWord& word : lineWords_) {
      if (old == placed_.end() || old->Line != line || old->Column != word.Column || old->Word != word.Word)
        return false;  // the line stays marked: the walk scans it again
      ++old;
    }
    if (old != placed_.end() && old->Line == line) return false;
    if (++stale_.front().first > stale_.front().second) stale_.erase(stale_.begin());
  }
  firstChange_ = lineCount_;
  unchangedFound_ = found_.size();
  unchangedAtEnd_ = 0;
  return true;
}

void StructureCache::Update(const TStrings& lines, TSynCustomHighlighter& highlighter, LineStartStates& states,
                            int Through) {
  // A change that was not reported leaves the counts apart: start afresh
  // rather than read lines that are not there.
  if (LineCount() != lines.GetCount()) Reset(lines.GetCount());
  const int target = words_.Grouped() ? Through : lineCount_ - 1;
  // Most keystrokes change no word of the pairs.
  if (target > matchedThrough_ || !WordsStand(lines, highlighter, states)) Walk(lines, highlighter, states, target);
  dirty_ = false;
}

void StructureCache::Update(const TStrings& lines, TSynCustomHighlighter& highlighter) {
  Reset(lines.GetCount());
  ScannedLineStates states(lines, highlighter);
  Update(lines, highlighter, states, lineCount_ - 1);
}

const std::vector<StructureMatch>& StructureCache::Matches() const {
  if (sortDue_) {
    matches_ = found_;
    if (words_.Grouped()) SortAsFoundFromTheEnd(matches_);
    sortDue_ = false;
  }
  return matches_;
}

}  // namespace kau::editor

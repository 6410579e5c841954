#include "editor/structure/structure_cache.h"

#include <algorithm>

namespace kau::editor {

StructureCache::StructureCache() : words_(ParseStructurePairs(DefaultStrutureTokens())), matcher_(words_) {}

void StructureCache::SetPairs(const std::vector<std::string>& tokenLines) {
    words_ = StructureWords(ParseStructurePairs(tokenLines));
    Reset(LineCount());
}

void StructureCache::Reset(int lineCount) {
    const auto count = static_cast<std::size_t>(std::max(0, lineCount));
    lines_.assign(count, {});
    stale_.assign(count, true);
    check_.resize(count);
    for (std::size_t i = 0; i < count; ++i) check_[i] = static_cast<int>(i);
    unchangedTail_ = 0;
    matchDue_ = true;
    matcher_.Forget();
}

void StructureCache::MarkStale(int index) {
    if (stale_[static_cast<std::size_t>(index)]) return;  // listed already
    stale_[static_cast<std::size_t>(index)] = true;
    check_.push_back(index);
}

void StructureCache::SortChecks() {
    std::sort(check_.begin(), check_.end());
    check_.erase(std::unique(check_.begin(), check_.end()), check_.end());
}

void StructureCache::Touch(int unchangedTail) {
    unchangedTail_ = std::min(unchangedTail_, unchangedTail);
    matchDue_ = true;
}

void StructureCache::LineChanged(int index) {
    if (index >= 0 && index < LineCount()) MarkStale(index);
}

void StructureCache::LinesInserted(int index, int count) {
    if (count <= 0 || index < 0 || index > LineCount()) return;
    for (auto& line : check_)
        if (line >= index) line += count;
    lines_.insert(lines_.begin() + index, static_cast<std::size_t>(count), StructureLine{});
    stale_.insert(stale_.begin() + index, static_cast<std::size_t>(count), true);
    for (int i = index; i < index + count; ++i) check_.push_back(i);
    Touch(LineCount() - (index + count));
}

void StructureCache::LinesDeleted(int index, int count) {
    if (index < 0 || index >= LineCount()) return;
    count = std::min(count, LineCount() - index);
    if (count <= 0) return;
    std::erase_if(check_, [&](int line) { return line >= index && line < index + count; });
    for (auto& line : check_)
        if (line >= index + count) line -= count;
    lines_.erase(lines_.begin() + index, lines_.begin() + index + count);
    stale_.erase(stale_.begin() + index, stale_.begin() + index + count);
    // The line that follows now begins where the line before the gap ends.
    if (index < LineCount()) check_.push_back(index);
    // Many deletions without an Update (structures off) list lines again.
    if (check_.size() > 2 * lines_.size() + 16) SortChecks();
    Touch(LineCount() - index);
}

bool StructureCache::Update(const TStrings& lines, TSynCustomHighlighter& highlighter) {
    // A change that was not reported leaves the counts apart: start afresh
    // rather than read lines that are not there.
    if (LineCount() != lines.GetCount()) Reset(lines.GetCount());
    SortChecks();
    StructureLineScanner scanner(highlighter, words_);
    const SynRange initial = InitialRange(highlighter);
    const int count = LineCount();
    lastScanCount_ = 0;
    lastMatchCount_ = 0;
    std::size_t next = 0;
    int carried = -1;  // the line after a scanned one: its start range may have moved
    for (;;) {
        int i;
        if (carried >= 0 && (next == check_.size() || carried <= check_[next])) {
            i = carried;
            if (next < check_.size() && check_[next] == carried) ++next;
        } else if (next < check_.size()) {
            i = check_[next++];
        } else {
            break;
        }
        carried = -1;
        if (i >= count) break;
        auto& line = lines_[static_cast<std::size_t>(i)];
        const SynRange start = i == 0 ? initial : lines_[static_cast<std::size_t>(i) - 1].EndRange;
        if (!stale_[static_cast<std::size_t>(i)] && line.StartRange == start) continue;
        oldWords_.swap(line.Words);
        scanner.Scan(lines.Get(i), i, start, line);
        if (line.Words != oldWords_) Touch(count - 1 - i);
        stale_[static_cast<std::size_t>(i)] = false;
        ++lastScanCount_;
        carried = i + 1;
    }
    check_.clear();
    if (!matchDue_) return false;  // no word moved: the matches stand
    previous_.swap(matches_);
    matcher_.Match(lines_, unchangedTail_, matches_);
    lastMatchCount_ = matcher_.LastLineCount();
    unchangedTail_ = count;
    matchDue_ = false;
    return matches_ != previous_;
}

}  // namespace kau::editor

// How far the highlighter states that the line store keeps (one "range" at
// the end of each line) can be trusted. The editor rescans only what it must
// paint now and leaves the rest for when it is needed; this records what is
// left.
//
// A line "follows" the line before it when its stored state is what the
// highlighter gives for its text begun in the state stored before it. Lines
// below Valid all follow (so their states are those of a scan from the first
// line). From Valid to UnknownTo a line may not follow; every line after
// UnknownTo does. So a scan that reaches Valid goes on whatever it finds up
// to UnknownTo, and may stop at the first line after it whose state comes out
// as stored: every state below is then right.
#pragma once

#include <algorithm>

namespace kau::editor {

struct RangeWatermark {
  int Valid = 0;
  int UnknownTo = -1;
  int Lines = 0;  // the line count the marks describe

  bool Complete() const { return Valid >= Lines; }
  void SetComplete() {
    Valid = Lines;
    UnknownTo = -1;
  }
  // Nothing known of the stored states of `Count` lines.
  void Reset(int Count) {
    Lines = Count;
    Valid = 0;
    UnknownTo = Count - 1;
    if (Count == 0) SetComplete();
  }
  // Lines First..Last may no longer follow the lines before them; nothing
  // is scanned now.
  void Defer(int First, int Last) {
    Valid = std::min(Valid, First);
    UnknownTo = std::max(UnknownTo, Last);
  }
  // `Count` lines new at Index. The caller scans them at once or defers
  // Index + Count (the first old line after them).
  void Inserted(int Index, int Count) {
    if (Valid > Index) Valid += Count;
    if (UnknownTo >= Index) UnknownTo += Count;
    Lines += Count;
  }
  // `Count` lines gone from Index. The caller scans or defers Index, whose
  // line now follows another.
  void Deleted(int Index, int Count) {
    if (Valid > Index + Count) Valid -= Count;
    else if (Valid > Index) Valid = Index;
    if (UnknownTo >= Index + Count) UnknownTo -= Count;
    else if (UnknownTo >= Index) UnknownTo = Index;
    Lines -= Count;
    if (Valid >= Lines) SetComplete();
  }
};

}  // namespace kau::editor

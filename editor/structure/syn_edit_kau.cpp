// TSynEditKAU: construction, the settings, and the structures kept up with
// the line store.
#include <algorithm>
#include <iterator>
#include <tuple>
#include <vector>

#include "editor/structure/syn_edit_kau.h"

namespace kau::editor {

TSynEditKAU::TSynEditKAU(TObject* AOwner)
    : TSynEdit(AOwner),
      fStructures(std::make_unique<TStructures>(this)),
      fTokenInfo(std::make_unique<THighlightTokenInfo>()),
      fStrutureTokens(std::make_unique<TSynEditStringList>()) {
  for (const std::string& line : DefaultStrutureTokens()) fStrutureTokens->Add(line);
  fStrutureTokens->OnChange = makeMethod<&TSynEditKAU::StrutureTokensChanged>(this);
  StrutureTokensChanged(nullptr);
  fStructureLineColor = clRed;
  OnPaintTransient = makeMethod<&TSynEditKAU::PaintTransient>(this);
  fShowBracketPair = true;
  ShowBracketPairColor = clLime;
  fShowStruture = true;
}

TSynEditKAU::~TSynEditKAU() { OnPaintTransient = {}; }

void TSynEditKAU::StrutureTokensChanged(TObject*) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(fStrutureTokens->GetCount()));
  for (int i = 0; i < fStrutureTokens->GetCount(); ++i) lines.push_back(fStrutureTokens->Get(i));
  // Editing the list directly takes effect at once, as SetTokenStruture does.
  UpperCaseStructureTokens(lines);
  fCache.SetPairs(lines);
  RefreshStructures();
  Invalidate();
}

void TSynEditKAU::SetTokenStruture(TStrings& List) {
  std::vector<std::string> lines;
  for (int i = 0; i < List.GetCount(); ++i) lines.push_back(List.Get(i));
  UpperCaseStructureTokens(lines);
  for (int i = 0; i < List.GetCount(); ++i) List.Put(i, lines[static_cast<std::size_t>(i)]);
  fStrutureTokens->Assign(List);
  BuildStructure();
  Invalidate();
}

void TSynEditKAU::SetShowStrutureLine(bool Value) {
  fShowStruture = Value;
  RefreshStructures();
  Invalidate();
}

void TSynEditKAU::SetShowBracketPair(bool Value) {
  fShowBracketPair = Value;
  RefreshStructures();
  RefreshBracketMarks();
  Invalidate();
}

void TSynEditKAU::SetStructureLineColor(TColor Value) {
  if (Value == fStructureLineColor) return;
  fStructureLineColor = Value;
  RefreshStructures();
  Invalidate();
}

void TSynEditKAU::BuildStructure() {
  fCache.Reset(LineCount());
  RefreshStructures();
}

namespace {

// Structures ordered by their closer, then their opener.
bool ByPlace(const StructureMatch& a, const StructureMatch& b) {
  return std::tuple(a.ClosePoint.Y, a.ClosePoint.X, a.OpenPoint.Y, a.OpenPoint.X) <
         std::tuple(b.ClosePoint.Y, b.ClosePoint.X, b.OpenPoint.Y, b.OpenPoint.X);
}

// Whether a structure's line shows in rows First to Last.
bool InView(const TStructure& s, int First, int Last) {
  return s.OpenPoint.Y < s.ClosePoint.Y && s.OpenPoint.Y <= Last && s.ClosePoint.Y > First;
}

}  // namespace

SynRange TSynEditKAU::States::StartState(int Index) {
  return Index == 0 ? InitialRange(*fEdit.Highlighter()) : fEdit.Lines().GetRange(Index - 1);
}

// The list in the order the control's scan from the end finds them: by
// opener, the last in the text first. The refresh keeps them in the order
// the matching from the top finds them, so that it can keep what did not
// change; it starts afresh after this.
const TStructures& TSynEditKAU::Structures() const {
  auto& self = const_cast<TSynEditKAU&>(*this);  // matching the rest of the text fills a cache
  if (!StructuresOn()) return *fStructures;
  self.RefreshStructures(LineCount());
  if (!fStructuresSorted) {
    self.fStructures->Sort([](const TStructure* a, const TStructure* b) {
      return std::tie(a->OpenPoint.Y, a->OpenPoint.X) > std::tie(b->OpenPoint.Y, b->OpenPoint.X);
    });
    self.fStructuresSorted = true;
  }
  return *fStructures;
}

void TSynEditKAU::RefreshStructures(int Through) {
  const int first = TopLine(), last = TopLine() + LinesInWindow();
  // The structures in view that go, and those that come.
  std::vector<StructureMatch> gone, come;
  std::size_t keep = 0, keepAtEnd = 0;  // structures that stay, at the start and at the end
  if (StructuresOn()) {
    if (&Lines() != fScannedLines || Highlighter() != fScannedHighlighter) {
      fCache.Reset(LineCount());
      fScannedLines = &Lines();
      fScannedHighlighter = Highlighter();
    }
    if (fCache.UpToDate(Through - 1)) return;
    fCache.Update(Lines(), *Highlighter(), fStates, Through - 1);
    fLinesScanned += fCache.LastScanCount();
    const std::size_t count = static_cast<std::size_t>(fStructures->GetCount());
    if (!fStructuresSorted) {
      keep = std::min(fCache.UnchangedFound(), count);
      keepAtEnd = std::min(fCache.UnchangedFoundAtEnd(), count - keep);
    }
  } else {
    fCache.Reset(LineCount());  // matched afresh when they are on again
  }
  const int goneTo = fStructures->GetCount() - static_cast<int>(keepAtEnd);
  for (int i = static_cast<int>(keep); i < goneTo; ++i) {
    const TStructure& s = *fStructures->GetStructure(i);
    if (InView(s, first, last)) gone.push_back({s.OpenPoint, s.ClosePoint});
  }
  std::vector<TStructure*> added;
  if (StructuresOn()) {
    const auto& found = fCache.Found();
    for (std::size_t k = keep; k + keepAtEnd < found.size(); ++k) {
      TStructure* s = fStructures->NewStructure();
      s->OpenPoint = found[k].OpenPoint;
      s->ClosePoint = found[k].ClosePoint;
      added.push_back(s);
      if (InView(*s, first, last)) come.push_back(found[k]);
    }
  }
  fStructures->Splice(static_cast<int>(keep), goneTo - static_cast<int>(keep), added);
  fStructuresSorted = false;
  if (!fShowStruture) return;
  // The rows of every line that came or went.
  std::sort(gone.begin(), gone.end(), ByPlace);
  std::sort(come.begin(), come.end(), ByPlace);
  std::vector<StructureMatch> changed;
  std::set_symmetric_difference(gone.begin(), gone.end(), come.begin(), come.end(), std::back_inserter(changed),
                                ByPlace);
  for (const StructureMatch& m : changed)
    InvalidateLines(std::max(m.OpenPoint.Y, first), std::min(m.ClosePoint.Y, last));
}

// The line store reports each change; the structure words follow it and are
// matched when the change is complete (LinesChanged). The lines move in the
// cache first: the rescan of the highlighter states that follows reports
// lines by their new places.
void TSynEditKAU::ListAdded(int Index, const std::string& S) {
  fCache.LinesInserted(Index, LineCount() - fCache.LineCount());
  TSynEdit::ListAdded(Index, S);
}

void TSynEditKAU::ListInserted(int Index, const std::string& S) {
  fCache.LinesInserted(Index, LineCount() - fCache.LineCount());
  TSynEdit::ListInserted(Index, S);
}

void TSynEditKAU::ListDeleted(int Index) {
  fCache.LinesDeleted(Index, fCache.LineCount() - LineCount());
  TSynEdit::ListDeleted(Index);
}

void TSynEditKAU::RangesRescanned(int First, int Last) { fCache.LinesChanged(First, Last); }

void TSynEditKAU::ListPutted(int Index, const std::string& S) {
  TSynEdit::ListPutted(Index, S);
  fCache.LineChanged(Index);
}

void TSynEditKAU::ListCleared(TObject* Sender) {
  fCache.Reset(0);
  TSynEdit::ListCleared(Sender);
}

void TSynEditKAU::LinesChanged(TObject* Sender) {
  TSynEdit::LinesChanged(Sender);
  RefreshStructures();
  // A change away from the caret can move or remove the marks too.
  if (HandleAllocated()) RefreshBracketMarks();
}

// The control's own transient handler only moves the bracket marks: it runs
// without the canvas the event offers, a painter opened on the window at
// every caret move (a replace all moves the caret twice per match).
void TSynEditKAU::DoOnPaintTransientEx(TTransientType TransientType, bool Lock) {
  if (!(OnPaintTransient == makeMethod<&TSynEditKAU::PaintTransient>(this))) {
    TSynEdit::DoOnPaintTransientEx(TransientType, Lock);
    return;
  }
  if (PaintTransientFires(TransientType, Lock) && HandleAllocated() && TransientType == ttAfter)
    RefreshBracketMarks();
}

void TSynEditKAU::DoOnStatusChange(TSynStatusChanges Changes) {
  if ((Changes & scModified) && fStructureLineColor != clNone) RefreshStructures();
  TSynEdit::DoOnStatusChange(Changes);
}

}  // namespace kau::editor

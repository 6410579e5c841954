#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "editor/model/syn_edit_string_list.h"

namespace kau::editor {
namespace {

// Records every event of a store as one text per event.
struct EventLog : TObject {
  std::vector<std::string> events;
  void Change(TObject*) { events.push_back("change"); }
  void Changing(TObject*) { events.push_back("changing"); }
  void Cleared(TObject*) { events.push_back("cleared"); }
  void Deleted(int i) { events.push_back("deleted " + std::to_string(i)); }
  void Added(int i, const std::string& s) { events.push_back("added " + std::to_string(i) + " " + s); }
  void Inserted(int i, const std::string& s) { events.push_back("inserted " + std::to_string(i) + " " + s); }
  void Putted(int i, const std::string& s) { events.push_back("putted " + std::to_string(i) + " " + s); }

  void Hook(TSynEditStringList& list) {
    list.OnChange = makeMethod<&EventLog::Change>(this);
    list.OnChanging = makeMethod<&EventLog::Changing>(this);
    list.OnCleared = makeMethod<&EventLog::Cleared>(this);
    list.OnDeleted = makeMethod<&EventLog::Deleted>(this);
    list.OnAdded = makeMethod<&EventLog::Added>(this);
    list.OnInserted = makeMethod<&EventLog::Inserted>(this);
    list.OnPutted = makeMethod<&EventLog::Putted>(this);
  }
  std::vector<std::string> Take() { return std::exchange(events, {}); }
};

using Events = std::vector<std::string>;

std::vector<std::string> Lines(const TSynEditStringList& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  return lines;
}

// The records of a store, each continuation record marked by a leading "+".
std::vector<std::string> Records(const TSynEditStringList& list) {
  std::vector<std::string> records;
  for (int i = 0; i < list.Count(); ++i) records.push_back((list.IsLineWraped(i) ? "+" : "") + list.Get(i));
  return records;
}

std::string Saved(TSynEditStringList& list) {
  std::ostringstream out;
  list.SaveToStream(out);
  return out.str();
}

void Fill(TSynEditStringList& list, int n) {
  for (int i = 0; i < n; ++i) list.Add("line" + std::to_string(i));
}

TEST(StringList, EventsOfEachChange) {
  TSynEditStringList list;
  EventLog log;
  log.Hook(list);
  list.Add("a");
  EXPECT_EQ(log.Take(), (Events{"changing", "added 0 a", "change"}));
  list.Insert(0, "b");
  EXPECT_EQ(log.Take(), (Events{"changing", "inserted 0 b", "change"}));
  list.Put(1, "c");
  EXPECT_EQ(log.Take(), (Events{"changing", "putted 1 c", "change"}));
  list.PutRange(0, 7);
  EXPECT_EQ(log.Take(), (Events{"changing", "change"}));
  list.Delete(0);
  EXPECT_EQ(log.Take(), (Events{"changing", "deleted 0", "change"}));
  list.BeginUpdate();
  list.Add("x");
  list.Add("y");
  list.EndUpdate();
  EXPECT_EQ(log.Take(), (Events{"changing", "added 1 x", "added 2 y", "change"}));
  list.InsertLines(1, 2);
  EXPECT_EQ(log.Take(), (Events{"changing", "added 1 ", "change"}));
  list.DeleteLines(1, 0);
  EXPECT_EQ(log.Take(), Events{});
  list.Clear();
  EXPECT_EQ(log.Take(), (Events{"changing", "cleared", "change"}));
  list.Clear();
  EXPECT_EQ(log.Take(), (Events{"changing", "change"}));
}

TEST(StringList, IndexesAndRanges) {
  TSynEditStringList list;
  list.Put(0, "first");  // Put at Count appends, also on an empty list
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"first"}));
  list.Put(1, "second");
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.LineLength(1), 6);
  EXPECT_EQ(list.LineLength(2), 0);
  EXPECT_EQ(list.LineLength(-1), 0);
  EXPECT_THROW(list.Put(3, "x"), ESynEditStringList);
  try {
    list.Delete(2);
    FAIL();
  } catch (const ESynEditStringList& e) {
    EXPECT_STREQ(e.what(), "Invalid stringlist index 2");
  }
  EXPECT_THROW(list.Insert(3, "x"), ESynEditStringList);
  EXPECT_THROW(list.PutObject(2, nullptr), ESynEditStringList);
  EXPECT_THROW(list.PutRange(-1, 0), ESynEditStringList);
  EXPECT_THROW(list.Exchange(0, 2), ESynEditStringList);
  EXPECT_THROW(list.InsertLines(3, 0), ESynEditStringList);
  EXPECT_THROW(list.DeleteLines(3, 1), ESynEditStringList);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(list.Get(-1), "");
  EXPECT_EQ(list.Get(2), "");
  EXPECT_EQ(list.GetObject(5), nullptr);
  EXPECT_EQ(list.GetRange(2), kRangeNil);
  EXPECT_EQ(list.GetRange(0), kRangeUnscanned);  // added lines are not scanned yet
  list.InsertLines(1, 1);
  EXPECT_EQ(list.GetRange(1), kRangeNil);  // inserted empty lines start at 0
  TObject object;
  list.PutObject(0, &object);
  list.PutRange(0, 42);
  list.Put(0, "changed");  // object and range stay
  EXPECT_EQ(list.GetObject(0), &object);
  EXPECT_EQ(list.GetRange(0), 42);
}

TEST(StringList, DeleteLinesAndInsertStrings) {
  TSynEditStringList list;
  EventLog log;
  Fill(list, 5);
  log.Hook(list);
  list.DeleteLines(3, 10);  // only the last two exist
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"line0", "line1", "line2"}));
  EXPECT_EQ(log.Take(), (Events{"deleted 3"}));  // no lines followed: no move, no bracket
  list.DeleteLines(0, 1);
  EXPECT_EQ(log.Take(), (Events{"changing", "change", "deleted 0"}));
  TSynEditStringList source;
  source.Add("x");
  source.Add("y");
  list.InsertStrings(1, source);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"line1", "x", "y", "line2"}));
  EXPECT_EQ(log.Take(), (Events{"changing", "added 1 ", "putted 1 x", "putted 2 y", "change"}));
}

// Whole texts and blocks of lines are announced once, not line by line.
TEST(StringList, WholeTextsAndBlocksAreAnnouncedOnce) {
  TSynEditStringList list;
  list.Add("old");
  EventLog log;
  log.Hook(list);
  list.SetText("a\r\nb\nc");
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(log.Take(), (Events{"changing", "cleared", "added 0 ", "change"}));
  std::istringstream stream("x\ny\n");
  list.LoadFromStream(stream);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(log.Take(), (Events{"changing", "cleared", "added 0 ", "change"}));
  const std::vector<std::string_view> texts{"p", "q", "r"};
  list.InsertLineTexts(1, texts);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"x", "p", "q", "r", "y"}));
  EXPECT_EQ(log.Take(), (Events{"changing", "added 1 ", "change"}));
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(list.GetRange(i), kRangeUnscanned);
  EXPECT_THROW(list.InsertLineTexts(6, texts), ESynEditStringList);
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(log.Take(), (Events{"changing", "cleared", "change"}));
}

TEST(StringList, CapacityGrowth) {
  TSynEditStringList list;
  std::vector<int> capacities;
  for (int i = 0; i < 130; ++i) {
    list.Add("");
    if (capacities.empty() || capacities.back() != list.GetCapacity()) capacities.push_back(list.GetCapacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{16, 32, 48, 64, 80, 100, 125, 156}));

  TSynEditStringList fourteen;
  Fill(fourteen, 14);
  ASSERT_EQ(fourteen.GetCapacity(), 16);
  TSynEditStringList three;
  Fill(three, 3);
  fourteen.AddStrings(three);
  EXPECT_EQ(fourteen.GetCapacity(), 32);
  EXPECT_EQ(fourteen.Get(16), "line2");
  fourteen.InsertLines(0, 2);
  EXPECT_EQ(fourteen.GetCapacity(), 19);
  fourteen.Clear();
  EXPECT_EQ(fourteen.GetCapacity(), 0);
}

TEST(StringList, ExpandedLinesAndLongestLine) {
  TSynEditStringList list;
  list.SetTabWidth(4);
  list.Add("a\tb");
  list.Add("abcdef");
  list.Add("");
  EXPECT_EQ(list.GetExpandedString(0), "a\t\t\tb");
  EXPECT_EQ(list.GetExpandedStringLength(0), 5);
  EXPECT_EQ(list.GetExpandedString(1), "abcdef");
  EXPECT_EQ(list.GetExpandedStringLength(2), 0);
  EXPECT_EQ(list.GetExpandedString(9), "");
  EXPECT_EQ(list.GetExpandedStringLength(-1), 0);
  EXPECT_EQ(list.GetLengthOfLongestLine(), 6);
  list.SetTabWidth(8);  // the tab now spans seven columns
  EXPECT_EQ(list.GetExpandedStringLength(0), 9);
  EXPECT_EQ(list.GetLengthOfLongestLine(), 9);
  list.Put(0, "ab");
  EXPECT_EQ(list.GetLengthOfLongestLine(), 6);
  // The cache follows an exchanged line.
  list.Exchange(1, 2);
  EXPECT_EQ(list.GetLengthOfLongestLine(), 6);
  list.Put(1, "xyzxyz");  // equal length: the first one stays longest
  EXPECT_EQ(list.GetLengthOfLongestLine(), 6);

  TSynEditStringList empty;
  empty.Add("");
  empty.Add("");
  EXPECT_EQ(empty.GetLengthOfLongestLine(), 0);
  EXPECT_EQ(TSynEditStringList().GetLengthOfLongestLine(), 0);
}

TEST(StringListWordWrap, WhereALineIsCut) {
  struct Case {
    int width, tabWidth;
    std::string line;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {10, 8, "short", {"short"}},
      {10, 8, "abcdefghij", {"abcdefghij"}},
      // At the last break before the width; at the width with none.
      {10, 8, "aaaa bbbb cccc dddd", {"aaaa bbbb ", "cccc dddd"}},
      {10, 8, "abcdefghijklmnopqrstuvw", {"abcdefghij", "klmnopqrst", "uvw"}},
      {5, 8, "a,b;c>defgh", {"a,b;", "c>", "defgh"}},
      // The blanks after the break stay with its piece.
      {4, 8, "abc   defghij", {"abc   ", "defg", "hij"}},
      // A tab at the width is not expanded.
      {10, 8, "abcdefghi\tjk", {"abcdefghi\t", "jk"}},
      // Tabs before the cut count expanded: a line that fits unexpanded is cut.
      {10, 8, "\tabcdef", {"\t", "abcdef"}},
      {13, 8, "ab\tcdefghij klm", {"ab\t", "cdefghij klm"}},
      {13, 4, "ab\tcdefghij klm", {"ab\tcdefghij ", "klm"}},
      // A tab at column 1 takes all eight columns of its stop.
      {12, 8, "\ta bc def ghij", {"\ta ", "bc def ghij"}},
      // A width below one tab's columns still cuts a character at least.
      {3, 8, "\tabcdef", {"\t", "abc", "def"}},
      {0, 8, "abc", {"a", "b", "c"}},
  };
  for (const Case& c : cases) {
    TSynEditStringList list;
    list.SetTabWidth(c.tabWidth);
    list.WrapWidth = c.width;
    std::string rest = c.line, piece;
    list.WrapString(rest, piece);
    EXPECT_EQ(piece, c.line);  // word wrap off: the whole line
    EXPECT_EQ(rest, "");
    list.SetWordWrap(true);
    std::vector<std::string> pieces;
    for (rest = c.line; !rest.empty();) {
      list.WrapString(rest, piece);
      pieces.push_back(piece);
    }
    EXPECT_EQ(pieces, c.pieces) << c.line << " at " << c.width;
    // Inserting the line stores the same pieces.
    list.Add(c.line);
    std::vector<std::string> records(c.pieces);
    for (std::size_t k = 1; k < records.size(); ++k) records[k] = "+" + records[k];
    EXPECT_EQ(Records(list), records) << c.line;
    EXPECT_EQ(list.AddedLineCount(), list.Count());
  }
}

TEST(StringListWordWrap, InsertingAndSwitchingTheModeOnAndOff) {
  TSynEditStringList list;
  EXPECT_FALSE(list.WordWrap());
  EXPECT_EQ(list.WrapWidth, 80);
  list.WrapWidth = 10;
  TObject object;
  list.Add("aaaa bbbb cccc dddd");
  list.Add("x");
  list.PutObject(0, &object);
  list.PutRange(0, 7);
  EventLog log;
  log.Hook(list);
  list.SetWordWrap(true);
  EXPECT_EQ(Records(list), (std::vector<std::string>{"aaaa bbbb ", "+cccc dddd", "x"}));
  EXPECT_EQ(log.Take(), (Events{"changing", "change"}));
  EXPECT_EQ(list.GetObject(0), &object);  // the first piece keeps the line's object and range
  EXPECT_EQ(list.GetRange(0), 7);
  EXPECT_EQ(list.GetObject(1), nullptr);
  EXPECT_EQ(list.GetRange(1), kRangeUnscanned);

  list.Insert(2, "1234567890abc");
  EXPECT_EQ(Records(list), (std::vector<std::string>{"aaaa bbbb ", "+cccc dddd", "1234567890", "+abc", "x"}));
  EXPECT_EQ(log.Take(), (Events{"changing", "inserted 2 1234567890abc", "change"}));
  list.SetText("p q r s t u v w\nshort");
  EXPECT_EQ(Records(list), (std::vector<std::string>{"p q r s t ", "+u v w", "short"}));
  EXPECT_EQ(log.Take(), (Events{"changing", "cleared", "added 0 ", "change"}));
  EXPECT_EQ(list.AddedLineCount(), 3);
  const std::vector<std::string_view> texts{"one two three", "four"};
  list.InsertLineTexts(2, texts);
  EXPECT_EQ(Records(list), (std::vector<std::string>{"p q r s t ", "+u v w", "one two ", "+three", "four", "short"}));
  EXPECT_EQ(list.AddedLineCount(), 3);
  log.Take();

  // Off again: the pieces are joined, each one taken out announced from the last up.
  list.SetWordWrap(false);
  EXPECT_EQ(Records(list), (std::vector<std::string>{"p q r s t u v w", "one two three", "four", "short"}));
  EXPECT_EQ(log.Take(), (Events{"changing", "deleted 3", "deleted 1", "change"}));
  EXPECT_EQ(list.GetExpandedStringLength(0), 15);
  list.Add("1234567890abc");  // word wrap off: one record however long
  EXPECT_EQ(list.Get(4), "1234567890abc");
  EXPECT_FALSE(list.IsLineWraped(9));
}

TEST(StringListWordWrap, ReWrapAfterAnEdit) {
  TSynEditStringList list;
  list.WrapWidth = 10;
  EXPECT_EQ(list.ReWrapLine(5), 5);  // word wrap off: nothing to do
  list.SetWordWrap(true);
  list.Add("first");
  list.Add("aaaa bbbb cccc dddd");
  list.Add("last");
  list.Put(2, "cccc dddd eeee ffff gggg");  // an edit of the second piece
  EventLog log;
  log.Hook(list);
  EXPECT_EQ(list.ReWrapLine(2), 1);
  EXPECT_EQ(Records(list), (std::vector<std::string>{"first", "aaaa bbbb ", "+cccc dddd ", "+eeee ffff ", "+gggg", "last"}));
  EXPECT_EQ(log.Take(), (Events{"changing", "deleted 2", "change"}));
  list.Put(1, "aaaa");  // shorter: the line takes fewer records
  EXPECT_EQ(list.ReWrapLine(4), 1);
  EXPECT_EQ(Records(list), (std::vector<std::string>{"first", "aaaacccc ", "+dddd eeee ", "+ffff gggg", "last"}));
  EXPECT_EQ(list.ReWrapLine(0), 0);
  EXPECT_EQ(Saved(list), "first\naaaacccc dddd eeee ffff gggg\nlast\n");
  EXPECT_THROW(list.ReWrapLine(5), ESynEditStringList);
}

// The text of every line survives wrapping and unwrapping whatever records
// the calls are given, and saving writes each line of the file once.
TEST(StringListWordWrap, NoCallLosesOrSplitsALine) {
  TSynEditStringList list;
  list.WrapWidth = 10;
  list.SetWordWrap(true);
  list.Add("aaaa bbbb cccc dddd eeee");
  list.Add("x");
  ASSERT_EQ(Records(list), (std::vector<std::string>{"aaaa bbbb ", "+cccc dddd ", "+eeee", "x"}));
  const std::string file = "aaaa bbbb cccc dddd eeee\nx\n";
  EXPECT_EQ(Saved(list), file);
  // Cut again narrower: the continuation records stay continuations.
  list.WrapWidth = 5;
  list.DoWordWrap();
  EXPECT_EQ(Records(list), (std::vector<std::string>{"aaaa ", "+bbbb ", "+cccc ", "+dddd ", "+eeee", "x"}));
  EXPECT_EQ(Saved(list), file);
  // Joining from a continuation record joins its line from the start.
  list.DoUnWrapLines(2, 3);
  EXPECT_EQ(Records(list), (std::vector<std::string>{"aaaa bbbb cccc dddd ", "+eeee", "x"}));
  EXPECT_EQ(Saved(list), file);
  list.DoWordUnWrap();
  EXPECT_EQ(Records(list), (std::vector<std::string>{"aaaa bbbb cccc dddd eeee", "x"}));
  // A continuation record left first by a deletion begins its own line.
  list.WrapLine(0);
  list.Delete(0);
  EXPECT_EQ(Records(list), (std::vector<std::string>{"+bbbb ", "+cccc ", "+dddd ", "+eeee", "x"}));
  list.DoWordUnWrap();
  EXPECT_EQ(Records(list), (std::vector<std::string>{"bbbb cccc dddd eeee", "x"}));
  EXPECT_THROW(list.DoWrapLines(0, 2), ESynEditStringList);
  EXPECT_THROW(list.WrapLine(-1), ESynEditStringList);
}

TEST(StringList, TextAndAssign) {
  TSynEditStringList list;
  list.SetText("a\r\nb\nc\rd\r\n");
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(list.GetText(), "a\r\nb\r\nc\r\nd\r\n");
  TSynEditStringList copy;
  copy.Add("old");
  copy.Assign(list);
  EXPECT_EQ(Lines(copy), Lines(list));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.GetText(), "");
}

TEST(StringList, DestructorIsSilent) {
  EventLog log;
  {
    TSynEditStringList list;
    list.Add("a");
    log.Hook(list);
  }
  EXPECT_EQ(log.Take(), Events{});
}

TEST(StringList, HandlerThatThrowsEndsTheUpdate) {
  struct Thrower : TObject {
    void Added(int, const std::string&) { throw std::runtime_error("boom"); }
  } thrower;
  TSynEditStringList list;
  list.OnAdded = makeMethod<&Thrower::Added>(&thrower);
  EXPECT_THROW(list.Add("a"), std::runtime_error);
  EXPECT_EQ(list.UpdateCount(), 0);
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
}  // namespace kau::editor

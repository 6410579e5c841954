#include "editor/model/undo_list.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace kau::editor {
namespace {

struct AddedCounter : TObject {
  int count = 0;
  void Added(TObject*) { ++count; }
};

void Change(TSynEditUndoList& list, TSynChangeReason reason = crInsert, const std::string& text = "x") {
  list.AddChange(reason, TPoint{1, 1}, TPoint{2, 1}, text, smNormal);
}

std::vector<int> Numbers(const TSynEditUndoList& list) {
  std::vector<int> numbers;
  for (int i = 0; i < list.GetItemCount(); ++i) numbers.push_back(list.GetItems(i)->ChangeNumber);
  return numbers;
}

std::vector<std::string> Texts(const TSynEditUndoList& list) {
  std::vector<std::string> texts;
  for (int i = 0; i < list.GetItemCount(); ++i) texts.push_back(list.GetItems(i)->ChangeStr);
  return texts;
}

TEST(UndoList, Numbering) {
  TSynEditUndoList list;
  AddedCounter added;
  list.OnAddedUndo = makeMethod<&AddedCounter::Added>(&added);
  Change(list, crInsert, "a");
  Change(list, crDelete, "b");
  Change(list, crPaste, "c");
  EXPECT_EQ(Numbers(list), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(list.NextChangeNumber(), 4);
  EXPECT_EQ(added.count, 3);
  const TSynEditUndoItem* top = list.PeekItem();
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->ChangeReason, crPaste);
  EXPECT_EQ(top->ChangeStartPos, (TPoint{1, 1}));
  EXPECT_EQ(top->ChangeEndPos, (TPoint{2, 1}));
  EXPECT_EQ(list.LastChangeReason(), crPaste);
  auto popped = list.PopItem();
  EXPECT_EQ(popped->ChangeStr, "c");
  EXPECT_EQ(list.GetItemCount(), 2);
  list.PushItem(std::move(popped));
  list.PushItem(nullptr);
  EXPECT_EQ(list.GetItemCount(), 3);
  EXPECT_THROW(list.GetItems(3), std::out_of_range);
}

TEST(UndoList, NestedBlocksShareOneNumber) {
  TSynEditUndoList list;
  AddedCounter added;
  list.OnAddedUndo = makeMethod<&AddedCounter::Added>(&added);
  list.BeginBlock();
  Change(list);
  Change(list);
  list.BeginBlock();
  Change(list);
  list.EndBlock();
  EXPECT_EQ(list.NextChangeNumber(), 1);  // moves only at the outer end
  list.EndBlock();
  EXPECT_EQ(Numbers(list), (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(list.NextChangeNumber(), 2);
  EXPECT_EQ(added.count, 4);  // three items and the finished block

  added.count = 0;
  list.BeginBlock();
  list.EndBlock();  // an empty block uses up its number, silently
  EXPECT_EQ(added.count, 0);
  EXPECT_EQ(list.NextChangeNumber(), 3);
  list.EndBlock();  // without a block: nothing
  EXPECT_EQ(list.NextChangeNumber(), 3);
  Change(list);
  EXPECT_EQ(Numbers(list).back(), 3);

  // The owner may set the block number directly (the replay does).
  list.BlockChangeNumber = 77;
  Change(list);
  Change(list);
  list.BlockChangeNumber = 0;
  EXPECT_EQ(Numbers(list), (std::vector<int>{1, 1, 1, 3, 77, 77}));
  EXPECT_EQ(list.NextChangeNumber(), 4);
}

TEST(UndoList, LockingAndGroupBreaks) {
  TSynEditUndoList list;
  AddedCounter added;
  list.OnAddedUndo = makeMethod<&AddedCounter::Added>(&added);
  list.Lock();
  Change(list);
  list.AddGroupBreak();
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_EQ(list.NextChangeNumber(), 1);
  list.Unlock();
  list.Unlock();  // never below 0
  EXPECT_EQ(list.LockCount(), 0);
  Change(list);
  EXPECT_EQ(added.count, 1);
  list.AddGroupBreak();
  list.AddGroupBreak();
  EXPECT_EQ(list.GetItemCount(), 2);
  EXPECT_EQ(list.LastChangeReason(), crGroupBreak);
  EXPECT_EQ(added.count, 1);  // a group break alone never notifies
  EXPECT_EQ(list.NextChangeNumber(), 3);

  TSynEditUndoList empty;
  EXPECT_EQ(empty.LastChangeReason(), crNothing);
  EXPECT_EQ(empty.PeekItem(), nullptr);
  EXPECT_EQ(empty.PopItem(), nullptr);
  EXPECT_FALSE(empty.GetCanUndo());
}

TEST(UndoList, LimitTrimsWholeGroups) {
  TSynEditUndoList list;
  list.SetMaxUndoActions(3);
  Change(list, crInsert, "a");
  Change(list, crInsert, "b");
  Change(list, crInsert, "c");
  EXPECT_FALSE(list.FullUndoImpossible());
  Change(list, crInsert, "d");
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"b", "c", "d"}));
  EXPECT_TRUE(list.FullUndoImpossible());
  list.Clear();
  EXPECT_FALSE(list.FullUndoImpossible());
  EXPECT_EQ(list.GetItemCount(), 0);

  // A group cut by the limit goes as a whole.
  Change(list, crInsert, "1");
  list.BeginBlock();
  Change(list, crDelete, "2a");
  Change(list, crInsert, "2b");
  list.EndBlock();
  Change(list, crInsert, "3");  // four items: the oldest goes
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"2a", "2b", "3"}));
  Change(list, crInsert, "4");  // cuts into the block: all of it goes
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"3", "4"}));

  // A block larger than the limit cannot be undone at all: none of it stays.
  list.Clear();
  list.BeginBlock();
  for (int i = 0; i < 5; ++i) Change(list, crInsert, std::to_string(i));
  list.EndBlock();
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_TRUE(list.FullUndoImpossible());
  Change(list, crInsert, "after");
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"after"}));
}

TEST(UndoList, SetMaxUndoActions) {
  TSynEditUndoList list;
  EXPECT_EQ(list.MaxUndoActions(), 1024);
  for (int i = 0; i < 1025; ++i) Change(list);
  EXPECT_EQ(list.GetItemCount(), 1024);
  EXPECT_EQ(list.GetItems(0)->ChangeNumber, 2);
  list.SetMaxUndoActions(-5);
  EXPECT_EQ(list.MaxUndoActions(), 0);
  EXPECT_EQ(list.GetItemCount(), 0);
}

TEST(UndoList, SavedState) {
  TSynEditUndoList list;
  EXPECT_TRUE(list.GetInitialState());
  Change(list);
  EXPECT_FALSE(list.GetInitialState());
  list.SetInitialState(true);
  EXPECT_TRUE(list.GetInitialState());
  Change(list);
  EXPECT_FALSE(list.GetInitialState());
  list.PopItem();
  EXPECT_TRUE(list.GetInitialState());  // back at the saved text
  list.PopItem();
  EXPECT_FALSE(list.GetInitialState());  // the empty list matches only 0

  TSynEditUndoList modified;
  modified.SetInitialState(false);  // declared modified: nothing matches
  EXPECT_FALSE(modified.GetInitialState());
  EXPECT_EQ(modified.InitialChangeNumber(), -1);
  Change(modified);
  modified.SetInitialState(true);
  Change(modified);
  modified.SetInitialState(false);  // not at the saved position: stays
  EXPECT_EQ(modified.InitialChangeNumber(), 1);
}

TEST(UndoList, ChangeNumberWrapsAroundSkippingZero) {
  TSynEditUndoList list;
  list.SetNextChangeNumber(std::numeric_limits<std::int32_t>::max());
  Change(list);
  EXPECT_EQ(list.NextChangeNumber(), std::numeric_limits<std::int32_t>::min());
  list.SetNextChangeNumber(-1);
  Change(list);
  EXPECT_EQ(list.NextChangeNumber(), 1);
}

TEST(UndoList, Assign) {
  TSynEditUndoList source;
  source.SetMaxUndoActions(10);
  Change(source, crInsert, "a");
  source.BeginBlock();
  Change(source, crDelete, "b");
  source.Lock();
  TSynEditUndoList copy;
  AddedCounter added;
  copy.OnAddedUndo = makeMethod<&AddedCounter::Added>(&added);
  Change(copy, crInsert, "old");
  copy.Assign(source);
  EXPECT_EQ(Texts(copy), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Numbers(copy), (std::vector<int>{1, 2}));
  EXPECT_NE(copy.GetItems(0), source.GetItems(0));
  EXPECT_EQ(copy.MaxUndoActions(), 10);
  EXPECT_EQ(copy.BlockCount(), 1);
  EXPECT_EQ(copy.BlockChangeNumber, 2);
  EXPECT_EQ(copy.LockCount(), 1);
  EXPECT_EQ(copy.NextChangeNumber(), 2);
  EXPECT_EQ(added.count, 1);  // only its own earlier change
}

}  // namespace
}  // namespace kau::editor

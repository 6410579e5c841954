#include <gtest/gtest.h>

#include "editor/options/bookmark_opt.h"
#include "editor/options/selected_color.h"
#include "tests/editor_options/change_counter.h"

namespace kau::editor {
namespace {

using testing::ChangeCounter;

TEST(SelectedColor, DefaultsAndSetters) {
  TSynSelectedColor s;
  EXPECT_EQ(s.Background(), clHighlight);
  EXPECT_EQ(s.Foreground(), clHighlightText);
  ChangeCounter changes;
  s.OnChange = changes.Event();
  s.SetBackground(clHighlight);
  s.SetForeground(clHighlightText);
  EXPECT_EQ(changes.count, 0);
  s.SetBackground(clNavy);
  s.SetForeground(clYellow);
  s.SetForeground(clYellow);
  EXPECT_EQ(changes.count, 2);
  EXPECT_EQ(s.Background(), clNavy);
  EXPECT_EQ(s.Foreground(), clYellow);
}

TEST(SelectedColor, AssignNotifiesEvenWhenEqual) {
  TSynSelectedColor a, b;
  ChangeCounter changes;
  b.OnChange = changes.Event();
  EXPECT_TRUE(b.Assign(a));
  EXPECT_EQ(changes.count, 1);
  a.SetBackground(clRed);
  EXPECT_TRUE(b.Assign(a));
  EXPECT_EQ(b.Background(), clRed);
  EXPECT_EQ(changes.count, 2);
  TPersistent other;
  EXPECT_FALSE(b.Assign(other));
  EXPECT_EQ(changes.count, 2);
}

struct Owner : TFreeNotifiable {
  std::vector<TObject*> removed;
  void Notification(TObject* AComponent, TOperation Operation) override {
    if (Operation == opRemove) removed.push_back(AComponent);
  }
};

TEST(BookMarkOpt, DefaultsAndSetters) {
  Owner owner;
  TSynBookMarkOpt b(&owner);
  EXPECT_EQ(b.BookmarkImages(), nullptr);
  EXPECT_TRUE(b.DrawBookmarksFirst());
  EXPECT_TRUE(b.EnableKeys());
  EXPECT_TRUE(b.GlyphsVisible());
  EXPECT_EQ(b.LeftMargin(), 2);
  EXPECT_EQ(b.Xoffset(), 12);
  ChangeCounter changes;
  b.OnChange = changes.Event();
  b.SetDrawBookmarksFirst(true);
  b.SetGlyphsVisible(true);
  b.SetLeftMargin(2);
  b.SetXoffset(12);
  EXPECT_EQ(changes.count, 0);
  b.SetDrawBookmarksFirst(false);
  b.SetGlyphsVisible(false);
  b.SetLeftMargin(5);
  b.SetXoffset(20);
  EXPECT_EQ(changes.count, 4);
  b.SetEnableKeys(false);  // a plain field
  EXPECT_EQ(changes.count, 4);
  EXPECT_FALSE(b.EnableKeys());
}

TEST(BookMarkOpt, ImageListRegistersTheOwner) {
  Owner owner;
  TSynBookMarkOpt b(&owner);
  ChangeCounter changes;
  b.OnChange = changes.Event();
  auto images = std::make_unique<TImageList>(16, 16);
  TImageList* raw = images.get();
  b.SetBookmarkImages(raw);
  b.SetBookmarkImages(raw);
  EXPECT_EQ(changes.count, 1);
  images.reset();
  ASSERT_EQ(owner.removed.size(), 1u);
  EXPECT_EQ(owner.removed[0], raw);
}

TEST(BookMarkOpt, AssignCopiesAndNotifiesOnce) {
  Owner owner;
  TSynBookMarkOpt a(&owner), b(&owner);
  TImageList images(16, 16);
  a.SetBookmarkImages(&images);
  a.SetLeftMargin(7);
  a.SetXoffset(3);
  a.SetEnableKeys(false);
  ChangeCounter changes;
  b.OnChange = changes.Event();
  EXPECT_TRUE(b.Assign(a));
  EXPECT_EQ(changes.count, 1);
  EXPECT_EQ(b.BookmarkImages(), &images);
  EXPECT_EQ(b.LeftMargin(), 7);
  EXPECT_EQ(b.Xoffset(), 3);
  EXPECT_FALSE(b.EnableKeys());
}

}  // namespace
}  // namespace kau::editor

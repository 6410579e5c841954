#include "editor/completion/proposal_columns.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kau::editor {
namespace {

TEST(ProposalColumns, ItemsKeepTheirIDsAndCopyTheirSettings) {
  TObject owner;
  TProposalColumns columns(&owner);
  EXPECT_EQ(columns.GetOwner(), &owner);
  TProposalColumn& first = columns.Add();
  EXPECT_EQ(first.BiggestWord(), "CONSTRUCTOR");
  EXPECT_EQ(first.InternalWidth(), -1);
  EXPECT_EQ(first.DefaultFontStyle(), 0);
  TProposalColumn& inserted = columns.Insert(0);
  EXPECT_EQ(first.Index(), 1);
  EXPECT_EQ(inserted.Index(), 0);
  EXPECT_EQ(columns.FindItemID(first.ID()), &first);
  EXPECT_EQ(columns.FindItemID(99), nullptr);

  first.SetBiggestWord("PROCEDURE");
  first.SetDefaultFontStyle(fsItalic);
  first.SetInternalWidth(80);
  columns.SetItem(0, first);
  EXPECT_EQ(inserted.BiggestWord(), "PROCEDURE");
  EXPECT_EQ(inserted.DefaultFontStyle(), fsItalic);
  EXPECT_EQ(inserted.InternalWidth(), 80);
  EXPECT_NE(inserted.ID(), first.ID());

  TProposalColumns copy;
  copy.Assign(columns);
  EXPECT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.GetItem(1).BiggestWord(), "PROCEDURE");
  columns.Delete(0);
  EXPECT_EQ(columns.Count(), 1);
  EXPECT_THROW(columns.GetItem(1), std::out_of_range);
  // IDs are not reused after a deletion.
  EXPECT_EQ(columns.Add().ID(), 2);
}

}  // namespace
}  // namespace kau::editor

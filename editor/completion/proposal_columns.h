// The columns of a completion list: each is as wide as its widest expected
// word plus one blank, and sets the font style that text in it starts with.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/model/object.h"
#include "platform/draw/font.h"

namespace kau::editor {

class TProposalColumns;

class TProposalColumn {
 public:
  TProposalColumn(TProposalColumns& Collection, int ID) : fCollection(Collection), fID(ID) {}
  TProposalColumn(const TProposalColumn&) = delete;
  TProposalColumn& operator=(const TProposalColumn&) = delete;

  // Copies the word, the measured width and the style; not the collection.
  void Assign(const TProposalColumn& Source);

  const std::string& BiggestWord() const { return fBiggestWord; }
  void SetBiggestWord(const std::string& Value) { fBiggestWord = Value; }
  // The pixel width last measured for the column, -1 until then.
  int InternalWidth() const { return fInternalWidth; }
  void SetInternalWidth(int Value) { fInternalWidth = Value; }
  TFontStyles DefaultFontStyle() const { return fDefaultFontStyle; }
  void SetDefaultFontStyle(TFontStyles Value) { fDefaultFontStyle = Value; }

  // Unique within the collection for the collection's life, unlike the index.
  int ID() const { return fID; }
  int Index() const;
  TProposalColumns& Collection() const { return fCollection; }

 private:
  TProposalColumns& fCollection;
  int fID;
  std::string fBiggestWord = "CONSTRUCTOR";
  int fInternalWidth = -1;
  TFontStyles fDefaultFontStyle = 0;
};

class TProposalColumns {
 public:
  explicit TProposalColumns(TObject* AOwner = nullptr) : fOwner(AOwner) {}
  TProposalColumns(const TProposalColumns&) = delete;
  TProposalColumns& operator=(const TProposalColumns&) = delete;

  TObject* GetOwner() const { return fOwner; }

  TProposalColumn& Add() { return Insert(Count()); }
  // Index clamped into 0..Count.
  TProposalColumn& Insert(int Index);
  // Out-of-range indexes throw std::out_of_range.
  TProposalColumn& GetItem(int Index) const;
  void SetItem(int Index, const TProposalColumn& Value) { GetItem(Index).Assign(Value); }
  // Nullptr when no column has that ID.
  TProposalColumn* FindItemID(int ID) const;
  void Delete(int Index);
  void Clear() { fItems.clear(); }
  int Count() const { return static_cast<int>(fItems.size()); }
  // Replaces the columns by copies of the source's.
  void Assign(const TProposalColumns& Source);
  int IndexOf(const TProposalColumn& Item) const;

 private:
  TObject* fOwner;
  std::vector<std::unique_ptr<TProposalColumn>> fItems;
  int fNextID = 0;
};

}  // namespace kau::editor

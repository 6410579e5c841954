// Marks: small pictures in the gutter attached to lines of one editor; a
// bookmark is a mark with a number 0..9 the caret can jump back to. The
// editor's mark list owns its marks.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "editor/model/object.h"

namespace kau::editor {

class TCustomSynEdit;

class TSynEditMark : public TObject {
 public:
  explicit TSynEditMark(TCustomSynEdit* AOwner) : fEdit(AOwner) {}

  // The owning editor, or none when it no longer lists this mark.
  virtual TCustomSynEdit* GetEdit();

  int Line() const { return fLine; }
  int Column() const { return fColumn; }
  int ImageIndex() const { return fImage; }
  bool Visible() const { return fVisible; }
  bool InternalImage() const { return fInternalImage; }
  int BookmarkNumber() const { return fBookmarkNum; }
  bool IsBookmark() const { return fBookmarkNum >= 0; }

  virtual void SetColumn(int Value) { fColumn = Value; }
  virtual void SetImage(int Value);
  virtual void SetLine(int Value);
  void SetVisible(bool Value);
  void SetInternalImage(bool Value);
  void SetBookmarkNumber(int Value) { fBookmarkNum = Value; }

 private:
  friend class TSynEditMarkList;
  // Repaints the gutter at a line when the mark shows and has an editor.
  void InvalidateGutterLine(int ALine);

  int fLine = 0;
  int fColumn = 0;
  int fImage = 0;
  TCustomSynEdit* fEdit;
  bool fVisible = false;
  bool fInternalImage = false;
  int fBookmarkNum = -1;
};

// The most marks one line shows.
using TSynEditMarks = std::array<TSynEditMark*, 16>;

class TSynEditMarkList : public TObject {
 public:
  explicit TSynEditMarkList(TCustomSynEdit* AOwner) : fEdit(AOwner) {}
  ~TSynEditMarkList() override = default;
  TSynEditMarkList(const TSynEditMarkList&) = delete;
  TSynEditMarkList& operator=(const TSynEditMarkList&) = delete;

  int Add(std::unique_ptr<TSynEditMark> Item);
  void Insert(int Index, std::unique_ptr<TSynEditMark> Item);
  // Replaces the mark at Index; the old one is handed back.
  std::unique_ptr<TSynEditMark> Put(int Index, std::unique_ptr<TSynEditMark> Item);
  // Takes the mark out of the list and hands it to the caller.
  std::unique_ptr<TSynEditMark> Delete(int Index);
  std::unique_ptr<TSynEditMark> Remove(TSynEditMark* Item);
  int IndexOf(const TSynEditMark* Item) const;

  int Count() const { return static_cast<int>(fItems.size()); }
  TSynEditMark* Get(int Index) const { return fItems.at(static_cast<std::size_t>(Index)).get(); }
  TSynEditMark* First() const { return fItems.empty() ? nullptr : fItems.front().get(); }
  TSynEditMark* Last() const { return fItems.empty() ? nullptr : fItems.back().get(); }

  // Takes out, from the last to the first, every mark on Line that is not a
  // bookmark.
  std::vector<std::unique_ptr<TSynEditMark>> ClearLine(int Line);
  // The first 16 marks on Line, in list order; the other slots empty.
  void GetMarksForLine(int Line, TSynEditMarks& Marks) const;
  // Offers the mark to the editor's OnPlaceBookmark, then keeps what is left.
  void Place(std::unique_ptr<TSynEditMark> Mark);

  TNotifyEvent OnChange;

 private:
  void DoChange();

  TCustomSynEdit* fEdit;
  std::vector<std::unique_ptr<TSynEditMark>> fItems;
};

}  // namespace kau::editor

// TSynBookMarkOpt: how bookmark glyphs are drawn in the gutter and whether the
// bookmark keys work.
#pragma once

#include "editor/highlight/persistent.h"
#include "editor/options/image_list.h"

namespace kau::editor {

class TSynBookMarkOpt : public TPersistent {
 public:
  // AOwner (the editor) is registered with an image list set here, to hear
  // when it goes away.
  explicit TSynBookMarkOpt(TFreeNotifiable* AOwner) : fOwner(AOwner) {}

  // From other options: every value, then one OnChange. False (nothing
  // copied) for any other source.
  bool Assign(const TPersistent& Source) override;

  TImageList* BookmarkImages() const { return fBookmarkImages; }
  bool DrawBookmarksFirst() const { return fDrawBookmarksFirst; }
  bool EnableKeys() const { return fEnableKeys; }
  bool GlyphsVisible() const { return fGlyphsVisible; }
  int LeftMargin() const { return fLeftMargin; }
  int Xoffset() const { return fXoffset; }

  void SetBookmarkImages(TImageList* Value);
  void SetDrawBookmarksFirst(bool Value);
  void SetEnableKeys(bool Value) { fEnableKeys = Value; }
  void SetGlyphsVisible(bool Value);
  void SetLeftMargin(int Value);
  void SetXoffset(int Value);

  TNotifyEvent OnChange;

 private:
  void Changed();
  template <typename T>
  void Store(T& field, T Value);

  TImageList* fBookmarkImages = nullptr;  // not owned
  bool fDrawBookmarksFirst = true;
  bool fEnableKeys = true;
  bool fGlyphsVisible = true;
  int fLeftMargin = 2;
  TFreeNotifiable* fOwner;
  int fXoffset = 12;
};

}  // namespace kau::editor

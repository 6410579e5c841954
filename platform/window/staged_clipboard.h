// The opening, emptying and filling of a clipboard, with what is set kept
// until it is closed; back ends say how the entries reach the system and how
// they are read.
#pragma once

#include <map>
#include <string>

#include "platform/window/clipboard.h"

namespace kau::platform {

class StagedClipboard : public Clipboard {
 public:
  using Entries = std::map<TClipboardFormat, std::string>;

  bool Open() override;
  void Close() override;
  bool Empty() override;
  bool SetData(TClipboardFormat format, std::string_view bytes) override;

  bool IsOpen() const { return open_; }

 protected:
  // Whether an entry of this format can be set.
  virtual bool Accepts(TClipboardFormat format) = 0;
  // Hands the entries set while open to the system: in place of what is
  // there when the clipboard was emptied, else joining it.
  virtual void Commit(const Entries& entries, bool emptied) = 0;

 private:
  bool open_ = false;
  bool emptied_ = false;
  Entries pending_;
};

}  // namespace kau::platform

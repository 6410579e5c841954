#include "platform/window/staged_clipboard.h"

namespace kau::platform {

bool StagedClipboard::Open() {
  if (open_) return false;
  open_ = true;
  emptied_ = false;
  pending_.clear();
  return true;
}

bool StagedClipboard::Empty() {
  if (!open_) return false;
  emptied_ = true;
  pending_.clear();
  return true;
}

bool StagedClipboard::SetData(TClipboardFormat format, std::string_view bytes) {
  if (!open_ || !Accepts(format)) return false;
  pending_[format] = std::string(bytes);
  return true;
}

void StagedClipboard::Close() {
  if (!open_) return;
  open_ = false;
  if (emptied_ || !pending_.empty()) Commit(pending_, emptied_);
  pending_.clear();
}

}  // namespace kau::platform

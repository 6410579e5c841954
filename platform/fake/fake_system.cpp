#include "platform/fake/fake_system.h"

namespace kau::platform {

bool FakeClipboard::Open() {
  if (open_) return false;
  open_ = true;
  emptied_ = false;
  pending_.clear();
  return true;
}

void FakeClipboard::Close() {
  if (!open_) return;
  open_ = false;
  if (emptied_) entries_ = pending_;
  else
    for (auto& [format, bytes] : pending_) entries_[format] = bytes;
  pending_.clear();
}

bool FakeClipboard::Empty() {
  if (!open_) return false;
  emptied_ = true;
  pending_.clear();
  return true;
}

bool FakeClipboard::SetData(TClipboardFormat format, std::string_view bytes) {
  if (!open_ || refused_.count(format)) return false;
  pending_[format] = std::string(bytes);
  return true;
}

bool FakeClipboard::HasFormat(TClipboardFormat format) { return entries_.count(format) != 0; }

bool FakeClipboard::GetData(TClipboardFormat format, std::string& bytes) {
  const auto it = entries_.find(format);
  if (!open_ || it == entries_.end()) return false;
  bytes = it->second;
  return true;
}

void FakeClipboard::PutTextFromOutside(const std::string& text) { entries_ = {{CF_TEXT, text}}; }

FakeSystem::FakeSystem() {
  SetSystem(this);
  SetFonts(&fonts_);
}

FakeSystem::~FakeSystem() {
  if (&System() == this) SetSystem(nullptr);
  if (&Fonts() == &fonts_) SetFonts(nullptr);
}

}  // namespace kau::platform

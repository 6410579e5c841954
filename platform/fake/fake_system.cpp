#include "platform/fake/fake_system.h"

#include "platform/fake/fake_window.h"

namespace kau::platform {

void FakeClipboard::Commit(const Entries& entries, bool emptied) {
  if (emptied) entries_.clear();
  for (const auto& [format, bytes] : entries) entries_[format] = bytes;
}

bool FakeClipboard::HasFormat(TClipboardFormat format) { return entries_.count(format) != 0; }

bool FakeClipboard::GetData(TClipboardFormat format, std::string& bytes) {
  const auto it = entries_.find(format);
  if (!IsOpen() || it == entries_.end()) return false;
  bytes = it->second;
  return true;
}

void FakeClipboard::PutTextFromOutside(const std::string& text) { entries_ = {{CF_TEXT, text}}; }

WindowHost* FakeSystem::HostAt(TPixelPoint screenPoint) { return FakeWindow::At(screenPoint); }

FakeSystem::FakeSystem() {
  SetSystem(this);
  SetFonts(&fonts_);
}

FakeSystem::~FakeSystem() {
  if (&System() == this) SetSystem(nullptr);
  if (&Fonts() == &fonts_) SetFonts(nullptr);
}

}  // namespace kau::platform

// Process-wide services without a window system, for tests: an in-memory
// clipboard, keys held as a test says, fixed metrics with a 1024 x 768 work
// area, an application active until a test says otherwise, and failures
// collected instead of shown. Installing one also installs the fixed-cell
// fonts.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/draw/fixed_cell_fonts.h"
#include "platform/window/staged_clipboard.h"
#include "platform/window/system_services.h"

namespace kau::platform {

class FakeClipboard : public StagedClipboard {
 public:
  bool HasFormat(TClipboardFormat format) override;
  bool GetData(TClipboardFormat format, std::string& bytes) override;

  // A format that SetData refuses, to test failure paths.
  void Refuse(TClipboardFormat format) { refused_.insert(format); }
  // Another program puts plain text on the clipboard.
  void PutTextFromOutside(const std::string& text);

 protected:
  bool Accepts(TClipboardFormat format) override { return refused_.count(format) == 0; }
  void Commit(const Entries& entries, bool emptied) override;

 private:
  Entries entries_;  // what others see
  std::set<TClipboardFormat> refused_;
};

class FakeSystem : public SystemServices {
 public:
  FakeSystem();
  ~FakeSystem() override;

  Clipboard& TheClipboard() override { return clipboard_; }
  bool KeyPressed(std::uint16_t key) override { return held_.count(key) != 0; }
  TSize DragDistance() override { return {4, 4}; }
  int WheelScrollLines() override { return 3; }
  int VerticalArrowHeight() override { return 16; }
  TRect WorkAreaAt(TPixelPoint) override { return {0, 0, 1024, 768}; }
  bool ApplicationActive() override { return active_; }
  void ShowException(const std::string& message) override { shown_.push_back(message); }
  WindowHost* HostAt(TPixelPoint screenPoint) override;

  FakeClipboard& FakeClip() { return clipboard_; }
  FixedCellFonts& CellFonts() { return fonts_; }
  void Hold(std::uint16_t key) { held_.insert(key); }
  void Release(std::uint16_t key) { held_.erase(key); }
  void SetApplicationActive(bool active) { active_ = active; }
  const std::vector<std::string>& ShownExceptions() const { return shown_; }

 private:
  FakeClipboard clipboard_;
  FixedCellFonts fonts_;
  std::set<std::uint16_t> held_;
  std::vector<std::string> shown_;
  bool active_ = true;
};

}  // namespace kau::platform

// The process-wide services through Qt: the system clipboard (plain text as
// UTF-8, private formats under their MIME types), the keyboard's state, the
// desktop's metrics and message boxes for failures.
#pragma once

#include <functional>
#include <set>

#include "platform/qt/qt_fonts.h"
#include "platform/window/staged_clipboard.h"
#include "platform/window/system_services.h"

namespace kau::platform {

class QtClipboard : public StagedClipboard {
 public:
  bool HasFormat(TClipboardFormat format) override;
  bool GetData(TClipboardFormat format, std::string& bytes) override;

 protected:
  // Plain text and registered formats.
  bool Accepts(TClipboardFormat format) override;
  void Commit(const Entries& entries, bool emptied) override;
};

class QtSystemServices : public SystemServices {
 public:
  // Installs itself, the Qt font services and the palette's system colours;
  // needs a QApplication.
  QtSystemServices();
  ~QtSystemServices() override;

  Clipboard& TheClipboard() override { return clipboard_; }
  bool KeyPressed(std::uint16_t key) override;
  TSize DragDistance() override;
  int WheelScrollLines() override;
  int VerticalArrowHeight() override;
  TRect WorkAreaAt(TPixelPoint screenPoint) override;
  bool ApplicationActive() override;
  // A message box, or the reporter set in its place.
  void ShowException(const std::string& message) override;
  // The editor window under the point; other widgets take no drags.
  WindowHost* HostAt(TPixelPoint screenPoint) override;

  void SetExceptionReporter(std::function<void(const std::string&)> reporter) { reporter_ = std::move(reporter); }
  // The windows tell which keys go down and up.
  void NoteKey(std::uint16_t key, bool down);

 private:
  QtClipboard clipboard_;
  QtFontServices fonts_;
  std::set<std::uint16_t> held_;
  std::function<void(const std::string&)> reporter_;
};

// The installed Qt services, or none.
QtSystemServices* QtSystem();

}  // namespace kau::platform

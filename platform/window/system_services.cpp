#include "platform/window/system_services.h"

#include "platform/virtual_keys.h"

namespace kau::platform {

TShiftState SystemServices::KeyShiftState() {
  TShiftState s;
  if (KeyPressed(VK_SHIFT)) s = s | ssShift;
  if (KeyPressed(VK_MENU)) s = s | ssAlt;
  if (KeyPressed(VK_CONTROL)) s = s | ssCtrl;
  return s;
}

namespace {

class NoClipboard : public Clipboard {
 public:
  bool Open() override { return false; }
  void Close() override {}
  bool Empty() override { return false; }
  bool SetData(TClipboardFormat, std::string_view) override { return false; }
  bool HasFormat(TClipboardFormat) override { return false; }
  bool GetData(TClipboardFormat, std::string&) override { return false; }
};

class NoSystem : public SystemServices {
 public:
  Clipboard& TheClipboard() override { return clipboard_; }
  bool KeyPressed(std::uint16_t) override { return false; }
  TSize DragDistance() override { return {4, 4}; }
  int WheelScrollLines() override { return 3; }
  int VerticalArrowHeight() override { return 16; }
  TRect WorkAreaAt(TPixelPoint) override { return {0, 0, 1024, 768}; }
  bool ApplicationActive() override { return false; }
  void ShowException(const std::string&) override {}

 private:
  NoClipboard clipboard_;
};

SystemServices* installed = nullptr;

}  // namespace

SystemServices& System() {
  static NoSystem none;
  return installed ? *installed : none;
}

void SetSystem(SystemServices* services) { installed = services; }

}  // namespace kau::platform

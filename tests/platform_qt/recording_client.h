// A window client for the Qt tests: it records what reaches it and can be told
// to fail in its paint or key handler.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/window/window_client.h"

namespace kau::platform::testing {

struct KeyCall {
  std::uint16_t key;
  TShiftState shift;
};

struct RecordingClient : WindowClient {
  std::vector<KeyCall> keyDowns, keyUps;
  std::string typed;
  std::vector<std::string> log;
  int paints = 0;
  TRect lastClip;
  bool failPaint = false;
  bool failKey = false;

  void Paint(Canvas& canvas, const TRect& clip) override {
    ++paints;
    lastClip = clip;
    if (failPaint) throw std::runtime_error("paint failed");
    canvas.FillRect(clip, clWhite);
  }
  void KeyDown(std::uint16_t& key, TShiftState shift) override {
    keyDowns.push_back({key, shift});
    if (failKey) throw std::runtime_error("key failed");
  }
  void KeyUp(std::uint16_t& key, TShiftState shift) override { keyUps.push_back({key, shift}); }
  void KeyPress(char& ch) override { typed += ch; }
  void ImeResult(const std::string& text) override { log.push_back("ime " + text); }
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    log.push_back("down " + std::to_string(b) + " " + std::to_string(s.Bits()) + " " + std::to_string(x) + "," +
                  std::to_string(y));
  }
  void MouseMove(TShiftState, int, int) override {}
  void CursorRequested() override { log.push_back("cursor"); }
  void MouseUp(TMouseButton b, TShiftState, int, int) override { log.push_back("up " + std::to_string(b)); }
  void DblClick() override { log.push_back("dblclick"); }
  void Timer(int id) override { log.push_back("timer " + std::to_string(id)); }
  void MouseWheel(TShiftState, int delta, int, int) override { log.push_back("wheel " + std::to_string(delta)); }
  void Scroll(TScrollBarKind bar, TScrollCode code, int pos) override {
    log.push_back("scroll " + std::to_string(bar) + " " + std::to_string(code) + " " + std::to_string(pos));
  }
  void CaptureChanged() override { log.push_back("capturechanged"); }
  void DropFiles(int x, int y, const std::vector<std::string>& names) override {
    std::string line = "drop " + std::to_string(x) + "," + std::to_string(y);
    for (const auto& n : names) line += " " + n;
    log.push_back(line);
  }
};

}  // namespace kau::platform::testing

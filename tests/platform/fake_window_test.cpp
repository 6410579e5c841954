#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_window.h"
#include "platform/virtual_keys.h"

namespace kau::platform {
namespace {

// A client that logs what reaches it and paints one filled rectangle.
struct LoggingClient : WindowClient {
  std::vector<std::string> log;
  TRect lastClip;
  void Paint(Canvas& canvas, const TRect& clip) override {
    lastClip = clip;
    canvas.FillRect(clip, clWindow);
    log.push_back("paint");
  }
  void KeyDown(std::uint16_t&, TShiftState) override { log.push_back("keydown"); }
  void KeyUp(std::uint16_t&, TShiftState) override { log.push_back("keyup"); }
  void KeyPress(char&) override { log.push_back("keypress"); }
  void MouseDown(TMouseButton, TShiftState, int, int) override { log.push_back("down"); }
  void MouseMove(TShiftState, int, int) override { log.push_back("move"); }
  void MouseUp(TMouseButton, TShiftState, int, int) override { log.push_back("up"); }
  void FocusIn() override { log.push_back("focusin"); }
  void FocusOut() override { log.push_back("focusout"); }
  void Resized() override { log.push_back("resized"); }
  void Timer(int id) override { log.push_back("timer " + std::to_string(id)); }
  void CaptureChanged() override { log.push_back("capturechanged"); }
  void DropFiles(int x, int y, const std::vector<std::string>& names) override {
    log.push_back("drop " + std::to_string(x) + "," + std::to_string(y) + " " + names.at(0));
  }
};

struct FakeWindowTest : ::testing::Test {
  FakeWindow window{{0, 0, 200, 150}};
  LoggingClient client;
  void SetUp() override { window.SetClient(&client); }
};

TEST_F(FakeWindowTest, InvalidationsAreRecordedAndPainted) {
  const TRect line{30, 16, 200, 32};
  window.InvalidateRect(&line, false);
  const TRect gutter{0, 0, 30, 150};
  window.InvalidateRect(&gutter, false);
  EXPECT_EQ(window.Invalidations().size(), 2u);
  EXPECT_EQ(window.InvalidArea(), (TRect{0, 0, 200, 150}));
  FakeCanvas& painted = window.PaintNow();
  EXPECT_EQ(client.lastClip, (TRect{0, 0, 200, 150}));
  ASSERT_EQ(painted.Drawings().size(), 1u);
  EXPECT_EQ(painted.Drawings()[0].kind, FakeDrawing::FillRect);
  EXPECT_TRUE(window.InvalidArea().IsEmpty());
  client.log.clear();
  window.PaintNow();  // nothing invalid: no paint
  EXPECT_TRUE(client.log.empty());
}

TEST_F(FakeWindowTest, ScrollingInvalidatesTheUncoveredBand) {
  const TRect text{32, 0, 200, 150};
  window.ScrollArea(0, -16, nullptr);
  EXPECT_EQ(window.InvalidArea(), (TRect{0, 134, 200, 150}));
  window.ClearInvalidations();
  window.ScrollArea(24, 0, &text);
  EXPECT_EQ(window.InvalidArea(), (TRect{32, 0, 56, 150}));
  ASSERT_EQ(window.Scrolls().size(), 2u);
  EXPECT_EQ(window.Scrolls()[1].area, text);
}

TEST_F(FakeWindowTest, Caret) {
  EXPECT_FALSE(window.ShowCaret());  // none created
  EXPECT_TRUE(window.CreateCaret(2, 14));
  EXPECT_FALSE(window.CaretState().shown);
  window.SetCaretPos(40, 17);
  EXPECT_TRUE(window.ShowCaret());
  EXPECT_EQ(window.CaretState().pos, (TPixelPoint{40, 17}));
  EXPECT_EQ(window.CaretState().size, (TSize{2, 14}));
  EXPECT_TRUE(window.HideCaret());
  EXPECT_FALSE(window.CaretState().shown);
  window.DestroyCaret();
  EXPECT_FALSE(window.CaretState().created);
}

TEST_F(FakeWindowTest, ScrollBars) {
  const TScrollInfo info{1, 100, 9, 12, true};
  window.SetScrollInfo(sbVertical, info);
  window.ShowScrollBar(sbHorizontal, false);
  window.EnableScrollBarArrows(sbVertical, ESB_DISABLE_LEFT_UP);
  EXPECT_EQ(window.GetScrollInfo(sbVertical), info);
  EXPECT_FALSE(window.ScrollBar(sbHorizontal).shown);
  EXPECT_TRUE(window.ScrollBar(sbVertical).shown);
  EXPECT_EQ(window.ScrollBar(sbVertical).arrows, ESB_DISABLE_LEFT_UP);
}

TEST_F(FakeWindowTest, MouseCaptureCursorAndHint) {
  window.SetCapture();
  EXPECT_TRUE(window.HasCapture());
  window.ReleaseCapture();
  EXPECT_FALSE(window.HasCapture());
  EXPECT_EQ(client.log, (std::vector<std::string>{"capturechanged"}));
  window.SetCursorPos({12, 34});
  EXPECT_EQ(window.CursorPos(), (TPixelPoint{12, 34}));
  window.SetCursorShape(crHandPoint);
  EXPECT_EQ(window.CursorShape(), crHandPoint);
  EXPECT_EQ(window.ClientToScreen({1, 2}), (TPixelPoint{101, 102}));
  const TRect hint = window.HintRect("Top Line: 25", 200);
  EXPECT_LE(hint.Width(), 200);
  window.ShowHint("Top Line: 25", hint, clInfoBk);
  EXPECT_TRUE(window.HintState().shown);
  EXPECT_EQ(window.HintState().text, "Top Line: 25");
  window.HideHint();
  EXPECT_FALSE(window.HintState().shown);
}

TEST_F(FakeWindowTest, ExistenceVisibilityAndClientArea) {
  EXPECT_TRUE(window.Exists());
  EXPECT_TRUE(window.Visible());
  EXPECT_FALSE(window.Focused());
  window.SetVisible(false);
  window.SetExists(false);
  EXPECT_FALSE(window.Visible());
  EXPECT_FALSE(window.Exists());
  EXPECT_EQ(window.ClientRect(), (TRect{0, 0, 200, 150}));
  window.Update();  // nothing invalid
  EXPECT_TRUE(client.log.empty());
}

TEST_F(FakeWindowTest, InputMethodFilesFocusAndSize) {
  window.SetImePosition({50, 60});
  EXPECT_EQ(window.ImePosition(), (TPixelPoint{50, 60}));
  TFontDesc font;
  font.Name = "Courier New";
  window.SetImeFont(font);
  EXPECT_EQ(window.ImeFont(), font);
  EXPECT_FALSE(window.DropFiles(1, 2, {"a.pas"}));  // not accepted yet
  window.AcceptFiles(true);
  EXPECT_TRUE(window.DropFiles(1, 2, {"a.pas"}));
  window.SetFocus();
  window.SetFocused(false);
  window.SetClientRect({0, 0, 300, 200});
  EXPECT_EQ(client.log, (std::vector<std::string>{"drop 1,2 a.pas", "focusin", "focusout", "resized"}));
}

TEST_F(FakeWindowTest, TimersTickOnlyByHandWhileRunning) {
  EXPECT_FALSE(window.TickTimer(1));
  window.StartTimer(1, 100);
  EXPECT_EQ(window.TimerInterval(1), 100);
  EXPECT_TRUE(window.TickTimer(1));
  EXPECT_TRUE(window.TickTimer(1));
  window.StopTimer(1);
  EXPECT_FALSE(window.TickTimer(1));
  EXPECT_EQ(client.log, (std::vector<std::string>{"timer 1", "timer 1"}));
}

TEST_F(FakeWindowTest, CanvasOutsidePaintAndStateSaving) {
  auto canvas = window.GetCanvas();
  canvas->SetPen(clRed, 1, psAlternate);
  const int saved = canvas->SaveState();
  canvas->IntersectClipRect({10, 10, 20, 20});
  canvas->Line({10, 0}, {10, 50});
  canvas->SetPixel(3, 4, clBlue);
  canvas->RestoreState(saved);
  canvas->FillRect({0, 0, 5, 5}, clWhite);
  const auto& drawings = window.DirectCanvases().at(0)->Drawings();
  ASSERT_EQ(drawings.size(), 3u);
  EXPECT_EQ(drawings[0].pen, psAlternate);
  EXPECT_EQ(drawings[0].color, clRed);
  EXPECT_EQ(drawings[0].clip, (TRect{10, 10, 20, 20}));
  EXPECT_EQ(drawings[1].from, (TPixelPoint{3, 4}));
  EXPECT_EQ(drawings[2].clip, (TRect{0, 0, 200, 150}));
}

// A key event goes whole to the receiver chosen when it arrived: KeyDown,
// then each typed character, none with Alt or for Delete.
TEST_F(FakeWindowTest, KeysGoToTheKeyTargetChosenPerEvent) {
  struct Target : LoggingClient {
    FakeWindow* window = nullptr;
    void KeyDown(std::uint16_t& key, TShiftState) override {
      log.push_back("target keydown " + std::to_string(key));
      window->SetKeyTarget(nullptr);  // closes itself, as a list on Escape
    }
    void KeyPress(char& c) override { log.push_back(std::string("target keypress ") + c); }
    void MouseWheel(TShiftState, int delta, int, int) override { log.push_back("target wheel " + std::to_string(delta)); }
  } target;
  target.window = &window;
  window.SetKeyTarget(&target);
  window.SendWheel(-120);
  window.SendKey('X', {}, "xy");
  window.SendKey('Z', {}, "z");
  window.SendKey('Q', ssAlt, "q");
  window.SendKey(VK_DELETE, {}, "\x7F");
  window.SendKey(0, {}, "\xE9");
  EXPECT_EQ(target.log, (std::vector<std::string>{"target wheel -120", "target keydown 88", "target keypress x",
                                                   "target keypress y"}));
  EXPECT_EQ(client.log,
            (std::vector<std::string>{"keydown", "keypress", "keydown", "keydown", "keydown", "keypress"}));
}

}  // namespace
}  // namespace kau::platform

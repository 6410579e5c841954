// The completion list's window under Qt (offscreen): a frameless tool-tip
// window over the editor's window that leaves the focus in the editor, whose
// window hands it the keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "editor/completion/completion_form.h"
#include "platform/qt/qt_colors.h"
#include "platform/qt/qt_editor_host.h"
#include "platform/qt/qt_popup_host.h"
#include "platform/window/system_services.h"
#include "tests/platform_qt/recording_client.h"
#include "tests/support/hang_bound.h"

namespace kau::platform {
namespace {

struct HostEditor : editor::TCompletionEditor {
  QtEditorHost* host = nullptr;
  bool showCaret = false;
  void CommandProcessor(editor::TSynEditorCommand, char, void*) override {}
  std::string LineText() const override { return {}; }
  int CaretX() const override { return 1; }
  int TextWidth(std::string_view) const override { return 0; }
  bool AlwaysShowCaret() const override { return showCaret; }
  void SetAlwaysShowCaret(bool Value) override { showCaret = Value; }
  WindowHost& Host() override { return *host; }
};

struct EditorWindow {
  QWidget window;
  QtEditorHost* host = new QtEditorHost(&window);
  testing::RecordingClient client;
  HostEditor editor;
  EditorWindow() {
    (new QVBoxLayout(&window))->addWidget(host);
    host->SetClient(&client);
    editor.host = host;
    window.resize(400, 300);
    window.show();
    QApplication::setActiveWindow(&window);
    host->setFocus();
    QApplication::processEvents();
  }
  // The window's last focus-out comes after the client is gone.
  ~EditorWindow() { host->SetClient(nullptr); }
};

void Press(QWidget& w, int qtKey, const QString& text = {}) {
  QKeyEvent down(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
  QApplication::sendEvent(&w, &down);
}

TEST(QtPopupHost, ShowsAsAToolTipWithoutTakingTheFocus) {
  EditorWindow w;
  ASSERT_EQ(QApplication::focusWidget(), w.host);
  QtPopupHost popup(w.host);
  editor::TSynBaseCompletionProposalForm form(popup);
  form.SetCurrentEditor(&w.editor);
  form.SetItemList({"if", "if/else", "while"});
  const int frame = popup.FrameThickness();
  popup.SetBounds({50, 60, 310, 60 + 8 * form.EffectiveItemHeight() + 2 * frame});
  form.Show();
  QApplication::processEvents();

  EXPECT_EQ(popup.windowType(), Qt::ToolTip);
  const Qt::WindowFlags flags = popup.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_TRUE(flags.testFlag(Qt::NoDropShadowWindowHint));
  EXPECT_TRUE(popup.testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_EQ(popup.parentWidget(), &w.window);
  EXPECT_TRUE(popup.isVisible());
  EXPECT_EQ(popup.geometry(), QRect(50, 60, 260, 8 * form.EffectiveItemHeight() + 2 * frame));
  EXPECT_EQ(form.NbLinesInWindow(), 8);
  EXPECT_EQ(QApplication::focusWidget(), w.host);
  EXPECT_TRUE(w.host->hasFocus());
  EXPECT_FALSE(System().WorkAreaAt({60, 70}).IsEmpty());

  // The rows are painted through the back buffer, the first one selected.
  popup.Update();
  const int row = form.EffectiveItemHeight();
  EXPECT_EQ(popup.BackBuffer().pixelColor(1, row / 2), ToQColor(form.ClSelect));
  EXPECT_EQ(popup.BackBuffer().pixelColor(1, row + row / 2), ToQColor(form.ClBackground));

  // The editor's keys reach the list while it is open, and the editor after.
  Press(*w.host, Qt::Key_W, "w");
  Press(*w.host, Qt::Key_Down);
  EXPECT_EQ(form.CurrentString(), "w");
  EXPECT_EQ(form.Position(), 2);
  EXPECT_TRUE(w.client.typed.empty());
  EXPECT_TRUE(w.client.keyDowns.empty());
  // Dragging the bottom edge down by two rows makes two more rows.
  const QPoint edge(100, popup.height() - 1);
  const int two = 2 * form.EffectiveItemHeight();
  const auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent e(type, at, popup.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&popup, &e);
  };
  mouse(QEvent::MouseButtonPress, edge, Qt::LeftButton);
  mouse(QEvent::MouseMove, edge + QPoint(0, two), Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, edge + QPoint(0, two), Qt::NoButton);
  EXPECT_EQ(form.NbLinesInWindow(), 10);
  EXPECT_EQ(form.Position(), 2);  // the press was the frame's, not a row's

  form.Hide();
  EXPECT_FALSE(popup.isVisible());
  Press(*w.host, Qt::Key_A, "a");
  EXPECT_EQ(w.client.typed, "a");
  EXPECT_EQ(QApplication::focusWidget(), w.host);
}

// Polls the event loop until the client has logged `entry`, up to the hang
// bound.
bool Logged(const testing::RecordingClient& client, const std::string& entry) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < kau::testing::kHangMilliseconds) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    if (std::find(client.log.begin(), client.log.end(), entry) != client.log.end()) return true;
  }
  return false;
}

TEST(QtPopupHost, TimersTickWithTheClientsIds) {
  testing::RecordingClient client;
  QtPopupHost popup(nullptr);
  QtEditorHost editor;
  popup.SetClient(&client);
  editor.SetClient(&client);
  popup.StartTimer(7, 1);
  editor.StartTimer(8, 1);
  EXPECT_TRUE(Logged(client, "timer 7"));
  EXPECT_TRUE(Logged(client, "timer 8"));
  popup.StopTimer(7);
  editor.StopTimer(8);
  client.log.clear();
  popup.StartTimer(9, 1);
  EXPECT_TRUE(Logged(client, "timer 9"));
  EXPECT_EQ(std::count(client.log.begin(), client.log.end(), "timer 7"), 0);
  EXPECT_EQ(std::count(client.log.begin(), client.log.end(), "timer 8"), 0);
}

}  // namespace
}  // namespace kau::platform

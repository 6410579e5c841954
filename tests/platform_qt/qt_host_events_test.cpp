#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "platform/qt/qt_editor_host.h"
#include "platform/qt/qt_system.h"
#include "tests/platform_qt/recording_client.h"

namespace kau::platform {
namespace {

using testing::RecordingClient;

struct QtHostEvents : ::testing::Test {
  QtEditorHost host;
  RecordingClient client;
  std::vector<std::string> reported;
  void SetUp() override {
    host.SetClient(&client);
    host.resize(300, 200);
    QtSystem()->SetExceptionReporter([this](const std::string& m) { reported.push_back(m); });
  }
  void TearDown() override { QtSystem()->SetExceptionReporter({}); }
};

TEST_F(QtHostEvents, AFailingPaintIsReportedAndTheProcessGoesOn) {
  host.show();
  QApplication::processEvents();
  client.failPaint = true;
  host.InvalidateRect(nullptr, false);
  host.Update();
  ASSERT_EQ(reported, (std::vector<std::string>{"paint failed"}));
  // Painting works again afterwards.
  client.failPaint = false;
  const int before = client.paints;
  host.InvalidateRect(nullptr, false);
  host.Update();
  EXPECT_EQ(client.paints, before + 1);
  EXPECT_EQ(reported.size(), 1u);
}

TEST_F(QtHostEvents, ShowingTheWindowAgainRepaintsAllOfIt) {
  host.show();
  QApplication::processEvents();
  host.Update();
  host.hide();
  QApplication::processEvents();
  const int before = client.paints;
  host.show();
  QApplication::processEvents();
  host.Update();
  EXPECT_EQ(client.paints, before + 1);
  EXPECT_EQ(client.lastClip, host.ClientRect());
}

TEST_F(QtHostEvents, AFailingKeyHandlerIsReported) {
  client.failKey = true;
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QApplication::sendEvent(&host, &down);
  EXPECT_EQ(reported, (std::vector<std::string>{"key failed"}));
}

TEST_F(QtHostEvents, MouseButtonsClicksAndWheel) {
  QWidget* vp = host.viewport();
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 20), vp->mapToGlobal(QPointF(10, 20)), Qt::LeftButton,
                    Qt::LeftButton, Qt::ShiftModifier);
  QApplication::sendEvent(vp, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 20), vp->mapToGlobal(QPointF(10, 20)), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(vp, &release);
  QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 6), vp->mapToGlobal(QPointF(5, 6)), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(vp, &dbl);
  QWheelEvent wheel(QPointF(1, 1), vp->mapToGlobal(QPointF(1, 1)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(vp, &wheel);
  const std::string shiftLeft = std::to_string((ssShift | ssLeft).Bits());
  const std::string doubleLeft = std::to_string((ssLeft | ssDouble).Bits());
  EXPECT_EQ(client.log, (std::vector<std::string>{"down 0 " + shiftLeft + " 10,20", "up 0", "dblclick",
                                                  "down 0 " + doubleLeft + " 5,6", "wheel -120"}));
}

TEST_F(QtHostEvents, APointerMoveAsksForTheCursorShape) {
  QWidget* vp = host.viewport();
  QMouseEvent move(QEvent::MouseMove, QPointF(7, 8), vp->mapToGlobal(QPointF(7, 8)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(vp, &move);
  EXPECT_EQ(client.log, (std::vector<std::string>{"cursor"}));
}

TEST_F(QtHostEvents, ScrollBarActionsBecomeScrollRequests) {
  host.ShowScrollBar(sbVertical, true);
  host.SetScrollInfo(sbVertical, {1, 100, 10, 5, false});
  QScrollBar* bar = host.verticalScrollBar();
  EXPECT_EQ(bar->minimum(), 1);
  EXPECT_EQ(bar->maximum(), 91);
  EXPECT_EQ(bar->value(), 5);
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(client.log, (std::vector<std::string>{"scroll 1 1 6", "scroll 1 2 1"}));
  // The control did not move: the bar stays where it set it.
  EXPECT_EQ(bar->value(), 5);
}

// Records the paint events a widget gets and the region of each.
struct PaintSpy : QObject {
  std::vector<QRect> viewport;
  int bars = 0;
  QWidget* watched = nullptr;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      if (o == watched) viewport.push_back(static_cast<QPaintEvent*>(e)->rect());
      else if (qobject_cast<QScrollBar*>(o)) ++bars;
    }
    return false;
  }
};

TEST_F(QtHostEvents, ARepeatedBarRequestAndASmallDrawingRepaintOnlyWhatChanged) {
  host.ShowScrollBar(sbVertical, true);
  host.ShowScrollBar(sbHorizontal, false);
  host.show();
  QApplication::processEvents();
  PaintSpy spy;
  spy.watched = host.viewport();
  qApp->installEventFilter(&spy);
  host.ShowScrollBar(sbVertical, true);
  host.ShowScrollBar(sbHorizontal, false);
  {
    auto canvas = host.GetCanvas();
    canvas->FillRect({10, 20, 14, 30}, clRed);
  }
  {
    auto canvas = host.GetCanvas();  // draws nothing
  }
  QApplication::processEvents();
  qApp->removeEventFilter(&spy);
  EXPECT_EQ(spy.bars, 0);
  EXPECT_EQ(spy.viewport, (std::vector<QRect>{QRect(10, 20, 4, 10)}));
  EXPECT_EQ(host.BackBuffer().pixelColor(12, 25), QColor(255, 0, 0));
  // A policy that does change still shows the bar.
  host.ShowScrollBar(sbHorizontal, true);
  EXPECT_EQ(host.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(QtHostEvents, CaretCaptureAndCanvas) {
  EXPECT_FALSE(host.ShowCaret());
  EXPECT_TRUE(host.CreateCaret(2, 14));
  host.SetCaretPos(30, 4);
  EXPECT_TRUE(host.ShowCaret());
  EXPECT_TRUE(host.CaretVisibleNow());
  EXPECT_TRUE(host.HideCaret());
  EXPECT_FALSE(host.CaretVisibleNow());
  host.DestroyCaret();
  host.SetCapture();
  EXPECT_TRUE(host.HasCapture());
  host.ReleaseCapture();
  EXPECT_FALSE(host.HasCapture());
  EXPECT_EQ(client.log, (std::vector<std::string>{"capturechanged"}));
  {
    auto canvas = host.GetCanvas();
    canvas->FillRect({0, 0, 4, 4}, clRed);
  }
  EXPECT_EQ(host.BackBuffer().pixelColor(1, 1), QColor(255, 0, 0));
}

}  // namespace
}  // namespace kau::platform

namespace kau::platform {
namespace {

TEST(QtHostHint, OneHintWindowShownAndHidden) {
  QtEditorHost a, b;
  const TRect r = a.HintRect("Top Line: 25", 200);
  EXPECT_GT(r.Width(), 0);
  EXPECT_LE(r.Width(), 200);
  a.ShowHint("Top Line: 25", OffsetRect(r, 50, 50), clInfoBk);
  b.ShowHint("25 - 30", OffsetRect(r, 60, 60), clInfoBk);
  int shown = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* label = qobject_cast<QLabel*>(w); label && label->isVisible()) {
      ++shown;
      EXPECT_EQ(label->text(), "25 - 30");
    }
  EXPECT_EQ(shown, 1);
  a.HideHint();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
      EXPECT_FALSE(label->isVisible());
    }
  }
}

}  // namespace
}  // namespace kau::platform

namespace kau::platform {
namespace {

using testing::RecordingClient;

struct QtHostShown : ::testing::Test {
  QtEditorHost host;
  RecordingClient client;
  void SetUp() override {
    host.SetClient(&client);
    host.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    host.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    host.resize(240, 160);
    host.show();
    QApplication::processEvents();
  }
};

// Scrolling by one row repaints only the row it uncovers.
TEST_F(QtHostShown, ScrollingRepaintsOnlyTheUncoveredBand) {
  const TRect all = host.ClientRect();
  host.InvalidateRect(nullptr, false);
  host.Update();
  EXPECT_EQ(client.lastClip, all);
  host.ScrollArea(0, -16, nullptr);
  host.Update();
  EXPECT_EQ(client.lastClip, (TRect{0, all.Bottom - 16, all.Right, all.Bottom}));
  const TRect text{30, 0, all.Right, all.Bottom};
  host.ScrollArea(8, 0, &text);
  host.Update();
  EXPECT_EQ(client.lastClip, (TRect{30, 0, 38, all.Bottom}));
}

TEST_F(QtHostShown, InputMethodResultAndItsCharacters) {
  QInputMethodEvent ime;
  ime.setCommitString(QString::fromUtf8("\xC3\xA3o"));  // ão
  QApplication::sendEvent(&host, &ime);
  EXPECT_EQ(client.log, (std::vector<std::string>{"ime \xE3o"}));
  EXPECT_EQ(client.typed, "\xE3o");
  host.SetImePosition({40, 32});
  EXPECT_EQ(host.inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft(), QPoint(40, 32));
}

TEST_F(QtHostShown, DroppedFilesOnlyWhenAccepted) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile("/tmp/a.pas"), QUrl::fromLocalFile("/tmp/b.pas")});
  // Qt delivers a drop only where the drag has entered.
  QDragEnterEvent enter(QPoint(5, 6), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(host.viewport(), &enter);
  EXPECT_FALSE(enter.isAccepted());
  QDropEvent refused(QPointF(5, 6), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(host.viewport(), &refused);
  EXPECT_TRUE(client.log.empty());
  host.AcceptFiles(true);
  QDragEnterEvent accepted(QPoint(5, 6), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(host.viewport(), &accepted);
  EXPECT_TRUE(accepted.isAccepted());
  QDropEvent drop(QPointF(5, 6), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(host.viewport(), &drop);
  EXPECT_EQ(client.log, (std::vector<std::string>{"drop 5,6 /tmp/a.pas /tmp/b.pas"}));
}

}  // namespace
}  // namespace kau::platform

// The completion list in a real X window, driven by real key and mouse
// events (xdotool): Ctrl+Space in the editor opens the list under the caret
// line, Down moves its selection, a click on another control closes it, and
// Tab after a second opening completes the word. Saves a screenshot of the
// open list.
//   completion_demo FILE --screenshot PNG   (the caret goes after line 3)
// Exit status 0 when every check holds, 1 when one fails, 2 on bad usage.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>
#include <functional>

#include "editor/completion/completion_proposal.h"
#include "platform/qt/qt_editor_host.h"
#include "platform/qt/qt_popup_host.h"
#include "platform/qt/qt_system.h"
#include "tests/editor_control/editor_view.h"
#include "tests/support/hang_bound.h"

namespace {

using namespace kau;

// Runs the event loop until `done`, up to the hang bound.
bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < kau::testing::kHangMilliseconds) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

bool XDo(const QStringList& arguments) { return QProcess::execute("xdotool", arguments) == 0; }

int failures = 0;
void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "failed: %s\n", what);
  ++failures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || std::strcmp(argv[2], "--screenshot") != 0) {
    std::fprintf(stderr, "usage: completion_demo FILE --screenshot PNG\n");
    return 2;
  }
  QApplication app(argc, argv);
  platform::QtSystemServices services;
  platform::SetSystem(&services);

  QWidget window;
  auto* host = new platform::QtEditorHost(&window);
  auto* elsewhere = new QLineEdit(&window);
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(host);
  layout->addWidget(elsewhere);
  editor::TSynEdit edit;
  host->SetClient(&edit);
  edit.CreateWnd(*host);
  for (const std::string& line : editor::testing::ReadLines(argv[1])) edit.Lines().Add(line);
  edit.SetCaretXY({edit.LineLength(3) + 1, 3});
  window.resize(400, 300);
  window.move(40, 40);
  window.show();
  window.activateWindow();
  host->setFocus();
  Check(WaitFor([&] { return host->hasFocus(); }), "the editor gets the focus");
  int result = 0;
  {
    auto owned = std::make_unique<platform::QtPopupHost>(host);
    platform::QtPopupHost& popup = *owned;
    editor::TSynCompletionProposal proposal(std::move(owned));
    proposal.SetItemList({"write", "writeln", "readln"});
    proposal.SetEditor(&edit);

    Check(XDo({"key", "ctrl+space"}), "xdotool sends Ctrl+Space");
    Check(WaitFor([&] { return popup.isVisible(); }), "Ctrl+Space opens the list");
    const TPixelPoint below = host->ClientToScreen({edit.CaretXPix(), edit.CaretYPix() + edit.LineHeight()});
    Check(WaitFor([&] { return popup.geometry().topLeft() == QPoint(below.X, below.Y); }),
          "the list stands under the caret line");
    Check(host->hasFocus(), "the editor keeps the focus");
    Check(XDo({"key", "Down"}), "xdotool sends Down");
    Check(WaitFor([&] { return proposal.Position() == 1; }), "Down selects the second proposal");
    popup.Update();
    QApplication::processEvents();
    const QImage shot = window.screen()->grabWindow(0).toImage();
    if (!shot.save(QString::fromLocal8Bit(argv[3]))) {
      std::fprintf(stderr, "cannot write %s\n", argv[3]);
      return 1;
    }
    const QRect list = popup.geometry();
    Check(shot.pixelColor(list.left() + list.width() / 2, list.top() + list.height() - 3) != Qt::black,
          "the list is on the screen");
    Check(edit.LineText(3) == "  wri", "keys for the list type nothing");

    const QPoint click = elsewhere->mapToGlobal(elsewhere->rect().center());
    Check(XDo({"mousemove", QString::number(click.x()), QString::number(click.y()), "click", "1"}),
          "xdotool clicks elsewhere");
    Check(WaitFor([&] { return !popup.isVisible(); }), "a click elsewhere closes the list");

    host->setFocus();
    Check(WaitFor([&] { return host->hasFocus(); }), "the editor gets the focus back");
    Check(XDo({"key", "ctrl+space", "Down", "Tab"}), "xdotool sends Ctrl+Space, Down, Tab");
    if (!WaitFor([&] { return edit.LineText(3) == "  writeln"; }))
      std::fprintf(stderr, "line 3 is '%s', the list is %s\n", edit.LineText(3).c_str(),
                   popup.isVisible() ? "open" : "closed");
    Check(edit.LineText(3) == "  writeln", "Tab completes the word");
    Check(!popup.isVisible(), "the list closes after the choice");
  }
  edit.DestroyWnd();
  host->SetClient(nullptr);
  platform::SetSystem(nullptr);
  std::printf("%s: %d checks failed\n", argv[3], failures);
  result = failures == 0 ? 0 : 1;
  return result;
}

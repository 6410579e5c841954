// The completion component over a real editor in a Qt window (offscreen):
// Ctrl+Space opens the list as a focus-less tool-tip window below the caret
// line, the editor keeps the focus and its keys drive the list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/completion/completion_proposal.h"
#include "editor/control/syn_edit.h"
#include "platform/qt/qt_editor_host.h"
#include "platform/qt/qt_popup_host.h"

namespace kau::editor {
namespace {

void Press(QWidget& w, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
  QKeyEvent down(QEvent::KeyPress, qtKey, modifiers, text);
  QApplication::sendEvent(&w, &down);
}

TEST(QtCompletionProposal, OpensBelowTheCaretLineAndLeavesTheFocusInTheEditor) {
  QWidget window;
  auto* host = new platform::QtEditorHost(&window);
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(host);
  // Without the list, Tab would move the focus here (the editor does not
  // want tabs).
  layout->addWidget(new QLineEdit(&window));
  TSynEdit edit;
  host->SetClient(&edit);
  edit.CreateWnd(*host);
  window.resize(400, 300);
  window.show();
  QApplication::setActiveWindow(&window);
  host->setFocus();
  QApplication::processEvents();
  edit.Lines().Add("wri");
  edit.SetCaretXY({4, 1});
  {
    auto owned = std::make_unique<platform::QtPopupHost>(host);
    platform::QtPopupHost& popup = *owned;
    TSynCompletionProposal proposal(std::move(owned));
    proposal.SetItemList({"write", "writeln", "readln"});
    proposal.SetEditor(&edit);

    Press(*host, Qt::Key_Space, Qt::ControlModifier, " ");
    QApplication::processEvents();
    ASSERT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.windowType(), Qt::ToolTip);
    EXPECT_TRUE(popup.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(popup.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(QApplication::focusWidget(), host);
    // The editor's client area lies inside its border.
    const QPoint below = host->mapToGlobal(QPoint(edit.CaretXPix(), edit.CaretYPix() + edit.LineHeight()));
    const TPixelPoint anchor = host->ClientToScreen({edit.CaretXPix(), edit.CaretYPix() + edit.LineHeight()});
    EXPECT_EQ(popup.Bounds().Left, anchor.X);
    EXPECT_EQ(popup.Bounds().Top, anchor.Y);
    EXPECT_LE((popup.geometry().topLeft() - below).manhattanLength(), 2);
    EXPECT_EQ(edit.LineText(1), "wri");

    Press(*host, Qt::Key_Down, Qt::NoModifier);
    Press(*host, Qt::Key_Tab, Qt::NoModifier, "\t");
    EXPECT_FALSE(popup.isVisible());
    EXPECT_EQ(edit.LineText(1), "writeln");
    EXPECT_EQ(QApplication::focusWidget(), host);
  }
  edit.DestroyWnd();
  host->SetClient(nullptr);
}

}  // namespace
}  // namespace kau::editor

// The demo window's editor offscreen: what its back buffer shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

#include "tests/editor_kau/kau_pixels.h"
#include "tests/platform_qt/joined_failures.h"
#include "tools/editor_demo/demo_window.h"

namespace kau::editor::testing {
namespace {

TEST(KauQt, StructureLinesAlternatePixelsAndBracketMarksFillTheirCells) {
    DemoWindow window(1);
    TSynEditKAU& edit = window.Editor(0);
    edit.Lines().Clear();
    for (const char* line : {"program p;", "begin", "  repeat", "    x := (a + b) * 2;", "  until x > 9;", "end."})
        edit.Lines().Add(line);
    edit.SetCaretXY({17, 4});  // after the ")"
    window.resize(500, 300);
    window.show();
    QElapsedTimer timer;
    timer.start();
    platform::QtEditorHost& host = window.Host(0);
    while ((host.BackBuffer().size() != host.viewport()->size() || !host.isVisible()) && timer.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    host.InvalidateRect(nullptr, false);
    host.Update();
    QApplication::processEvents();
    const QImage& image = host.BackBuffer();
    ASSERT_FALSE(image.isNull());
    image.save(KAU_SCREENSHOTS "/kau_offscreen.png");
    EXPECT_EQ(edit.Structures().GetCount(), 2);
    EXPECT_EQ(Joined(StructureLinePixels(image, edit)), "");
    EXPECT_EQ(Joined(CellBackground(image, edit, {16, 4}, edit.ShowBracketPairColor)), "");
    EXPECT_EQ(Joined(CellBackground(image, edit, {10, 4}, edit.ShowBracketPairColor)), "");
    EXPECT_EQ(Joined(CellBackground(image, edit, {12, 4}, edit.Color())), "");
}

TEST(KauQt, TheDemoWindowShowsDroppedFileNamesInItsStatusBar) {
    DemoWindow window(2);
    window.show();
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/a.pas"), QUrl::fromLocalFile("/tmp/\u00e7\u00e3o.pas")});
    QWidget* viewport = window.Host(1).viewport();
    QDragEnterEvent enter(QPoint(5, 6), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDropEvent drop(QPointF(5, 6), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    EXPECT_EQ(window.statusBar()->currentMessage(), QString::fromUtf8("/tmp/a.pas, /tmp/\u00e7\u00e3o.pas"));
    EXPECT_EQ(window.Editor(1).LineCount(), 1);  // the text is left alone
}

}  // namespace
}  // namespace kau::editor::testing

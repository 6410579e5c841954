// The main window's editor windows: opening, activating, cycling, closing,
// files that cannot be read, and quitting with modified windows.
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QTabBar>
#include <QTemporaryDir>
#include <QWindow>
#include <functional>

#include "ide/editor_control_host.h"
#include "ide/form_editor.h"
#include "main_window_fixture.h"
#include "modal_answerer.h"
#include "tests/support/hang_bound.h"

namespace kau::ide::testing {
namespace {

class EditorWindowsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(folder_.isValid());
    main_->show();  // its first showing opens "Untitled"
  }
  QString file(const QString& name, const QByteArray& text = "program p;\nbegin\nend.\n") {
    QFile f(folder_.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return f.fileName();
  }
  QStringList titles() const {
    QStringList names;
    for (TFormEditor* editor : main_->EditorWindowList()) names << editor->TabTitle();
    return names;
  }
  QString active() const { return main_->ActiveEditorWindow()->TabTitle(); }

  QTemporaryDir folder_;
};

TEST_F(EditorWindowsTest, OnePathOneWindowLetterCaseTwo) {
  EXPECT_EQ(titles(), QStringList({"Untitled"}));
  const QString lower = file("a.pas"), upper = file("A.pas");
  EXPECT_TRUE(main_->OpenInEditor(lower));
  EXPECT_TRUE(main_->OpenInEditor(folder_.path() + "/./a.pas"));  // the same file, spelt otherwise
  EXPECT_TRUE(main_->OpenInEditor(upper));
  EXPECT_EQ(titles(), QStringList({"Untitled", "a.pas", "A.pas"}));
  EXPECT_EQ(main_->EditorWindowList()[1]->GetFileName(), lower);
  EXPECT_EQ(main_->EditorWindowList()[1]->windowTitle(), lower);
  EXPECT_EQ(main_->EditorWindowList()[1]->WindowListItem()->text(), lower);
  EXPECT_EQ(main_->EditorWindowList()[1]->PopupListItem()->text(), lower);
  EXPECT_EQ(main_->EditorWindowList()[1]->RichEdit1().LineText(2), "begin");
  EXPECT_FALSE(main_->EditorWindowList()[1]->RichEdit1().Modified());
  EXPECT_EQ(widget<QTabBar>("TabControl1")->count(), 3);
  EXPECT_EQ(main_->statusPanelText(1), QString::fromUtf8("CRTL+ESPAÇO para templates"));
  EXPECT_TRUE(button("btnProxEditor")->isEnabled());
}

// The text a caption shows: "&&" shows as one "&", a lone "&" marks the
// next letter as the shortcut and is not shown.
QString Shown(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

// The title as Qt shows it: a title takes "[*]" as the place of the
// modified mark, which it drops (no window is marked so), and shows
// "[*][*]" as "[*]". A window of its own given the same title shows what
// the editor window's title bar shows, by the same rule.
std::string ShownTitle(const QWidget& window) {
  QWidget probe;
  probe.setWindowTitle(window.windowTitle());
  probe.setWindowModified(window.isWindowModified());
  probe.winId();
  return probe.windowHandle()->title().toStdString();
}

// A file name with "&" or "[*]" in it shows as it is on its title, its tab,
// its Janela item and its pop-up item, also with the modified mark and
// after a save.
TEST_F(EditorWindowsTest, AnAmpersandOrAPlaceholderInAFileNameShowsAsItIs) {
  auto* tabs = widget<QTabBar>("TabControl1");
  for (const QString& name : {QString("P&D.pas"), QString::fromUtf8("P&D ação.pas"), QString("a&&b.pas"),
                              QString("[*].pas"), QString("a[*][*]b[*.pas")}) {
    SCOPED_TRACE(name.toStdString());
    const QString path = file(name);
    ASSERT_TRUE(main_->OpenInEditor(path));
    TFormEditor* window = main_->ActiveEditorWindow();
    const int tab = tabs->currentIndex();
    EXPECT_EQ(ShownTitle(*window), path.toStdString());
    EXPECT_EQ(Shown(tabs->tabText(tab)), name);
    EXPECT_EQ(Shown(window->WindowListItem()->text()), path);
    EXPECT_EQ(Shown(window->PopupListItem()->text()), path);
    QTest::keyClick(&window->Host(), Qt::Key_X);
    EXPECT_EQ(ShownTitle(*window), path.toStdString() + "*");
    EXPECT_EQ(Shown(tabs->tabText(tab)), name + "*");
    QTest::keyClick(&window->Host(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window->RichEdit1().Modified());
    EXPECT_EQ(ShownTitle(*window), path.toStdString());
    EXPECT_EQ(Shown(tabs->tabText(tab)), name);
    EXPECT_EQ(window->GetFileName(), path);
  }
}

TEST_F(EditorWindowsTest, NextAndPreviousWrapAround) {
  main_->OpenInEditor(file("b.pas"));
  main_->OpenInEditor(file("c.pas"));
  auto* tabs = widget<QTabBar>("TabControl1");
  EXPECT_EQ(active(), "c.pas");
  EXPECT_EQ(tabs->currentIndex(), 2);
  button("btnProxEditor")->click();
  EXPECT_EQ(active(), "Untitled");
  EXPECT_EQ(tabs->currentIndex(), 0);
  button("btnPrevEditor")->click();
  EXPECT_EQ(active(), "c.pas");
  tabs->setCurrentIndex(1);
  EXPECT_EQ(active(), "b.pas");
  EXPECT_EQ(widget<QMdiArea>("MdiArea")->activeSubWindow(), main_->ActiveEditorWindow());
  main_->EditorWindowList()[2]->WindowListItem()->trigger();
  EXPECT_EQ(active(), "c.pas");
  main_->EditorWindowList()[0]->PopupListItem()->trigger();
  EXPECT_EQ(active(), "Untitled");
}

TEST_F(EditorWindowsTest, ClosingTheLastDisablesTheEditorCommands) {
  main_->OpenInEditor(file("b.pas"));
  main_->CloseEditorWindow();
  EXPECT_EQ(active(), "Untitled");
  EXPECT_FALSE(button("btnProxEditor")->isEnabled());
  EXPECT_FALSE(button("btnPrevEditor")->isEnabled());
  main_->CloseEditorWindow();
  EXPECT_EQ(main_->ActiveEditorWindow(), nullptr);
  for (const char* name : {"MnEditarIrParaLinha", "MnEditarSelecionarTudo", "MnEditarLocalizar", "MnEditarSubstituir",
                           "MnEditarDesfazer", "MnArquivoImprimir", "MnArquivoSalvar", "MnArquivoSalvarComo",
                           "MnArquivoFechar", "MnEditarRecortar", "MnEditarCopiar", "MnEditarColar"})
    EXPECT_FALSE(action(name)->isEnabled()) << name;
  for (const char* name : {"BtnExecutar", "BtnSalvar", "BtnImprimir", "BtnDesfazer", "BtnRefazer", "BtnLocalizar",
                           "BtnRecortar", "BtnCopiar", "BtnColar"})
    EXPECT_FALSE(button(name)->isEnabled()) << name;
  EXPECT_TRUE(widget("TabControl1")->isHidden());
  EXPECT_TRUE(widget("barraBotoesEditor")->isHidden());
  EXPECT_EQ(main_->statusPanelText(0), " ");
  EXPECT_EQ(main_->statusPanelText(1), " ");
  EXPECT_TRUE(widget<QMdiArea>("MdiArea")->subWindowList().isEmpty());
}

// Editor windows open maximized; closing the active one by its button
// leaves the next one maximized too.
TEST_F(EditorWindowsTest, TheWindowActiveAfterAClosingStaysMaximized) {
  main_->OpenInEditor(file("b.pas"));
  main_->OpenInEditor(file("c.pas"));
  ASSERT_TRUE(main_->ActiveEditorWindow()->isMaximized());
  button("btnCloseEditor")->click();
  ASSERT_EQ(main_->EditorWindowList().size(), 2);
  EXPECT_EQ(active(), "Untitled");
  EXPECT_TRUE(main_->ActiveEditorWindow()->isMaximized());
  button("btnCloseEditor")->click();
  EXPECT_TRUE(main_->ActiveEditorWindow()->isMaximized());
  EXPECT_EQ(widget<QMdiArea>("MdiArea")->activeSubWindow(), main_->ActiveEditorWindow());
}

// A window minimized by its own button gives the tab and the keys to the
// window the area activates next; its tab or its Janela item brings it back
// maximized, as that one is, with the keys.
TEST_F(EditorWindowsTest, AMinimizedWindowComesBackByItsTabOrItsItem) {
  main_->OpenInEditor(file("b.pas"));
  TFormEditor* minimized = main_->ActiveEditorWindow();
  auto* tabs = widget<QTabBar>("TabControl1");
  auto* area = widget<QMdiArea>("MdiArea");
  const auto agree = [&](const QString& title) {
    return active() == title && tabs->currentIndex() == main_->EditorWindowList().indexOf(main_->ActiveEditorWindow()) &&
           area->activeSubWindow() == main_->ActiveEditorWindow() &&
           main_->ActiveEditorWindow()->Host().hasFocus();
  };
  for (const auto& bringBack : {std::function<void()>([&] { tabs->setCurrentIndex(1); }),
                                std::function<void()>([&] { minimized->WindowListItem()->trigger(); })}) {
    minimized->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return agree("Untitled"); }, kau::testing::kHangMilliseconds));
    EXPECT_TRUE(main_->ActiveEditorWindow()->isMaximized());
    bringBack();
    EXPECT_TRUE(QTest::qWaitFor([&] { return agree("b.pas"); }, kau::testing::kHangMilliseconds));
    EXPECT_FALSE(minimized->isMinimized());
    EXPECT_TRUE(minimized->isMaximized());
  }
}

// After tiling, the windows keep their tiles when one of them is closed.
TEST_F(EditorWindowsTest, TiledWindowsStayTiledAfterAClosing) {
  main_->OpenInEditor(file("b.pas"));
  main_->OpenInEditor(file("c.pas"));
  main_->MnJanelaLadoLadoClick();
  button("btnCloseEditor")->click();
  EXPECT_FALSE(main_->ActiveEditorWindow()->isMaximized());
}

// The close box closes its own window, also when another is active: it
// leaves the lists and the area at once and is freed only once the event
// that closed it is over.
TEST_F(EditorWindowsTest, TheCloseBoxClosesItsOwnWindowFreedAfterTheEvent) {
  main_->OpenInEditor(file("b.pas"));
  main_->OpenInEditor(file("c.pas"));
  const QPointer<TFormEditor> closed = main_->EditorWindowList()[1];
  const QPointer<QAction> item = closed->WindowListItem();
  EXPECT_FALSE(closed->close());
  EXPECT_EQ(titles(), QStringList({"Untitled", "c.pas"}));
  EXPECT_EQ(widget<QTabBar>("TabControl1")->count(), 2);
  EXPECT_FALSE(widget<QMdiArea>("MdiArea")->subWindowList().contains(closed.data()));
  EXPECT_TRUE(item.isNull());
  EXPECT_FALSE(closed.isNull());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull());
  EXPECT_EQ(active(), "Untitled");
}

// A window bound to a file it could not read would let a Save empty it.
TEST_F(EditorWindowsTest, AFileThatCannotBeReadOpensNoWindow) {
  const QString big = file("big.pas");
  ASSERT_TRUE(QFile(big).resize(0x40000001));  // a sparse file beyond the editor's limit
  for (const QString& path : {big, QString(folder_.path())}) {
    auto ok = AnswerNextModal("OK");
    EXPECT_FALSE(main_->OpenInEditor(path));
    EXPECT_TRUE(ok->pressed);
    EXPECT_TRUE(ok->text.startsWith(QString::fromUtf8("Não foi possível abrir o arquivo ") + path + ".\n")) << ok->text.toStdString();
    EXPECT_GT(ok->text.size(), QString("Não foi possível abrir o arquivo ").size() + path.size() + 2);
  }
  EXPECT_EQ(titles(), QStringList({"Untitled"}));
  EXPECT_EQ(widget<QTabBar>("TabControl1")->count(), 1);
  EXPECT_EQ(widget<QMdiArea>("MdiArea")->subWindowList().size(), 1);
}

// Answers modal boxes in turn, noting each text and the active window's
// tab title while it is shown.
void AnswerInTurn(TFormMain& main, QStringList buttons, std::shared_ptr<QStringList> seen) {
  if (buttons.isEmpty()) return;
  const QString button = buttons.takeFirst();
  auto box = std::make_shared<std::shared_ptr<ModalSeen>>();
  *box = AnswerNextModal(button, [&main, buttons, seen, box] {
    const TFormEditor* editor = main.ActiveEditorWindow();
    *seen << (editor ? editor->TabTitle() + ": " : QString()) + (*box)->text;
    AnswerInTurn(main, buttons, seen);
  });
}

TEST_F(EditorWindowsTest, QuittingAsksForEachModifiedWindow) {
  main_->OpenInEditor(file("one.pas"));
  main_->OpenInEditor(file("two.pas"));
  for (int i : {1, 2}) main_->EditorWindowList()[i]->RichEdit1().SetModified(true);
  main_->ActivateEditorAt(1);

  auto seen = std::make_shared<QStringList>();
  AnswerInTurn(*main_, {"Cancelar"}, seen);
  main_->close();
  EXPECT_EQ(seen->size(), 1);
  EXPECT_TRUE(main_->isVisible());
  EXPECT_EQ(titles(), QStringList({"Untitled", "one.pas", "two.pas"}));

  seen->clear();
  AnswerInTurn(*main_, {QString::fromUtf8("Não"), QString::fromUtf8("Não"), QString::fromUtf8("Não")}, seen);
  main_->close();
  const QString question = QString::fromUtf8(" ainda não foi salvo. \n Deseja salvar agora?");
  ASSERT_EQ(seen->size(), 3);
  EXPECT_EQ((*seen)[0], "one.pas: O arquivo " + folder_.filePath("one.pas") + question);
  EXPECT_EQ((*seen)[1], "two.pas: O arquivo " + folder_.filePath("two.pas") + question);
  EXPECT_EQ((*seen)[2], "Deseja fechar o Pascal KAU?");
  EXPECT_TRUE(main_->isVisible());
  EXPECT_TRUE(main_->EditorWindowList().isEmpty());
}

// Each window asked about in the quit sequence is shown maximized.
TEST_F(EditorWindowsTest, QuittingShowsEachAskedWindowMaximized) {
  main_->OpenInEditor(file("one.pas"));
  main_->OpenInEditor(file("two.pas"));
  main_->EditorWindowList()[1]->RichEdit1().SetModified(true);
  bool maximized = false;
  QString asked;
  const auto seen = AnswerNextModal("Cancelar", [&] {
    asked = main_->ActiveEditorWindow()->TabTitle();
    maximized = main_->ActiveEditorWindow()->isMaximized();
  });
  main_->close();
  ASSERT_TRUE(seen->pressed);
  EXPECT_EQ(asked, "one.pas");
  EXPECT_TRUE(maximized);
  EXPECT_EQ(titles(), QStringList({"one.pas"}));
}

}  // namespace
}  // namespace kau::ide::testing

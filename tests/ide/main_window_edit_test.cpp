// The Editar commands through the main window: nothing happens without an
// editor window (also from open find and replace dialogs); find, replace and
// go to line act on the active editor.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "ide/editor_control_host.h"
#include "ide/form_editor.h"
#include "ide/search_dialogs.h"
#include "ide/text_search.h"
#include "main_window_fixture.h"
#include "modal_answerer.h"
#include "tests/support/hang_bound.h"

namespace kau::ide::testing {
namespace {

class MainWindowEditTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_NE(showWithEditor(), nullptr);
  }
  RichEditControl& edit() { return main_->ActiveEditorWindow()->RichEdit1(); }
  static void click(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
  }
};

TEST_F(MainWindowEditTest, EveryCommandDoesNothingWithoutAnEditor) {
  main_->MnEditarLocalizarClick();
  main_->MnEditarSubstituirClick();
  main_->FindDialog1()->setFindText("a");
  main_->ReplaceDialog1()->setFindText("a");
  main_->ReplaceDialog1()->setReplaceText("b");
  main_->CloseEditorWindow();
  ASSERT_EQ(main_->ActiveEditorWindow(), nullptr);
  QApplication::clipboard()->setText("guardado");
  const QList<void (TFormMain::*)()> commands = {
      &TFormMain::MnEditarDesfazerClick,  &TFormMain::MnEditarRefazerClick,    &TFormMain::MnEditarRecortarClick,
      &TFormMain::MnEditarCopiarClick,    &TFormMain::MnEditarColarClick,      &TFormMain::PopRecortarClick,
      &TFormMain::PopCopiarClick,         &TFormMain::PopColarClick,           &TFormMain::MnEditarSelecionarTudoClick,
      &TFormMain::MnEditarLocalizarClick, &TFormMain::MnEditarSubstituirClick, &TFormMain::MnEditarIrParaLinhaClick,
      &TFormMain::FindDialog1Find,        &TFormMain::ReplaceDialog1Find,      &TFormMain::FindDialog1Show,
      &TFormMain::FindDialog1Close,       &TFormMain::Executar1Click,          &TFormMain::MnCompilarGerarExecutavelClick,
  };
  for (auto command : commands) (main_.get()->*command)();
  main_->ReplaceDialog1Replace(false);
  main_->ReplaceDialog1Replace(true);
  // The dialogs' own buttons too.
  for (const char* name : {"FindNextButton"}) click(main_->FindDialog1(), name);
  for (const char* name : {"FindNextButton", "ReplaceButton", "ReplaceAllButton"}) click(main_->ReplaceDialog1(), name);
  EXPECT_EQ(QApplication::clipboard()->text(), "guardado");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(main_->ActiveEditorWindow(), nullptr);
  EXPECT_TRUE(main_->findChild<QWidget*>("panelErros")->isHidden());
}

TEST_F(MainWindowEditTest, FindTakesTheSelectionAndColoursItWhileShown) {
  edit().SetText("begin\r\n  BEGIN\r\nend.\r\nbegin\r\n");
  edit().SetCaretAndSelection({1, 1}, {1, 1}, {6, 1});
  main_->MnEditarLocalizarClick();
  TFindDialog* find = main_->FindDialog1();
  EXPECT_TRUE(find->isVisible());
  EXPECT_EQ(find->findText(), "begin");
  EXPECT_EQ(edit().SelectedColor().Background(), kSearchSelectionColor);
  find->setMatchCase(false);
  click(find, "FindNextButton");
  EXPECT_EQ(edit().SelText(), "BEGIN");
  click(find, "FindNextButton");
  EXPECT_EQ(edit().GetSelStart(), 22);
  click(find, "FindNextButton");  // the last one: no wrap-around
  EXPECT_EQ(edit().GetSelStart(), 22);
  find->close();
  EXPECT_EQ(edit().SelectedColor().Background(), kNormalSelectionColor);
}

TEST_F(MainWindowEditTest, ReplaceFromTheDialog) {
  edit().SetText("aaa\r\n");
  main_->MnEditarSubstituirClick();
  TReplaceDialog* replace = main_->ReplaceDialog1();
  EXPECT_TRUE(replace->isVisible());
  replace->setFindText("a");
  replace->setReplaceText("aa");
  click(replace, "ReplaceAllButton");
  EXPECT_EQ(edit().LineText(1), "aaaaaa");
  EXPECT_EQ(main_->FindDialog1()->findText(), "a");
  edit().Undo();
  EXPECT_EQ(edit().LineText(1), "aaaaa");  // each replacement is one undo step
}

// Selecionar Tudo ends the undo group as the editor's own key does: typing
// over the whole text is undone without the deletion made before it, which
// the deletion of the selection would otherwise take along.
TEST_F(MainWindowEditTest, TypingAfterSelecionarTudoIsUndoneOnItsOwn) {
  edit().SetText("abc\r\n");
  edit().ClearUndo();
  edit().SetCaretAndSelection({3, 1}, {2, 1}, {3, 1});
  edit().CommandProcessor(editor::ecDeleteLastChar, '\0', nullptr);
  ASSERT_EQ(edit().LineText(1), "ac");
  main_->MnEditarSelecionarTudoClick();
  edit().CommandProcessor(editor::ecChar, 'x', nullptr);
  ASSERT_EQ(edit().LineText(1), "x");
  edit().Undo();
  EXPECT_EQ(edit().LineText(1), "ac");
}

TEST_F(MainWindowEditTest, GoToLineAsksAndClamps) {
  QStringList lines;
  for (int i = 1; i <= 12; ++i) lines << QString("linha %1").arg(i);
  edit().SetText(lines.join("\r\n").toStdString());
  edit().SetCaretXY({1, 3});
  QString defaultAnswer;
  const auto seen = AnswerNextModal("OK", [&] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    defaultAnswer = dialog->textValue();
    dialog->setTextValue("999");
  });
  main_->MnEditarIrParaLinhaClick();
  EXPECT_TRUE(seen->pressed);
  EXPECT_EQ(seen->title, QString::fromUtf8("Ir Para a Linha..."));
  EXPECT_EQ(defaultAnswer, "3");
  EXPECT_EQ(edit().CaretXY(), (editor::TPoint{2, 12}));
}

// Closing a dialog gives the keys back to the editor, whether the window
// system would or not.
TEST_F(MainWindowEditTest, ClosingADialogGivesTheKeysBackToTheEditor) {
  TFormEditor* editor = main_->ActiveEditorWindow();
  main_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get(), kau::testing::kHangMilliseconds));
  for (void (TFormMain::*command)() : {&TFormMain::MnEditarLocalizarClick, &TFormMain::MnEditarSubstituirClick}) {
    main_->findChild<QToolButton*>("BtnNovo")->setFocus();  // where a disabled window leaves it
    (main_.get()->*command)();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() && QApplication::activeWindow() != main_.get(); },
                                kau::testing::kHangMilliseconds));
    QWidget* dialog = QApplication::activeWindow();
    click(dialog, "CancelButton");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == &editor->Host(); },
                                kau::testing::kHangMilliseconds))
        << dialog->objectName().toStdString();
    EXPECT_EQ(QApplication::activeWindow(), main_.get());
  }
  main_->findChild<QToolButton*>("BtnNovo")->setFocus();
  const auto seen = AnswerNextModal("Cancelar");
  main_->MnEditarIrParaLinhaClick();
  ASSERT_TRUE(seen->pressed);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == &editor->Host(); },
                              kau::testing::kHangMilliseconds));
}

}  // namespace
}  // namespace kau::ide::testing

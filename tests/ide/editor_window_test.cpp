// The editor window: its colour styles as painted, the modified mark, the
// caret's snap on Up and Down, the error line, and the keys it takes from
// the menus.
#include <QFile>
#include <algorithm>
#include <QMenu>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "editor/model/key_cmds.h"
#include "ide/editor_control_host.h"
#include "ide/form_editor.h"
#include "main_window_fixture.h"
#include "modal_answerer.h"
#include "platform/virtual_keys.h"
#include "tests/support/hang_bound.h"

namespace kau::ide::testing {
namespace {

class EditorWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    editor_ = showWithEditor();
    ASSERT_NE(editor_, nullptr);
  }
  RichEditControl& edit() { return editor_->RichEdit1(); }
  // The back buffer once every pending paint is done.
  QImage painted() {
    editor_->Host().viewport()->repaint();
    return editor_->Host().BackBuffer();
  }
  // The colours painted in the band of text line `line` (from the top line).
  QSet<QRgb> lineColours(int line) {
    const QImage image = painted();
    QSet<QRgb> colours;
    const int top = (line - edit().TopLine()) * edit().LineHeight();
    for (int y = top; y < top + edit().LineHeight(); ++y)
      for (int x = edit().GutterWidth() + 2; x < image.width(); ++x) colours.insert(image.pixel(x, y) & 0xFFFFFF);
    return colours;
  }

  void focusEditor() {
    main_->activateWindow();
    editor_->Host().setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get(), kau::testing::kHangMilliseconds));
    ASSERT_TRUE(editor_->Host().hasFocus());
  }

  TFormEditor* editor_ = nullptr;
};

TEST_F(EditorWindowTest, FormSettings) {
  EXPECT_TRUE(editor_->isMaximized());
  EXPECT_EQ(edit().Lines().GetCount(), 4);  // the first showing runs New
  EXPECT_EQ(edit().Gutter().Font().Name(), "Terminal");
  EXPECT_EQ(edit().Gutter().LeftOffset(), 0);
  EXPECT_EQ(edit().Gutter().RightOffset(), 5);
  EXPECT_TRUE(edit().WantTabs());
  EXPECT_EQ(edit().RightEdge(), 0);
  EXPECT_EQ(edit().StrutureTokens().GetText(), "BEGIN=END\r\nREPEAT=UNTIL\r\nCASE=END\r\nRECORD=END\r\n");
  EXPECT_EQ(edit().StructureLineColor(), 0x808000);  // the style's
  EXPECT_TRUE(edit().ShowStruture());
  EXPECT_TRUE(edit().ShowBracketPair());
  EXPECT_EQ(editor_->janelaTemplates().GetEditor(0), &edit());
  EXPECT_EQ(editor_->Host().popupMenu(), main_->PopupMenu1());
  EXPECT_EQ(main_->PopupMenu1()->actions().last()->text(), "Untitled");
  auto& keys = edit().Keystrokes();
  EXPECT_LT(keys.FindKeycode(VK_F1, {}), 0);
  const int help = keys.FindKeycode(VK_F1, ssCtrl);
  ASSERT_GE(help, 0);
  EXPECT_EQ(keys.Items(help).Command(), editor::ecContextHelp);
  auto& margins = editor_->SynEditPrint1().Margins();
  EXPECT_EQ(margins.Left(), 25);
  EXPECT_EQ(margins.Right(), 15);
  EXPECT_EQ(margins.LeftHFTextIndent(), 2);
  EXPECT_EQ(editor_->SynEditPrint1().Header().DefaultFont().Name(), "Arial");
}

// The print object as the form sets it up, before any print.
TEST_F(EditorWindowTest, PrintObjectFormSettings) {
  editor::TSynEditPrint& print = editor_->SynEditPrint1();
  EXPECT_EQ(print.Copies, 1);
  for (editor::THeaderFooter* frame : std::initializer_list<editor::THeaderFooter*>{&print.Header(), &print.Footer()}) {
    EXPECT_EQ(frame->DefaultFont().Name(), "Arial");
    EXPECT_EQ(frame->DefaultFont().Height(), -13);
  }
  const editor::TSynEditPrintMargins& margins = print.Margins();
  struct Margin {
    const char* name;
    double value, expected;
  } table[] = {{"Left", margins.Left(), 25},     {"Top", margins.Top(), 25},
               {"Bottom", margins.Bottom(), 25}, {"Right", margins.Right(), 15},
               {"Header", margins.Header(), 15}, {"Footer", margins.Footer(), 15},
               {"LeftHFTextIndent", margins.LeftHFTextIndent(), 2},
               {"RightHFTextIndent", margins.RightHFTextIndent(), 2}};
  for (const Margin& m : table) EXPECT_EQ(m.value, m.expected) << m.name;
  EXPECT_EQ(print.Font().Name(), "MS Sans Serif");
  EXPECT_EQ(print.Font().Height(), -11);
  EXPECT_TRUE(print.LineNumbers());
  EXPECT_TRUE(print.LineNumbersInMargin());
  EXPECT_EQ(print.TabWidth(), 8);
  EXPECT_EQ(print.Color, clWhite);
}

TEST_F(EditorWindowTest, ClassicAndModernStylesAsPainted) {
  edit().SetText("begin\n");
  struct Case {
    const char* menuItem;
    QRgb background, keyword;
  } cases[] = {{"MnJanelaEditorClassico", 0x0000A0, 0xFFFFFF}, {"MnJanelaEditorModerno", 0xFFFFFF, 0x0000FF}};
  for (const Case& c : cases) {
    action(c.menuItem)->trigger();
    const QSet<QRgb> colours = lineColours(1);
    EXPECT_TRUE(colours.contains(c.background)) << c.menuItem;
    EXPECT_TRUE(colours.contains(c.keyword)) << c.menuItem;
    EXPECT_EQ(painted().pixel(painted().width() - 5, 3 * edit().LineHeight()) & 0xFFFFFF, c.background);
    EXPECT_EQ(editor_->hEstiloClassico().KeyAttri()->Style(), 0);
    EXPECT_EQ(editor_->hEstiloModerno().KeyAttri()->Style(), 0);
  }
  EXPECT_EQ(editor_->GetEditorStyle(), TFormEditor::StyleModern);
  main_->CloseEditorWindow();
  main_->NovoExecute();
  EXPECT_EQ(main_->ActiveEditorWindow()->GetEditorStyle(), TFormEditor::StyleModern);  // the checked style
  main_->ActivateEditorAt(0);
  EXPECT_TRUE(action("MnJanelaEditorModerno")->isChecked());
}

TEST_F(EditorWindowTest, TypingMarksCaptionAndTab) {
  QTemporaryDir folder;
  const QString path = folder.filePath("prog.pas");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("program prog;\n");
  file.close();
  ASSERT_TRUE(main_->OpenInEditor(path));
  editor_ = main_->ActiveEditorWindow();
  EXPECT_EQ(editor_->windowTitle(), path);
  focusEditor();
  QTest::keyClick(&editor_->Host(), Qt::Key_X);
  EXPECT_EQ(edit().LineText(1), "xprogram prog;");
  EXPECT_EQ(editor_->windowTitle(), path + "*");
  EXPECT_EQ(main_->findChild<QTabBar*>("TabControl1")->tabText(1), "prog.pas*");
}

// Changes without a key press (paste, drop, replace, templates) show too.
TEST_F(EditorWindowTest, ChangesWithoutKeysMarkAndEnableCopy) {
  EXPECT_FALSE(action("MnEditarCopiar")->isEnabled());
  edit().SetText("program prog;\n");
  edit().SetModified(false);
  edit().SelectAll();
  EXPECT_TRUE(action("MnEditarCopiar")->isEnabled());
  EXPECT_TRUE(button("BtnRecortar")->isEnabled());
  edit().SetSelTextExternal("begin");
  EXPECT_EQ(editor_->windowTitle(), "Untitled*");
  EXPECT_EQ(main_->findChild<QTabBar*>("TabControl1")->tabText(0), "Untitled*");
  EXPECT_FALSE(action("MnEditarCopiar")->isEnabled());
}

TEST_F(EditorWindowTest, UpAndDownSnapToTheEndOfAShorterLine) {
  focusEditor();
  edit().SetText(std::string(30, 'a') + "\n  x\n\n   \n" + std::string(30, 'b') + "\n");
  struct Case {
    int line;
    Qt::Key key;
    int column;  // where the caret lands
  } cases[] = {{1, Qt::Key_Down, 4}, {2, Qt::Key_Down, 20}, {5, Qt::Key_Up, 20}, {3, Qt::Key_Up, 4}};
  for (const Case& c : cases) {
    edit().SetCaretXY({20, c.line});
    QTest::keyClick(&editor_->Host(), c.key);
    EXPECT_EQ(edit().CaretY(), c.key == Qt::Key_Down ? c.line + 1 : c.line - 1);
    EXPECT_EQ(edit().CaretX(), c.column) << c.line;
  }
  EXPECT_EQ(main_->statusPanelText(0), QString::fromUtf8(" Linha 2 : Posição 4"));
}

// The anchor of a Shift selection stays where the selection began.
TEST_F(EditorWindowTest, ShiftDownKeepsTheAnchor) {
  focusEditor();
  edit().SetText(std::string(30, 'a') + "\n  x\n y\n");
  edit().SetCaretXY({20, 1});
  for (int line : {2, 3}) {
    QTest::keyClick(&editor_->Host(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(edit().BlockBegin(), (editor::TPoint{20, 1}));
    EXPECT_EQ(edit().CaretY(), line);
  }
  EXPECT_EQ(edit().CaretX(), 3);
  EXPECT_EQ(edit().SelText(), std::string(11, 'a') + "\r\n  x\r\n y");
  EXPECT_TRUE(action("MnEditarCopiar")->isEnabled());
}

TEST_F(EditorWindowTest, ErrorLineShowsOnceWhiteOnDarkRed) {
  std::string text;
  for (int i = 1; i <= 80; ++i) text += "x := " + std::to_string(i) + ";\n";
  edit().SetText(text);
  painted();
  editor_->SetErrorLine(5);
  const QSet<QRgb> marked = lineColours(5);
  EXPECT_TRUE(marked.contains(0x800000));
  // White text, smoothed at its edges.
  EXPECT_TRUE(std::any_of(marked.begin(), marked.end(),
                          [](QRgb c) { return qRed(c) >= 0xF0 && qGreen(c) >= 0xF0 && qBlue(c) >= 0xF0; }));
  EXPECT_EQ(editor_->GetErrorLine(), -1);
  edit().SetTopLine(40);
  painted();
  edit().SetTopLine(1);
  EXPECT_FALSE(lineColours(5).contains(0x800000));
}

TEST_F(EditorWindowTest, CaretPositionAndMouseHint) {
  edit().SetText("abc\ndef\n");
  edit().SetCaretXY({3, 2});
  editor_->ShowCaretPosition();
  EXPECT_EQ(main_->statusPanelText(0), QString::fromUtf8(" Linha 2 : Posição 3"));
  QTest::mouseMove(editor_->Host().viewport(), QPoint(40, 5));
  EXPECT_EQ(main_->statusPanelText(2), " Cursor na palavra + F1 para abrir ajuda");
}

// One key press, one command: Ctrl+T is the menu's Select All, not the
// control's delete-word too; Ctrl+I types no tab; F1 and F9 are the editor
// window's, not the menus'.
TEST_F(EditorWindowTest, TableKeysAreTheWindowsAlone) {
  focusEditor();
  edit().SetText("alpha beta\n");
  int menuCommands = 0;
  for (const char* name : {"MnEditarSelecionarTudo", "MnEditarIrParaLinha", "Executar1", "MnAjudaTopicosAjuda", "Novo"})
    QObject::connect(action(name), &QAction::triggered, [&] { ++menuCommands; });
  QTest::keyClick(&editor_->Host(), Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(edit().Text(), "alpha beta");
  EXPECT_TRUE(edit().SelAvail());
  EXPECT_EQ(edit().SelText(), "alpha beta");
  EXPECT_TRUE(action("MnEditarCopiar")->isEnabled());
  edit().SetCaretXY({1, 1});
  // Ctrl+I asks for the line; Cancel changes nothing.
  const auto goToLine = AnswerNextModal("Cancelar");
  QTest::keyClick(&editor_->Host(), Qt::Key_I, Qt::ControlModifier);
  EXPECT_TRUE(goToLine->pressed);
  QTest::keyClick(&editor_->Host(), Qt::Key_F1);
  QTest::keyClick(&editor_->Host(), Qt::Key_F9);
  EXPECT_EQ(edit().Text(), "alpha beta");
  QTest::keyClick(&editor_->Host(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(menuCommands, 0);
}

// With Shift the letters of the window's Ctrl table are the control's block
// commands alone: no dialog opens and no menu command runs.
TEST_F(EditorWindowTest, ShiftCtrlLettersAreTheControlsBlockCommands) {
  focusEditor();
  edit().SetText("a := 1;\nb := 2;\nc := 3;\n");
  int menuCommands = 0;
  for (QAction* item : main_->findChildren<QAction*>())
    QObject::connect(item, &QAction::triggered, [&] { ++menuCommands; });
  QStringList modals;
  QTimer closeModals;
  QObject::connect(&closeModals, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modals << modal->windowTitle();
      modal->close();
    }
  });
  closeModals.start(10);
  // As X types them: the letter's control character as text.
  auto shiftCtrl = [&](Qt::Key letter) {
    QTest::sendKeyEvent(QTest::Click, &editor_->Host(), letter, QString(QChar(letter - Qt::Key_A + 1)),
                        Qt::ShiftModifier | Qt::ControlModifier);
  };
  edit().SetCaretXY({1, 1});
  QTest::keyClick(&editor_->Host(), Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(&editor_->Host(), Qt::Key_Down, Qt::ShiftModifier);
  shiftCtrl(Qt::Key_I);
  EXPECT_NE(edit().LineText(1), "a := 1;");
  EXPECT_EQ(QString::fromStdString(edit().LineText(1)).trimmed(), "a := 1;");
  EXPECT_EQ(QString::fromStdString(edit().LineText(2)).trimmed(), "b := 2;");
  EXPECT_EQ(edit().LineText(1), edit().LineText(2).substr(0, edit().LineText(2).size() - 7) + "a := 1;");
  EXPECT_EQ(edit().LineText(3), "c := 3;");
  shiftCtrl(Qt::Key_U);
  EXPECT_EQ(edit().LineText(1), "a := 1;");
  EXPECT_EQ(edit().LineText(2), "b := 2;");
  shiftCtrl(Qt::Key_L);
  EXPECT_EQ(edit().SelectionMode(), editor::smLine);
  // The window's other letters with Shift do nothing of the window's.
  for (Qt::Key key : {Qt::Key_O, Qt::Key_A, Qt::Key_S, Qt::Key_P, Qt::Key_R, Qt::Key_T}) shiftCtrl(key);
  EXPECT_EQ(modals.join('|').toStdString(), "");
  EXPECT_EQ(menuCommands, 0);
  EXPECT_EQ(main_->EditorWindowList().size(), 1);
  EXPECT_EQ(edit().Text(), "a := 1;\r\nb := 2;\r\nc := 3;");
}

}  // namespace
}  // namespace kau::ide::testing

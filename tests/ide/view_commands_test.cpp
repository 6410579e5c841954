// The view switches on every editor window, the colour styles, the font
// size's bounds, the other programs and help through the main window.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "editor/model/key_cmds.h"
#include "ide/editor_control_host.h"
#include "ide/external_tools.h"
#include "ide/form_editor.h"
#include "ide/help_window.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_colors.h"
#include "platform/qt/qt_fonts.h"
#include "main_window_fixture.h"
#include "modal_answerer.h"
#include "test_env.h"
#include "tests/support/hang_bound.h"

namespace kau::ide::testing {
namespace {

class ViewCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    MainWindowTest::SetUp();
    main_->show();
  }
  void openFile(const QString& name) {
    QFile f(folder_.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("program p;\nbegin\n  writeln('x');\nend.\n");
    f.close();
    ASSERT_TRUE(main_->OpenInEditor(f.fileName()));
  }
  RichEditControl& edit() const { return main_->ActiveEditorWindow()->RichEdit1(); }

  QTemporaryDir folder_;
};

TEST_F(ViewCommandsTest, SwitchesActOnEveryWindowAndOnNewOnes) {
  using Shown = bool (*)(RichEditControl&);
  const struct {
    const char* button;
    Shown shown;
  } switches[] = {
      {"btnShowBracket", [](RichEditControl& e) { return e.ShowBracketPair(); }},
      {"btnShowStruture", [](RichEditControl& e) { return e.ShowStruture(); }},
      {"btnShowGutter", [](RichEditControl& e) { return e.Gutter().Visible(); }},
  };
  openFile("a.pas");
  openFile("b.pas");
  ASSERT_EQ(main_->EditorWindowList().size(), 3);
  for (const auto& s : switches) {
    button(s.button)->click();  // down: hidden everywhere
    for (TFormEditor* editor : main_->EditorWindowList()) EXPECT_FALSE(s.shown(editor->RichEdit1())) << s.button;
  }
  openFile("c.pas");
  for (const auto& s : switches) EXPECT_FALSE(s.shown(edit())) << s.button;
  for (const auto& s : switches) {
    button(s.button)->click();  // up again
    for (TFormEditor* editor : main_->EditorWindowList()) EXPECT_TRUE(s.shown(editor->RichEdit1())) << s.button;
  }
}

TEST_F(ViewCommandsTest, ModernStyleWithoutAnEditorMovesOnlyTheCheck) {
  main_->CloseEditorWindow();
  ASSERT_EQ(main_->ActiveEditorWindow(), nullptr);
  action("MnJanelaEditorModerno")->trigger();
  EXPECT_TRUE(action("MnJanelaEditorModerno")->isChecked());
  EXPECT_FALSE(action("MnJanelaEditorClassico")->isChecked());
  main_->NovoExecute();
  EXPECT_EQ(main_->ActiveEditorWindow()->GetEditorStyle(), TFormEditor::StyleModern);
}

TEST_F(ViewCommandsTest, FontSizeStaysWithinItsBoundsOnTheActiveEditorOnly) {
  TFormEditor* first = main_->ActiveEditorWindow();
  const int firstSize = first->RichEdit1().Font().Size();
  openFile("a.pas");
  const struct {
    int from;
    const char* button;
    int clicks;
    int expected;
  } cases[] = {
      {10, "btnAumentarFonte", 1, 11},
      {10, "btnReduzirFonte", 1, 9},
      {8, "btnReduzirFonte", 5, 6},
      {70, "btnAumentarFonte", 5, 72},
  };
  for (const auto& c : cases) {
    edit().Font().SetSize(c.from);
    for (int i = 0; i < c.clicks; ++i) button(c.button)->click();
    EXPECT_EQ(edit().Font().Size(), c.expected) << c.from << " " << c.button;
  }
  EXPECT_EQ(first->RichEdit1().Font().Size(), firstSize);
}

// The pixel rows of `band` in `image` in which some pixel is not `background`.
int InkRows(const QImage& image, const QRect& band, QColor background) {
  int rows = 0;
  for (int y = band.top(); y <= band.bottom(); ++y)
    for (int x = band.left(); x <= band.right(); ++x)
      if (image.pixelColor(x, y) != background) {
        ++rows;
        break;
      }
  return rows;
}

// At every size the font buttons reach, in both colour styles, a row of
// accented capitals in a string holds their ink as QFontMetrics measures it
// (the marks above them and the cedilla below), and the editor paints all of
// it: the row shows ink on as many pixel rows as the text drawn alone. The
// columns stay as wide as the font's "M".
TEST_F(ViewCommandsTest, EveryRowHoldsTheAccentedCapitalsAtEverySize) {
  ASSERT_NE(dynamic_cast<platform::QtFontServices*>(&platform::Fonts()), nullptr) << "the editor paints with Qt's fonts";
  const QString capitals = QString::fromUtf8("ÁÂÃÀÉÊÍÓÔÕÚÇ");
  const QString line = "'" + capitals + "'";
  edit().SetText(platform::ToCp1252(line + "\n\n"));
  edit().SetCaretXY({1, 3});
  main_->resize(1200, 600);  // room for the line at the largest size
  while (edit().Font().Size() > 6) button("btnReduzirFonte")->click();
  for (const char* style : {"MnJanelaEditorClassico", "MnJanelaEditorModerno"}) {
    action(style)->trigger();
    for (int size = 6;; ++size) {
      SCOPED_TRACE(std::string(style) + " " + std::to_string(size));
      ASSERT_EQ(edit().Font().Size(), size);
      const auto font = platform::Fonts().CreateFont(edit().Font().Desc());
      const TTextMetrics metrics = platform::Fonts().GetTextMetrics(*font);
      const QFont qfont = platform::QtFontServices::FontOf(*font);
      const QRect ink = QFontMetrics(qfont).boundingRect(capitals);
      EXPECT_GE(metrics.Ascent, -ink.top());
      EXPECT_GE(metrics.Descent, ink.bottom() + 1);
      EXPECT_EQ(metrics.Height, metrics.Ascent + metrics.Descent);
      EXPECT_GE(edit().LineHeight(), metrics.Height);
      EXPECT_EQ(edit().CharWidth(), QFontMetrics(qfont).horizontalAdvance(QLatin1Char('M')));

      // The row as the editor shows it, and the string drawn by the same
      // canvas in its colours with no row around it.
      const QColor background = platform::ToQColor(edit().Color());
      const QImage shown = main_->ActiveEditorWindow()->Host().viewport()->grab().toImage();
      const int width = static_cast<int>(line.size()) * edit().CharWidth();
      const QRect row(edit().TextOffset(), 0, width, edit().LineHeight());
      ASSERT_TRUE(shown.rect().contains(row));
      QImage alone(width, 3 * edit().LineHeight(), QImage::Format_RGB32);
      alone.fill(background);
      {
        QPainter painter(&alone);
        platform::QtCanvas canvas(painter, {0, 0, alone.width(), alone.height()});
        canvas.SelectFont(font.get());
        canvas.SetTextColor(edit().Highlighter()->GetDefaultAttribute(editor::SYN_ATTR_STRING)->Foreground());
        const std::string text = platform::ToCp1252(line);
        canvas.ExtTextOut(0, edit().LineHeight(), 0, nullptr, text, nullptr);
      }
      EXPECT_EQ(InkRows(shown, row, background), InkRows(alone, alone.rect(), background));
      if (size == 72) break;
      button("btnAumentarFonte")->click();
    }
    while (edit().Font().Size() > 6) button("btnReduzirFonte")->click();
  }
}

// A canvas that paints as the window's does and keeps, for each text, its
// cells (the font's height by the advances of its characters from the first
// that is not a blank) and its ink, drawn again alone
// with room all round: ink that the window cuts off at its edge or that the
// next row paints over shows there.
class InkOfEachText : public platform::QtCanvas {
 public:
  struct Text {
    std::string text;
    TRect rect;  // the rectangle it was drawn over
    QRect cells, ink;
  };
  InkOfEachText(QPainter& painter, TRect bounds) : QtCanvas(painter, bounds), bounds_(bounds) {}

  void ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                  const int* advances) override {
    QtCanvas::ExtTextOut(x, y, options, rect, text, advances);
    const TRect row = rect ? *rect : TRect{};
    // A row's width on either side and a row's height above and below.
    const QRect area(bounds_.Left - bounds_.Width(), row.Top - row.Height(), 3 * bounds_.Width(), 3 * row.Height());
    QImage alone(area.size(), QImage::Format_RGB32);
    alone.fill(Qt::white);
    {
      QPainter painter(&alone);
      painter.translate(-area.topLeft());
      platform::QtCanvas canvas(painter, {area.left(), area.top(), area.right() + 1, area.bottom() + 1});
      canvas.SelectFont(SelectedFont());
      canvas.SetTextColor(clBlack);
      canvas.ExtTextOut(x, y, 0, nullptr, text, advances);
    }
    QRect ink;
    for (int py = 0; py < alone.height(); ++py)
      for (int px = 0; px < alone.width(); ++px)
        if (alone.pixel(px, py) != qRgb(255, 255, 255)) ink |= QRect(area.left() + px, area.top() + py, 1, 1);
    // The cells of its characters from the first that is not a blank.
    int left = x, width = 0;
    for (std::size_t i = 0; advances && i < text.size(); ++i) {
      if (width == 0 && text[i] == ' ') left += advances[i];
      else width += advances[i];
    }
    const QRect cells(left, y, width, platform::Fonts().GetTextMetrics(*SelectedFont()).Height);
    texts.push_back({std::string(text), row, cells, ink});
  }

  std::vector<Text> texts;

 private:
  TRect bounds_;
};

// At every size the font buttons reach, each line number of the gutter, at
// the top of a text of 130 lines and at its end, is drawn whole inside the
// gutter (left of its border) and inside its own row, its cells and its ink,
// so that no two numbers share ink.
TEST_F(ViewCommandsTest, EveryLineNumberShowsWholeAndApartAtEverySize) {
  std::string text;
  for (int line = 1; line <= 130; ++line) text += "x\n";
  edit().SetText(text);
  main_->resize(800, 600);
  while (edit().Font().Size() > 6) button("btnReduzirFonte")->click();
  QWidget* viewport = main_->ActiveEditorWindow()->Host().viewport();
  for (int size = 6;; ++size) {
    ASSERT_EQ(edit().Font().Size(), size);
    for (const Qt::Key end : {Qt::Key_Home, Qt::Key_End}) {
      SCOPED_TRACE(std::to_string(size) + (end == Qt::Key_Home ? " top" : " end"));
      QTest::keyClick(viewport, end, Qt::ControlModifier);
      const int gutter = edit().GutterWidth();
      QImage image(gutter, edit().ClientHeight(), QImage::Format_RGB32);
      QPainter painter(&image);
      InkOfEachText canvas(painter, {0, 0, image.width(), image.height()});
      edit().Paint(canvas, {0, 0, image.width(), image.height()});
      int numbers = 0;
      for (const InkOfEachText::Text& t : canvas.texts) {
        const int line = edit().TopLine() + t.rect.Top / edit().LineHeight();
        EXPECT_EQ(std::stoi(t.text), line);
        const QRect inside(0, t.rect.Top, gutter - 2, edit().LineHeight());
        const QRect drawn = t.cells | t.ink;
        EXPECT_TRUE(inside.contains(drawn)) << line << ": drawn " << drawn.left() << "," << drawn.top() << " to "
                                            << drawn.right() << "," << drawn.bottom() << " outside "
                                            << inside.left() << "," << inside.top() << " to " << inside.right()
                                            << "," << inside.bottom();
        ++numbers;
      }
      EXPECT_GE(numbers, edit().LinesInWindow());
    }
    if (size == 6) {
      ASSERT_TRUE(QDir().mkpath(SCREENSHOT_DIR));
      EXPECT_TRUE(viewport->grab().save(QString(SCREENSHOT_DIR) + "/gutter_at_6_points.png"));
    }
    if (size == 72) break;
    button("btnAumentarFonte")->click();
  }
}

TEST_F(ViewCommandsTest, ToolsStartWithoutWaitingOrSayWhyNot) {
  const QString started = WriteSleepingProgram(folder_.path(), "gnome-calculator");
  ASSERT_FALSE(started.isEmpty());
  {
    ScopedEnv path("PATH", folder_.path().toUtf8());
    QElapsedTimer timer;
    timer.start();
    button("BtnCalculadora")->click();
    EXPECT_LT(timer.elapsed(), kau::testing::kHangMilliseconds);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(started); }, kau::testing::kHangMilliseconds));
  }
  ScopedEnv empty("PATH", "");
  auto told = AnswerNextModal("OK");
  action("MnFerramentasCalculadora")->trigger();
  EXPECT_EQ(told->text, QString::fromUtf8("Não foi possível iniciar Calculadora."));
}

// The editor window holding leiame.txt, or none.
TFormEditor* LeiameWindow(const TFormMain& main) {
  for (TFormEditor* editor : main.EditorWindowList())
    if (editor->GetFileName() == LeiameTxtPath()) return editor;
  return nullptr;
}

// leiame.txt lies beside the test program, as it does beside pascalkau.
TEST_F(ViewCommandsTest, LeiameTxtOpensInAnEditorWindowWhenNoDesktopProgramCan) {
  ASSERT_FALSE(LeiameTxtPath().isEmpty());
  const struct {
    const char* xdgOpen;  // what xdg-open does: absent, or the status it ends with
    int status;
  } cases[] = {{"absent", 0}, {"a wrong call", 1}, {"no program for text files", 3}, {"the program failed", 4}};
  for (const auto& c : cases) {
    QTemporaryDir bin;
    if (c.status != 0) {
      ASSERT_FALSE(WriteEndingProgram(bin.path(), "xdg-open", c.status).isEmpty());
    }
    ScopedEnv path("PATH", bin.path().toUtf8());
    ModalRefuser boxes;
    action("MnArquivoLeiameTxt")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return LeiameWindow(*main_) != nullptr; }, kau::testing::kHangMilliseconds))
        << c.xdgOpen;
    EXPECT_EQ(main_->ActiveEditorWindow(), LeiameWindow(*main_)) << c.xdgOpen;
    EXPECT_EQ(edit().Lines().Get(0), "Pascal KAU! - Leia-me") << c.xdgOpen;
    EXPECT_EQ(boxes.Seen().toStdString(), "") << c.xdgOpen;
    main_->CloseEditorWindow();
  }
}

TEST_F(ViewCommandsTest, LeiameTxtGoesToTheDesktopsProgramWhenThereIsOne) {
  const qsizetype windows = main_->EditorWindowList().size();
  const QString arguments = WriteEndingProgram(folder_.path(), "xdg-open", 0);
  ASSERT_FALSE(arguments.isEmpty());
  ScopedEnv path("PATH", folder_.path().toUtf8());
  action("MnArquivoLeiameTxt")->trigger();
  // xdg-open is watched until it ends.
  ASSERT_TRUE(
      QTest::qWaitFor([this] { return main_->findChildren<QProcess*>().isEmpty(); }, kau::testing::kHangMilliseconds));
  EXPECT_EQ(QString::fromUtf8(FileContents(arguments)).trimmed(), LeiameTxtPath());
  EXPECT_EQ(main_->EditorWindowList().size(), windows);
  EXPECT_EQ(LeiameWindow(*main_), nullptr);
}

// Without a text editor on the desktop the IDE's New serves; with one, it
// starts and the windows stay as they were.
TEST_F(ViewCommandsTest, TheTextEditorToolFallsBackToNew) {
  openFile("a.pas");
  {
    const QString started = WriteSleepingProgram(folder_.path(), "gedit");
    ASSERT_FALSE(started.isEmpty());
    ScopedEnv path("PATH", folder_.path().toUtf8());
    button("BtnNotepad")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(started); }, kau::testing::kHangMilliseconds));
    EXPECT_EQ(main_->ActiveEditorWindow()->TabTitle(), "a.pas");
  }
  ScopedEnv empty("PATH", "");
  ModalRefuser boxes;
  button("BtnNotepad")->click();
  EXPECT_EQ(boxes.Seen().toStdString(), "");
  EXPECT_EQ(main_->ActiveEditorWindow()->GetFileName(), "Untitled");
  EXPECT_EQ(edit().Lines().GetText(), "Program Talo ;\r\n Begin\r\n  \r\n End.\r\n");
}

TEST_F(ViewCommandsTest, HelpOpensTheContentsTheIndexAndTheWordsTopic) {
  HelpWindow& help = main_->helpWindow();
  const auto page = [&help] { return help.browser()->source().fileName(); };
  button("BtnHelp")->click();
  EXPECT_EQ(page(), "T_picos.html");
  action("MnAjudaIndiceAjuda")->trigger();
  EXPECT_EQ(page(), "Indice.html");

  openFile("a.pas");
  edit().SetCaretXY({5, 3});  // inside "writeln"
  main_->ActiveEditorWindow()->Host().setFocus();
  QTest::keyClick(&main_->ActiveEditorWindow()->Host(), Qt::Key_F1);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(page(), "WRITELN.html");
  EXPECT_TRUE(help.notice().isEmpty());
}

}  // namespace
}  // namespace kau::ide::testing

// Pictures of the windows for a developer to look at before landing:
// build/screenshots/*.png.
#include <QDir>
#include <QListWidget>
#include <QTest>

#include "editor/model/key_cmds.h"
#include "ide/form_about.h"
#include "ide/form_editor.h"
#include "ide/program_start.h"
#include "ide/form_splash.h"
#include "main_window_fixture.h"
#include "tests/support/hang_bound.h"

namespace kau::ide::testing {
namespace {

void Save(QWidget* widget, const char* name) {
  ASSERT_TRUE(QDir().mkpath(SCREENSHOT_DIR));
  EXPECT_TRUE(widget->grab().save(QString(SCREENSHOT_DIR) + "/" + name + ".png")) << name;
}

TEST_F(MainWindowTest, Screenshots) {
  main_->show();
  Save(main_.get(), "main_window");

  // As it will look with an editor open and an error shown.
  main_->EnableEditorCommands(true);
  main_->addEditorTab("prog.pas");
  main_->addEditorTab("Untitled");
  widget("barraBotoesEditor")->show();
  widget("panelErros")->show();
  widget<QListWidget>("ListErros")->addItems({QString::fromUtf8(" => Erro sintático na linha 5..."),
                                               " => Esperava-se ';'"});
  main_->setStatusPanelText(0, QString::fromUtf8(" Linha 3 : Posição 4"));
  Save(main_.get(), "main_window_with_bars");

  button("BtnTaloExplorer")->click();
  Save(explorer_, "explorer");

  TFrmApresentacao splash;
  splash.setPicture(main_->picture());
  splash.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return splash.SplashTickCount() >= 25; }, kau::testing::kHangMilliseconds));
  Save(&splash, "splash");

  TFrmAbout about(main_.get());
  about.setPicture(main_->picture());
  about.show();
  Save(&about, "about");
}

TEST_F(MainWindowTest, ScreenshotsOfEditorAndConsole) {
  main_->show();
  main_->resize(760, 520);
  TFormEditor* editor = main_->ActiveEditorWindow();
  ASSERT_NE(editor, nullptr);
  editor->RichEdit1().SetText(
      "program media;\n{ a media de tres numeros }\nvar a, b, c: integer;\nbegin\n  readln(a, b, c);\n"
      "  if a > 0 then\n  begin\n    writeln('Media: ', (a + b + c) / 3 :0:2);\n  end;\n  repeat\n"
      "    a := a - 1\n  until a = 0;\nend.\n");
  editor->RichEdit1().SetCaretXY({14, 8});
  editor->SetErrorLine(11);
  Save(main_.get(), "main_window_editor_classic");
  main_->MnJanelaEditorModernoClick();
  editor->RichEdit1().SetModified(true);
  editor->RichEdit1().CommandProcessor(editor::ecChar, ' ', nullptr);
  Save(main_.get(), "main_window_editor_modern");

  PascalKauWindows windows;
  ShowSplash(windows);
  FinishStart(windows, {});
  windows.consoleWindow.refresh();
  Save(&windows.consoleWindow, "console");
}

}  // namespace
}  // namespace kau::ide::testing

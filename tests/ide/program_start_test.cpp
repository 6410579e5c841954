// The program's start: the banners on the console window around the splash,
// and the file named on the command line.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ide/form_editor.h"
#include "ide/program_start.h"
#include "modal_answerer.h"
#include "platform/console/screen_dump.h"
#include "text/code_pages.h"

namespace kau::ide::testing {
namespace {

QStringList Rows(const console::ScreenConsole& console) {
  return QString::fromStdString(console::screenText(console.snapshot())).split('\n');
}

class ProgramStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    previous_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    QFile file(folder_.filePath("prog.pas"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("program prog;\nbegin\nend.\n");
  }
  void TearDown() override { QDir::setCurrent(previous_); }
  // Starts with these arguments; the console after the splash, before the
  // clearing, goes to `beforeClearing`.
  void start(const QStringList& arguments, QStringList* beforeClearing = nullptr) {
    ShowSplash(windows_);
    if (beforeClearing) *beforeClearing = Rows(windows_.console);
    FinishStart(windows_, arguments);
    windows_.formMain.show();
  }
  QStringList files() const {
    QStringList names;
    for (TFormEditor* editor : windows_.formMain.EditorWindowList()) names << editor->GetFileName();
    return names;
  }

  QTemporaryDir folder_;
  QString previous_;
  PascalKauWindows windows_;
};

TEST_F(ProgramStartTest, BannersAroundTheSplash) {
  QStringList before;
  start({}, &before);
  EXPECT_TRUE(windows_.consoleWindow.isVisible());
  EXPECT_EQ(windows_.consoleWindow.windowTitle(), "Console do Pascal KAU!");
  const QString blocks = QString::fromUtf8("███");
  EXPECT_EQ(before[3], " " + blocks + " Pascal KAU! Versao 4.06");
  EXPECT_EQ(before[5], " " + blocks + " Inicializando..." + QString(25, '.'));

  const QStringList after = Rows(windows_.console);
  for (int row = 0; row < 25; ++row)
    EXPECT_EQ(after[row], row == 23 ? " " + blocks + " Pascal KAU! Versao 4.06" : "") << row;
  const console::ScreenSnapshot screen = windows_.console.snapshot();
  for (int column = 2; column < 2 + 27 + 43; ++column) EXPECT_EQ(screen.at(column, 24).attribute, 10) << column;
}

TEST_F(ProgramStartTest, NoArgumentOpensUntitled) {
  start({});
  EXPECT_EQ(files(), QStringList({"Untitled"}));
  EXPECT_EQ(windows_.formMain.windowTitle(), " Pascal KAU!");
}

TEST_F(ProgramStartTest, ARelativePathOpensByItsAbsolutePath) {
  start({"prog.pas", "ignored.pas"});
  EXPECT_EQ(files(), QStringList({folder_.filePath("prog.pas")}));
  EXPECT_EQ(windows_.formMain.windowTitle(), " Pascal KAU! ");
}

TEST_F(ProgramStartTest, AMissingPathOrAFolderStartsAsWithout) {
  QDir().mkdir("folder.pas");
  for (const char* name : {"missing.pas", "folder.pas"}) {
    PascalKauWindows windows;
    FinishStart(windows, {name});
    windows.formMain.show();
    QStringList names;
    for (TFormEditor* editor : windows.formMain.EditorWindowList()) names << editor->GetFileName();
    EXPECT_EQ(names, QStringList({"Untitled"})) << name;
    EXPECT_EQ(windows.formMain.windowTitle(), " Pascal KAU!");
  }
}

TEST_F(ProgramStartTest, AnUnreadableFileIsReportedThenUntitled) {
  ASSERT_TRUE(QFile("prog.pas").resize(0x40000001));  // sparse, beyond the editor's limit
  auto ok = AnswerNextModal("OK");
  FinishStart(windows_, {"prog.pas"});
  windows_.formMain.show();
  EXPECT_TRUE(ok->pressed);
  EXPECT_TRUE(ok->text.startsWith(QString::fromUtf8("Não foi possível abrir o arquivo ") + folder_.filePath("prog.pas") +
                                  "."));
  EXPECT_EQ(files(), QStringList({"Untitled"}));
  EXPECT_EQ(windows_.formMain.windowTitle(), " Pascal KAU!");
}

}  // namespace
}  // namespace kau::ide::testing

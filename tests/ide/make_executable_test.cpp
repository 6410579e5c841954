// The Make-executable command: the question, the executable beside the
// source file, and the panel on success and failure.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>

#include "ide/error_panel.h"
#include "ide/make_executable.h"
#include "modal_answerer.h"
#include "tests/support/hang_bound.h"

namespace kau::ide {
namespace {

class MakeExecutableTest : public ::testing::Test {
 protected:
  MakeExecutableTest() : panel(&panelWidget, &list) {
    hooks.askToSave = [this] {
      ++questions;
      return answer;
    };
    hooks.save = [this] { ++saves; };
    hooks.text = [this] { return text; };
    hooks.fileName = [this] { return fileName; };
    hooks.announceSuccess = [this] { ++announcements; };
  }
  QStringList panelLines() const {
    QStringList lines;
    for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
    return lines;
  }

  QTemporaryDir folder;
  QWidget panelWidget;
  QListWidget list{&panelWidget};
  ErrorPanel panel;
  MakeExecutableHooks hooks;
  SaveAnswer answer = SaveAnswer::No;
  std::string text = "program p;\r\nbegin\r\n  writeln('Ola do exe');\r\nend.\r\n";
  QString fileName = folder.filePath("prog.pas");
  int questions = 0;
  int saves = 0;
  int announcements = 0;
};

TEST_F(MakeExecutableTest, CancelHidesThePanelAndDoesNothingMore) {
  hooks.modified = true;
  answer = SaveAnswer::Cancel;
  EXPECT_EQ(MakeExecutable(panel, hooks), MakeExecutableResult::Cancelled);
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(saves, 0);
  EXPECT_EQ(announcements, 0);
  EXPECT_TRUE(panelWidget.isHidden());
  EXPECT_FALSE(QFileInfo::exists(folder.filePath("prog.exe")));
}

TEST_F(MakeExecutableTest, WritesTheExecutableBesideTheSourceThatPrintsTheOutput) {
  hooks.modified = true;
  answer = SaveAnswer::Yes;
  EXPECT_EQ(MakeExecutable(panel, hooks), MakeExecutableResult::Made);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(announcements, 1);
  EXPECT_TRUE(panelWidget.isHidden());
  const QString executable = folder.filePath("prog.exe");
  ASSERT_TRUE(QFileInfo(executable).isExecutable());
  QProcess program;
  program.start(executable, {});
  ASSERT_TRUE(program.waitForFinished(kau::testing::kHangMilliseconds));
  EXPECT_EQ(program.exitCode(), 0);
  EXPECT_EQ(program.readAllStandardOutput().trimmed(), "Ola do exe");
}

TEST_F(MakeExecutableTest, UnsavedTextIsMadeInTheWorkingFolder) {
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder.path()));
  fileName = "Untitled";
  const auto result = MakeExecutable(panel, hooks);
  QDir::setCurrent(before);
  EXPECT_EQ(result, MakeExecutableResult::Made);
  EXPECT_EQ(questions, 0);  // not modified: no question
  EXPECT_TRUE(QFileInfo::exists(folder.filePath("Untitexe")));
}

TEST_F(MakeExecutableTest, CompileErrorFillsThePanel) {
  text = "program p;\r\nbegin\r\n  x := 1;\r\nend.\r\n";
  EXPECT_EQ(MakeExecutable(panel, hooks), MakeExecutableResult::Failed);
  const QStringList lines = panelLines();
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].contains("linha 3")) << lines[0].toStdString();
  EXPECT_FALSE(lines[1].isEmpty());
  EXPECT_EQ(list.currentRow(), -1);
  EXPECT_FALSE(panelWidget.isHidden());
  EXPECT_EQ(announcements, 0);
  EXPECT_FALSE(QFileInfo::exists(folder.filePath("prog.exe")));
}

TEST_F(MakeExecutableTest, EmptyTextStopsWithTheWorkingLine) {
  text.clear();
  EXPECT_EQ(MakeExecutable(panel, hooks), MakeExecutableResult::EmptyText);
  EXPECT_EQ(panelLines(), QStringList{QString::fromUtf8("Gerando execut\u00E1vel...")});
  EXPECT_FALSE(panelWidget.isHidden());
}

TEST(MakeExecutableBoxes, AskAndAnnounceInInformationBoxes) {
  auto asked = testing::AnswerNextModal("Cancelar");
  EXPECT_EQ(AskToSaveBeforeMaking(nullptr), SaveAnswer::Cancel);
  EXPECT_EQ(asked->text, QString::fromUtf8("O programa ainda n\u00E3o foi salvo. \n Deseja salvar antes de executar?"));
  auto yes = testing::AnswerNextModal("Sim");
  EXPECT_EQ(AskToSaveBeforeMaking(nullptr), SaveAnswer::Yes);
  EXPECT_TRUE(yes->pressed);
  auto told = testing::AnswerNextModal("OK");
  AnnounceExecutableMade(nullptr);
  EXPECT_EQ(told->text, QString::fromUtf8("O arquivo execut\u00E1vel foi gerado com sucesso!"));
}

}  // namespace
}  // namespace kau::ide

// The explorer: shown and hidden by its button, its lists, opening a file.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ide/form_editor.h"
#include "main_window_fixture.h"
#include "modal_answerer.h"
#include "test_env.h"
#include "tests/support/hang_bound.h"

namespace kau::ide::testing {
namespace {

QStringList Texts(QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text().trimmed();
  return texts;
}

void Touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST_F(MainWindowTest, ExplorerButtonShowsAndHidesWithItsDownState) {
  main_->show();
  EXPECT_EQ(explorer_->windowTitle(), " Pascal KAU! Explorer");
  EXPECT_EQ(explorer_->size(), QSize(303, 380));
  EXPECT_TRUE(explorer_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  button("BtnTaloExplorer")->click();
  EXPECT_TRUE(explorer_->isVisible());
  EXPECT_EQ(explorer_->size(), QSize(303, 380));
  // Centred up to the window frames, which the platform adds.
  EXPECT_LE((explorer_->geometry().center() - main_->geometry().center()).manhattanLength(), 10);
  EXPECT_TRUE(button("BtnTaloExplorer")->isChecked());
  button("BtnTaloExplorer")->click();
  EXPECT_FALSE(explorer_->isVisible());
  EXPECT_FALSE(button("BtnTaloExplorer")->isChecked());
  action("MnFerramentasExplorer")->trigger();
  EXPECT_TRUE(explorer_->isVisible());
  EXPECT_TRUE(button("BtnTaloExplorer")->isChecked());
  explorer_->findChild<QPushButton*>("btFechar")->click();
  EXPECT_FALSE(explorer_->isVisible());
  EXPECT_FALSE(button("BtnTaloExplorer")->isChecked());
}

TEST_F(MainWindowTest, ExplorerNormalAndOnTopKeepItShown) {
  main_->show();
  button("BtnTaloExplorer")->click();
  main_->ExplorerNormal();
  EXPECT_FALSE(explorer_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(explorer_->isVisible());
  main_->ExplorerOnTop();
  EXPECT_TRUE(explorer_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(explorer_->isVisible());
}

TEST_F(MainWindowTest, ExplorerListsPascalFilesInAnyCaseAndOpensOnDoubleClick) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const char* name : {"a.pas", "B.PAS", "c.txt"}) Touch(folder.filePath(name));
  ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
  explorer_->setDirectory(folder.path());
  auto* files = explorer_->findChild<QListWidget*>("FileListBox1");
  EXPECT_EQ(Texts(files), QStringList({"a.pas", "B.PAS"}));
  QStringList folders = Texts(explorer_->findChild<QListWidget*>("DirectoryListBox1"));
  EXPECT_EQ(folders.first(), "/");
  EXPECT_EQ(folders.last(), "sub");
  EXPECT_TRUE(folders.contains(QDir(folder.path()).dirName()));
  for (const char* name : {"FileListBox1", "DirectoryListBox1"}) {
    auto* list = explorer_->findChild<QListWidget*>(name);
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(0x00, 0x00, 0xA0));
    EXPECT_EQ(list->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(list->font().pixelSize(), 12);
  }

  explorer_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(explorer_, kau::testing::kHangMilliseconds));
  QSignalSpy opened(explorer_, &TFormExplorer::openFileRequested);
  QListWidgetItem* second = files->item(1);
  ASSERT_FALSE(files->visualItemRect(second).isEmpty());
  const QPoint centre = files->visualItemRect(second).center();
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, centre);  // a double click begins with a press
  QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, centre);
  ASSERT_EQ(opened.count(), 1);
  EXPECT_EQ(opened.at(0).at(0).toString(), QDir(folder.path()).absoluteFilePath("B.PAS"));
}

// A file written while the explorer was hidden shows the next time it is.
TEST_F(MainWindowTest, ExplorerReadsItsFolderEachTimeItIsShown) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  explorer_->setDirectory(folder.path());
  auto* files = explorer_->findChild<QListWidget*>("FileListBox1");
  main_->BtnTaloExplorerClick();
  EXPECT_EQ(Texts(files), QStringList());
  main_->BtnTaloExplorerClick();
  ASSERT_FALSE(explorer_->isVisible());
  Touch(folder.filePath("depois.pas"));
  ASSERT_TRUE(QDir(folder.path()).mkdir("pasta"));
  main_->BtnTaloExplorerClick();
  EXPECT_EQ(Texts(files), QStringList({"depois.pas"}));
  EXPECT_EQ(Texts(explorer_->findChild<QListWidget*>("DirectoryListBox1")).last(), "pasta");
}

// Saving enters the file in the recent files: settings of the test's own.
class ExplorerSaveTest : public MainWindowTest {
 protected:
  QTemporaryDir config_;
  // Before the main window, which takes its settings' place when made.
  ScopedEnv configHome_{"XDG_CONFIG_HOME", config_.path().toLocal8Bit()};
};

// The explorer, shown on the folder, lists a file as soon as Save As or Save
// has written it there; a file written into another folder changes nothing.
TEST_F(ExplorerSaveTest, SavingIntoTheExplorersFolderListsTheFile) {
  QTemporaryDir folder, elsewhere;
  ASSERT_TRUE(config_.isValid() && folder.isValid() && elsewhere.isValid());
  TFormEditor* editor = showWithEditor();
  explorer_->setDirectory(folder.path());
  main_->BtnTaloExplorerClick();
  ASSERT_TRUE(explorer_->isVisible());
  auto* files = explorer_->findChild<QListWidget*>("FileListBox1");
  EXPECT_EQ(Texts(files), QStringList());
  // The save dialog answered with a file name, as a person types it.
  auto saveAs = [&](const QString& path) {
    const auto seen = AnswerNextModal("-", [path] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->selectFile(path);
      QMetaObject::invokeMethod(dialog, "accept");
    });
    main_->MnArquivoSalvarComoClick();
    EXPECT_TRUE(seen->seen);
  };
  editor->RichEdit1().Lines().Add("x");
  saveAs(QDir(folder.path()).filePath("novo.pas"));
  ASSERT_TRUE(main_->LastSaveSucceeded());
  EXPECT_EQ(Texts(files), QStringList({"novo.pas"}));
  EXPECT_TRUE(explorer_->isVisible());

  saveAs(QDir(elsewhere.path()).filePath("outro.pas"));
  ASSERT_TRUE(main_->LastSaveSucceeded());
  EXPECT_EQ(Texts(files), QStringList({"novo.pas"}));
  // Save into the folder again, after a file came there by other means.
  Touch(QDir(folder.path()).filePath("a.pas"));
  ASSERT_TRUE(main_->OpenInEditor(QDir(folder.path()).filePath("novo.pas")));
  EXPECT_EQ(Texts(files), QStringList({"novo.pas"}));
  main_->MnArquivoSalvarClick();
  ASSERT_TRUE(main_->LastSaveSucceeded());
  EXPECT_EQ(Texts(files), QStringList({"a.pas", "novo.pas"}));
}

TEST_F(MainWindowTest, ExplorerStartsInTheWorkingFolderAndListsDrivesAndHome) {
  EXPECT_EQ(explorer_->directory(), QDir::currentPath());
  auto* drives = explorer_->findChild<QComboBox*>("DriveComboBox1");
  QStringList entries;
  for (int i = 0; i < drives->count(); ++i) entries << drives->itemData(i).toString();
  EXPECT_TRUE(entries.contains("/"));
  EXPECT_EQ(entries.last(), QDir::homePath());
  EXPECT_GE(drives->currentIndex(), 0);
  const QString root = drives->currentData().toString();
  EXPECT_TRUE(root == "/" || QDir::currentPath().startsWith(root));
}

}  // namespace
}  // namespace kau::ide::testing

// The recent-files list and its settings file in a temporary XDG config folder.
#include "ide/recent_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace kau::ide {
namespace {

class RecentFilesTest : public ::testing::Test {
 protected:
  RecentFilesTest() : oldConfig_(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8()); }
  ~RecentFilesTest() override {
    if (oldConfig_.isNull()) qunsetenv("XDG_CONFIG_HOME");
    else qputenv("XDG_CONFIG_HOME", oldConfig_);
  }

  QString Stored(int n) const {
    return QSettings(RecentFilesList::DefaultSettingsPath(), QSettings::IniFormat)
        .value(QStringLiteral("File%1").arg(n))
        .toString();
  }
  static QString Path(int i) { return QStringLiteral("/home/aluno/prog%1.pas").arg(i); }

  QTemporaryDir dir_;
  QByteArray oldConfig_;
};

TEST_F(RecentFilesTest, SixFilesLeaveTheLastFiveInTheSettingsFile) {
  EXPECT_EQ(RecentFilesList::DefaultSettingsPath(), dir_.path() + "/pascalkau/pascalkau.ini");
  RecentFilesList list;
  for (int i = 1; i <= 6; ++i) EXPECT_TRUE(list.UpdateRecentFiles(Path(i)));
  ASSERT_EQ(list.Count(), 5);
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(Stored(n), QStringLiteral("&%1 ").arg(n) + Path(n + 1));
    EXPECT_EQ(list.Caption(n), Stored(n));
    EXPECT_EQ(list.FileName(n), Path(n + 1));
  }
  QFile file(RecentFilesList::DefaultSettingsPath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("[General]"));
}

TEST_F(RecentFilesTest, ReopeningAnEntryMakesItTheMostRecent) {
  RecentFilesList list;
  for (int i = 1; i <= 4; ++i) list.UpdateRecentFiles(Path(i));
  list.UpdateRecentFiles(Path(2));
  ASSERT_EQ(list.Count(), 4);
  const QString expected[] = {Path(1), Path(3), Path(4), Path(2)};
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(list.FileName(n), expected[n - 1]);
  EXPECT_EQ(Stored(5), "&5");  // all five written, used or not
  EXPECT_FALSE(list.Visible(5));
}

TEST_F(RecentFilesTest, ReadingClosesGapsAndShowsAnAmpersandAsItIs) {
  {
    QSettings settings(RecentFilesList::DefaultSettingsPath(), QSettings::IniFormat);
    settings.setValue("File1", "");
    settings.setValue("File2", "&2 /tmp/a.pas");
    settings.setValue("File3", "&3");
    settings.setValue("File4", "&4 /tmp/R&D.pas");
  }
  RecentFilesList list;
  list.Read();
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Caption(1), "&1 /tmp/a.pas");
  EXPECT_EQ(list.FileName(2), "/tmp/R&D.pas");
  EXPECT_EQ(list.MenuText(2), "&2 /tmp/R&&D.pas");
  EXPECT_EQ(list.Caption(3), "&3");
  EXPECT_FALSE(list.Visible(3));

  RecentFilesList none(dir_.path() + "/missing/pascalkau.ini");
  none.Read();
  EXPECT_FALSE(none.HasEntries());
}

TEST_F(RecentFilesTest, AnUnwritableSettingsFileIsSkipped) {
  QFile blocker(dir_.path() + "/not-a-folder");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  RecentFilesList list(blocker.fileName() + "/pascalkau.ini");
  EXPECT_FALSE(list.UpdateRecentFiles(Path(1)));
  EXPECT_EQ(list.FileName(1), Path(1));
  EXPECT_EQ(FileNotFoundMessage(Path(1)), QString::fromUtf8("O arquivo /home/aluno/prog1.pas não exite!"));
}

}  // namespace
}  // namespace kau::ide

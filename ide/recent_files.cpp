#include "ide/recent_files.h"

#include <QSettings>
#include <QStandardPaths>
#include <utility>

#include "ide/literal_caption.h"

namespace kau::ide {

namespace {

QString Key(int n) { return QStringLiteral("File%1").arg(n); }
QString Prefix(int n) { return QStringLiteral("&%1").arg(n); }
constexpr int kPrefixLength = 3;  // "&n "

}  // namespace

QString FileNotFoundMessage(const QString& fileName) {
  return QStringLiteral("O arquivo ") + fileName + QString::fromUtf8(" não exite!");
}

QString RecentFilesList::DefaultSettingsPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/pascalkau/pascalkau.ini");
}

RecentFilesList::RecentFilesList(QString settingsPath) : settingsPath_(std::move(settingsPath)) {}

void RecentFilesList::Read() {
  count_ = 0;
  QSettings settings(settingsPath_, QSettings::IniFormat);
  for (int n = 1; n <= kEntries; ++n) {
    const QString value = settings.value(Key(n)).toString();
    // A value of two characters or fewer ("&3", empty) is an unused item;
    // a caption without a path names no file either.
    if (value.mid(kPrefixLength).isEmpty()) continue;
    files_[count_++] = value.mid(kPrefixLength);
  }
  for (int i = count_; i < kEntries; ++i) files_[i].clear();
}

bool RecentFilesList::UpdateRecentFiles(const QString& fileName) {
  int found = -1;
  for (int i = 0; i < count_; ++i) {
    if (files_[i] == fileName) {
      found = i;
      break;
    }
  }
  if (found >= 0) {
    for (int i = found; i + 1 < count_; ++i) files_[i] = files_[i + 1];
    files_[count_ - 1] = fileName;
  } else if (count_ < kEntries) {
    files_[count_++] = fileName;
  } else {
    for (int i = 0; i + 1 < kEntries; ++i) files_[i] = files_[i + 1];
    files_[kEntries - 1] = fileName;
  }
  return Write();
}

QString RecentFilesList::Caption(int n) const {
  if (!Visible(n)) return Prefix(n);
  return Prefix(n) + QLatin1Char(' ') + files_[n - 1];
}

QString RecentFilesList::MenuText(int n) const {
  if (!Visible(n)) return Prefix(n);
  return Prefix(n) + QLatin1Char(' ') + LiteralCaption(files_[n - 1]);
}

QString RecentFilesList::FileName(int n) const { return Visible(n) ? files_[n - 1] : QString(); }

bool RecentFilesList::Write() const {
  QSettings settings(settingsPath_, QSettings::IniFormat);
  if (!settings.isWritable()) return false;
  for (int n = 1; n <= kEntries; ++n) settings.setValue(Key(n), Caption(n));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace kau::ide

// The five most recently opened or saved files, as the captions of the
// menu items ARQ1-ARQ5 ("&n " + full path; the most recent has the highest
// number in use), kept in the user's settings file as File1-File5.
#pragma once

#include <QString>
#include <array>

namespace kau::ide {

// Opening a file that is not there (from the open dialog or a recent entry,
// which stays in the list).
QString FileNotFoundMessage(const QString& fileName);

class RecentFilesList {
 public:
  static constexpr int kEntries = 5;

  // $XDG_CONFIG_HOME/pascalkau/pascalkau.ini (~/.config when unset).
  static QString DefaultSettingsPath();

  explicit RecentFilesList(QString settingsPath = DefaultSettingsPath());

  // At start: the stored values longer than two characters become the
  // entries in their order; empty values leave no gap.
  void Read();
  // After every successful open and save: `fileName` becomes the most
  // recent entry, then all five captions are written. Returns false when
  // the settings file could not be written (nothing is reported).
  bool UpdateRecentFiles(const QString& fileName);

  int Count() const { return count_; }
  bool HasEntries() const { return count_ > 0; }
  // Item n (1-5) is shown when it holds an entry.
  bool Visible(int n) const { return n >= 1 && n <= count_; }
  // The caption as stored: "&n " + path, or "&n" for an unused item.
  QString Caption(int n) const;
  // The caption for a menu item: the path's own "&" doubled so that it
  // shows as it is; only the leading "&n" marks the shortcut digit.
  QString MenuText(int n) const;
  // The file of entry n (the caption without its "&n " prefix).
  QString FileName(int n) const;

 private:
  bool Write() const;

  QString settingsPath_;
  std::array<QString, kEntries> files_;
  int count_ = 0;
};

}  // namespace kau::ide

// The file explorer: a small stay-on-top tool window with the mounted file
// systems, the folders of the current path and the Pascal files of the
// current folder; a double click on a file asks the main window to open it.
#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace kau::ide {

class TFormExplorer : public QWidget {
  Q_OBJECT
 public:
  // Starts in the working folder.
  explicit TFormExplorer(QWidget* parent = nullptr);

  QString directory() const { return directory_; }
  void setDirectory(const QString& path);
  QString fileMask() const { return fileMask_; }
  // Reads the current folder again: its sub-folders and its files.
  void refresh();
  // A file was written at `path`: the lists are read again when it lies in
  // the current folder.
  void fileWritten(const QString& path);
  // Stay-on-top or a normal tool window; a shown window stays shown.
  void setStayOnTop(bool onTop);
  QLabel* lbUnidadeDisco() const { return lbUnidadeDisco_; }
  QPushButton* btFechar() const { return btFechar_; }

 signals:
  // The full path of the file double-clicked.
  void openFileRequested(const QString& path);
  // The window was closed, by its button, its close box or otherwise.
  void closed();

 public slots:
  void FileListBox1DblClick();
  void btFecharClick();
  void DriveComboBox1Change(int index);
  void DirectoryListBox1DblClick(QListWidgetItem* item);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Each showing lists the folder as it is now.
  void showEvent(QShowEvent* event) override;

 private:
  void fillDrives();
  void selectDriveOf(const QString& path);
  void fillFolders();
  void fillFiles();

  QLabel* lbUnidadeDisco_;
  QComboBox* driveComboBox1_;
  QPushButton* btFechar_;
  QListWidget* directoryListBox1_;
  QListWidget* fileListBox1_;
  QString directory_;
  QString fileMask_ = "*.PAS";
};

}  // namespace kau::ide

#include "ide/form_explorer.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace kau::ide {

namespace {
const QColor kListBackground(0x00, 0x00, 0xA0);
constexpr int kPathRole = Qt::UserRole;

void PaintAsList(QWidget* widget) {
  QPalette palette = widget->palette();
  for (auto role : {QPalette::Base, QPalette::Window, QPalette::Button}) palette.setColor(role, kListBackground);
  for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) palette.setColor(role, Qt::white);
  widget->setPalette(palette);
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(12);
  widget->setFont(font);
}

QWidget* FixedPanel(QWidget* parent, const char* name, int height) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(name);
  panel->setFixedHeight(height);
  return panel;
}

QString Indent(qsizetype level) { return QString(2 * level, ' '); }
}  // namespace

TFormExplorer::TFormExplorer(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
  setObjectName("FormExplorer");
  setWindowTitle(" Pascal KAU! Explorer");
  resize(303, 380);

  auto* top = FixedPanel(this, "Panel1", 57);
  lbUnidadeDisco_ = new QLabel("Unidades de Disco:", top);
  lbUnidadeDisco_->setObjectName("lbUnidadeDisco");
  driveComboBox1_ = new QComboBox(top);
  driveComboBox1_->setObjectName("DriveComboBox1");
  driveComboBox1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  driveComboBox1_->setMinimumContentsLength(8);
  PaintAsList(driveComboBox1_);
  btFechar_ = new QPushButton("Fechar", top);
  btFechar_->setObjectName("btFechar");
  auto* topLayout = new QGridLayout(top);
  topLayout->setContentsMargins(6, 4, 6, 4);
  topLayout->addWidget(lbUnidadeDisco_, 0, 0);
  topLayout->addWidget(driveComboBox1_, 1, 0);
  topLayout->addWidget(btFechar_, 1, 1);
  topLayout->setColumnStretch(0, 1);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->setObjectName("Splitter1");
  splitter->setHandleWidth(8);
  splitter->setChildrenCollapsible(false);
  directoryListBox1_ = new QListWidget(splitter);
  directoryListBox1_->setObjectName("DirectoryListBox1");
  PaintAsList(directoryListBox1_);
  fileListBox1_ = new QListWidget(splitter);
  fileListBox1_->setObjectName("FileListBox1");
  PaintAsList(fileListBox1_);
  splitter->addWidget(directoryListBox1_);
  splitter->addWidget(fileListBox1_);
  splitter->setSizes({120, 380 - 57 - 120 - 8});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(top);
  layout->addWidget(splitter, 1);

  connect(btFechar_, &QPushButton::clicked, this, &TFormExplorer::btFecharClick);
  connect(fileListBox1_, &QListWidget::itemDoubleClicked, this, &TFormExplorer::FileListBox1DblClick);
  connect(directoryListBox1_, &QListWidget::itemDoubleClicked, this, &TFormExplorer::DirectoryListBox1DblClick);
  connect(driveComboBox1_, &QComboBox::activated, this, &TFormExplorer::DriveComboBox1Change);

  fillDrives();
  setDirectory(QDir::currentPath());
}

void TFormExplorer::setDirectory(const QString& path) {
  directory_ = QDir(path).absolutePath();
  selectDriveOf(directory_);
  refresh();
}

void TFormExplorer::refresh() {
  fillFolders();
  fillFiles();
}

void TFormExplorer::fileWritten(const QString& path) {
  if (QFileInfo(path).absoluteDir() == QDir(directory_)) refresh();
}

void TFormExplorer::setStayOnTop(bool onTop) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (shown) show();
}

// The mounted file systems, then the home folder.
void TFormExplorer::fillDrives() {
  driveComboBox1_->clear();
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    driveComboBox1_->addItem(volume.rootPath(), volume.rootPath());
  }
  driveComboBox1_->addItem("~ (" + QDir::homePath() + ")", QDir::homePath());
}

// The entry whose folder holds `path` most closely.
void TFormExplorer::selectDriveOf(const QString& path) {
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < driveComboBox1_->count(); ++i) {
    const QString root = driveComboBox1_->itemData(i, kPathRole).toString();
    const bool holds = root == "/" || path == root || path.startsWith(root + '/');
    if (holds && root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  driveComboBox1_->setCurrentIndex(best);
}

// The folders from the root down to the current one, then its sub-folders.
void TFormExplorer::fillFolders() {
  directoryListBox1_->clear();
  QStringList parts = directory_.split('/', Qt::SkipEmptyParts);
  QString path = "/";
  auto add = [this](const QString& text, const QString& full) {
    auto* item = new QListWidgetItem(text, directoryListBox1_);
    item->setData(kPathRole, full);
    return item;
  };
  QListWidgetItem* current = add("/", "/");
  for (int level = 0; level < parts.size(); ++level) {
    path = path == "/" ? "/" + parts[level] : path + '/' + parts[level];
    current = add(Indent(level + 1) + parts[level], path);
  }
  const QDir dir(directory_);
  for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
    add(Indent(parts.size() + 1) + sub, dir.absoluteFilePath(sub));
  directoryListBox1_->setCurrentItem(current);
}

// QDir matches name filters in any letter case: "*.PAS" finds a.pas too.
void TFormExplorer::fillFiles() {
  fileListBox1_->clear();
  const QDir dir(directory_);
  for (const QString& name : dir.entryList({fileMask_}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
    auto* item = new QListWidgetItem(name, fileListBox1_);
    item->setData(kPathRole, dir.absoluteFilePath(name));
  }
}

void TFormExplorer::FileListBox1DblClick() {
  if (QListWidgetItem* item = fileListBox1_->currentItem()) emit openFileRequested(item->data(kPathRole).toString());
}

void TFormExplorer::btFecharClick() { close(); }

void TFormExplorer::DriveComboBox1Change(int index) {
  if (index >= 0) setDirectory(driveComboBox1_->itemData(index, kPathRole).toString());
}

void TFormExplorer::DirectoryListBox1DblClick(QListWidgetItem* item) {
  if (item) setDirectory(item->data(kPathRole).toString());
}

void TFormExplorer::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) refresh();
}

void TFormExplorer::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit closed();
}

}  // namespace kau::ide

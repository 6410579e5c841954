#include "ide/error_panel.h"

#include <QListWidget>
#include <string>

#include "text/code_pages.h"

namespace kau::ide {

namespace {
QString FromCp1252(std::string_view cp1252) { return QString::fromStdString(text::cp1252ToUtf8(cp1252)); }
}  // namespace

QStringList SplitErrorText(std::string_view cp1252) {
  const std::size_t mark = cp1252.find('#');
  if (mark == std::string_view::npos) return {FromCp1252(cp1252), QString()};
  return {FromCp1252(cp1252.substr(0, mark)), FromCp1252(cp1252.substr(mark + 1))};
}

void ErrorPanel::clear() {
  panel_->hide();
  list_->clear();
}

void ErrorPanel::hide() { panel_->hide(); }

void ErrorPanel::show(const QStringList& lines) {
  list_->clear();
  list_->addItems(lines);
  list_->setCurrentRow(-1);
  list_->clearSelection();
  panel_->show();
  panel_->repaint();
}

}  // namespace kau::ide

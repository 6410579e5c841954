// The error panel at the foot of the main window (`panelErros` and its list
// `ListErros`), as the run and make-executable commands fill it.
#pragma once

#include <QStringList>
#include <string_view>

class QListWidget;
class QWidget;

namespace kau::ide {

// An error text (code page 1252) as the panel's two lines: everything before
// the first "#" and everything after it; without "#", the whole text and an
// empty line.
QStringList SplitErrorText(std::string_view cp1252);

class ErrorPanel {
 public:
  // Both widgets belong to the main window and must outlive this object.
  ErrorPanel(QWidget* panel, QListWidget* list) : panel_(panel), list_(list) {}

  // Hides the panel and empties its list.
  void clear();
  void hide();
  // Replaces the list's lines, selects none, shows the panel and paints it
  // at once (the commands may block the event loop right after).
  void show(const QStringList& lines);
  void showErrorText(std::string_view cp1252) { show(SplitErrorText(cp1252)); }

 private:
  QWidget* panel_;
  QListWidget* list_;
};

}  // namespace kau::ide

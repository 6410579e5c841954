// The modeless find and replace dialogs. They only collect the texts and
// report the buttons; the main window runs the search on the active editor.
#pragma once

#include <QDialog>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace kau::ide {

// A dialog text in the editor's code page 1252, or nothing when it holds a
// character that 1252 lacks (such a text occurs nowhere in the editor).
std::optional<std::string> EditorText(const QString& text);

// What both dialogs share: the search text, the "Localizar próxima" and
// "Cancelar" buttons, and the reports of being shown and closed.
class SearchDialog : public QDialog {
  Q_OBJECT
 public:
  QString findText() const;
  void setFindText(const QString& text);

 signals:
  void findNext();
  void dialogShown();
  void dialogClosed();

 protected:
  SearchDialog(const char* objectName, const QString& title, QWidget* parent);
  // Rows go into the grid under the search text; buttons into the column
  // above "Cancelar".
  QGridLayout* fields() const { return fields_; }
  QPushButton* addButton(const char* objectName, const QString& caption);
  // Tab goes from the search text through `fields` to the buttons, top to
  // bottom; called once the derived dialog has made its widgets.
  void orderTabs(std::initializer_list<QWidget*> fields);
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QLineEdit* findText_ = nullptr;
  QGridLayout* fields_ = nullptr;
  QVBoxLayout* buttons_ = nullptr;
};

// FindDialog1: search text and match case.
class TFindDialog : public SearchDialog {
  Q_OBJECT
 public:
  explicit TFindDialog(QWidget* parent = nullptr);
  bool matchCase() const;
  void setMatchCase(bool on);

 private:
  QCheckBox* matchCase_ = nullptr;
};

// ReplaceDialog1: search text and replacement.
class TReplaceDialog : public SearchDialog {
  Q_OBJECT
 public:
  explicit TReplaceDialog(QWidget* parent = nullptr);
  QString replaceText() const;
  void setReplaceText(const QString& text);

 signals:
  // Substituir (`all` false) and Substituir todas (`all` true).
  void replace(bool all);

 private:
  QLineEdit* replaceText_ = nullptr;
};

}  // namespace kau::ide

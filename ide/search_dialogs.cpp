#include "ide/search_dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QHideEvent>
#include <QVBoxLayout>

#include "text/code_pages.h"

namespace kau::ide {

std::optional<std::string> EditorText(const QString& text) {
  std::string result;
  if (!text::utf8ToCp1252(text.toStdString(), result)) return std::nullopt;
  return result;
}

SearchDialog::SearchDialog(const char* objectName, const QString& title, QWidget* parent) : QDialog(parent) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(title);
  setModal(false);

  findText_ = new QLineEdit(this);
  findText_->setObjectName(QStringLiteral("FindText"));
  auto* label = new QLabel(QStringLiteral("Localizar:"), this);
  label->setBuddy(findText_);
  fields_ = new QGridLayout;
  fields_->addWidget(label, 0, 0);
  fields_->addWidget(findText_, 0, 1);

  buttons_ = new QVBoxLayout;
  auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons_->addStretch();
  buttons_->addWidget(cancel);
  QPushButton* next = addButton("FindNextButton", QString::fromUtf8("Localizar próxima"));
  next->setDefault(true);
  connect(next, &QPushButton::clicked, this, &SearchDialog::findNext);

  auto* left = new QVBoxLayout;
  left->addLayout(fields_);
  left->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons_);
}

QString SearchDialog::findText() const { return findText_->text(); }
void SearchDialog::setFindText(const QString& text) { findText_->setText(text); }

QPushButton* SearchDialog::addButton(const char* objectName, const QString& caption) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAutoDefault(false);
  buttons_->insertWidget(buttons_->count() - 2, button);  // above the stretch and Cancelar
  return button;
}

void SearchDialog::orderTabs(std::initializer_list<QWidget*> fields) {
  QWidget* previous = findText_;
  auto chain = [&previous](QWidget* next) {
    setTabOrder(previous, next);
    previous = next;
  };
  for (QWidget* field : fields) chain(field);
  for (int i = 0; i < buttons_->count(); ++i)
    if (QWidget* button = buttons_->itemAt(i)->widget()) chain(button);
}

void SearchDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Not when the window system merely restores it with the main window.
  if (event->spontaneous()) return;
  findText_->setFocus();
  findText_->selectAll();
  emit dialogShown();
}

void SearchDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) emit dialogClosed();
}

TFindDialog::TFindDialog(QWidget* parent) : SearchDialog("FindDialog1", QStringLiteral("Localizar"), parent) {
  matchCase_ = new QCheckBox(QString::fromUtf8("Diferenciar maiúsculas de minúsculas"), this);
  matchCase_->setObjectName(QStringLiteral("MatchCase"));
  fields()->addWidget(matchCase_, 1, 0, 1, 2);
  orderTabs({matchCase_});
}

bool TFindDialog::matchCase() const { return matchCase_->isChecked(); }
void TFindDialog::setMatchCase(bool on) { matchCase_->setChecked(on); }

TReplaceDialog::TReplaceDialog(QWidget* parent)
    : SearchDialog("ReplaceDialog1", QStringLiteral("Substituir"), parent) {
  replaceText_ = new QLineEdit(this);
  replaceText_->setObjectName(QStringLiteral("ReplaceText"));
  auto* label = new QLabel(QStringLiteral("Substituir por:"), this);
  label->setBuddy(replaceText_);
  fields()->addWidget(label, 1, 0);
  fields()->addWidget(replaceText_, 1, 1);
  connect(addButton("ReplaceButton", QStringLiteral("Substituir")), &QPushButton::clicked, this,
          [this] { emit replace(false); });
  connect(addButton("ReplaceAllButton", QStringLiteral("Substituir todas")), &QPushButton::clicked, this,
          [this] { emit replace(true); });
  orderTabs({replaceText_});
}

QString TReplaceDialog::replaceText() const { return replaceText_->text(); }
void TReplaceDialog::setReplaceText(const QString& text) { replaceText_->setText(text); }

}  // namespace kau::ide

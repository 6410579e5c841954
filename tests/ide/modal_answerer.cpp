#include "modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/support/hang_bound.h"

namespace kau::ide::testing {

namespace {
constexpr int kPollMilliseconds = 10;
constexpr int kMaxPolls = kau::testing::kHangMilliseconds / kPollMilliseconds;

QAbstractButton* FindButton(QWidget* window, const QString& name) {
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    QString text = button->text();
    text.remove('&');
    if (text == name || button->objectName() == name) return button;
  }
  return nullptr;
}

void Poll(std::shared_ptr<ModalSeen> seen, QString button, std::function<void()> inspect, int polls) {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) {
    if (polls < kMaxPolls) QTimer::singleShot(kPollMilliseconds, [=] { Poll(seen, button, inspect, polls + 1); });
    return;
  }
  seen->seen = true;
  seen->objectName = modal->objectName();
  seen->title = modal->windowTitle();
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    seen->text = box->text();
    seen->format = box->textFormat();
  }
  for (QLabel* label : modal->findChildren<QLabel*>()) seen->labels[label->objectName()] = label->text();
  if (inspect) inspect();
  if (QAbstractButton* target = FindButton(modal, button)) {
    seen->pressed = true;
    target->click();
  } else {
    modal->close();  // never leave a test hanging in a modal loop
  }
}
}  // namespace

std::shared_ptr<ModalSeen> AnswerNextModal(const QString& button, std::function<void()> inspect) {
  auto seen = std::make_shared<ModalSeen>();
  QTimer::singleShot(0, [=] { Poll(seen, button, inspect, 0); });
  return seen;
}

ModalRefuser::ModalRefuser(Refused refused) {
  QObject::connect(&timer_, &QTimer::timeout, [this, refused] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!modal || (refused == kMessageBoxes && !box)) return;
    shown_ = true;
    seen_ += modal->windowTitle() + (box ? ": " + box->text() : QString()) + "\n";
    modal->close();
  });
  timer_.start(kPollMilliseconds);
}

std::shared_ptr<ModalSeen> AnswerFileDialog(const QString& path, std::function<void()> next) {
  return AnswerNextModal("-", [path, next] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->nameFilters(), QStringList({"Arquivos Pascal (*.pas *.PAS)"}));
    EXPECT_EQ(dialog->defaultSuffix(), "pas");
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));  // the question is ours
    if (next) next();
    if (path.isEmpty()) return dialog->reject();
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

}  // namespace kau::ide::testing

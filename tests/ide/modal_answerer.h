// Answers the next modal window as a person would: reads its title and
// text, then presses the button with the given text (without its "&") or
// object name.
#pragma once

#include <functional>
#include <memory>

#include <QMap>
#include <QString>
#include <QTimer>

namespace kau::ide::testing {

struct ModalSeen {
  bool seen = false;
  bool pressed = false;
  QString objectName;
  QString title;
  QString text;                          // a message box's text
  Qt::TextFormat format = Qt::AutoText;  // and how it takes that text
  QMap<QString, QString> labels;         // each named label's text by its name
};

// Starts watching now; the answer comes once the window is shown (within
// the hang bound). Keep the result until the modal call has returned.
// `inspect` runs while the window is shown, before the answer.
std::shared_ptr<ModalSeen> AnswerNextModal(const QString& button, std::function<void()> inspect = {});

// While it lives, any modal window that shows (or any message box, when the
// command's own dialog is answered otherwise) is noted and closed
// unanswered: for commands that must ask nothing.
class ModalRefuser {
 public:
  enum Refused { kAnyModal, kMessageBoxes };
  explicit ModalRefuser(Refused refused = kAnyModal);
  bool ModalShown() const { return shown_; }
  // The titles, and message boxes' texts, of the windows closed.
  const QString& Seen() const { return seen_; }

 private:
  QTimer timer_;
  bool shown_ = false;
  QString seen_;
};

// Answers the next file dialog of the windows (checking its filter and
// options) with `path`; an empty path cancels it. `next` runs first, to set
// up the answer to what follows the dialog.
std::shared_ptr<ModalSeen> AnswerFileDialog(const QString& path, std::function<void()> next = {});

}  // namespace kau::ide::testing

// The hot-key edit as a Qt widget: a QLineEdit whose text and caret are the
// hot key's, fed with the widget's key events. It keeps Tab and Shift+Tab
// (they are combinations, not a move of the focus) and takes every key before
// the window's shortcuts do.
#pragma once

#include <QLineEdit>

#include "editor/model/hot_key.h"

namespace kau::editor {

class QtHotKeyEdit : public QLineEdit, public TSynHotKey {
 public:
  explicit QtHotKeyEdit(QWidget* parent = nullptr);

  std::string GetText() const override;
  void SetText(const std::string& Value) override;
  int GetSelStart() const override { return cursorPosition(); }
  void SetSelStart(int Value) override { setCursorPosition(Value); }

 protected:
  void EditKeyPress(char Key) override;

  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
};

}  // namespace kau::editor

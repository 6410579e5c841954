// The window of an editor window's control: the Qt host of the control with
// the editor window seeing keys before the control (and before the menus'
// shortcuts for the keys it claims) and hearing mouse events after it.
#pragma once

#include "platform/qt/qt_editor_host.h"

class QMenu;

namespace kau::ide {

class TFormEditor;

class EditorControlHost : public platform::QtEditorHost {
 public:
  EditorControlHost(TFormEditor& form, QWidget* parent);

  // The context menu (the main window's editor pop-up menu).
  void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }
  QMenu* popupMenu() const { return popupMenu_; }

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  TFormEditor& form_;
  QMenu* popupMenu_ = nullptr;
};

}  // namespace kau::ide

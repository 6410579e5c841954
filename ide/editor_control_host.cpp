#include "ide/editor_control_host.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "ide/form_editor.h"
#include "platform/qt/key_map.h"

namespace kau::ide {

EditorControlHost::EditorControlHost(TFormEditor& form, QWidget* parent) : QtEditorHost(parent), form_(form) {
  setObjectName("RichEdit1");
}

// One key press, one command: the keys that the editor window maps to a
// command are taken from the menus' shortcuts while the control has the
// focus.
bool EditorControlHost::event(QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (TFormEditor::ClaimsKey(platform::VirtualKeyOf(*k), platform::ShiftStateOf(k->modifiers()))) {
      e->accept();
      return true;
    }
  }
  return QtEditorHost::event(e);
}

void EditorControlHost::keyPressEvent(QKeyEvent* e) {
  std::uint16_t key = platform::VirtualKeyOf(*e);
  const TShiftState shift = platform::ShiftStateOf(e->modifiers());
  const bool typesNothing = TFormEditor::TypesNothing(key, shift);
  // A key without a virtual key (a character such as "(") goes to the
  // control as it is; a key the window set to 0 is consumed.
  if (key) {
    form_.RichEdit1KeyDown(key, shift);
    if (!key) {
      e->accept();
      return;
    }
  }
  if (typesNothing && !e->text().isEmpty()) {
    // count() gives back as an int the quint16 the event was made with.
    QKeyEvent silent(e->type(), e->key(), e->modifiers(), QString(), e->isAutoRepeat(),
                     static_cast<quint16>(e->count()));
    QtEditorHost::keyPressEvent(&silent);
    e->accept();
    return;
  }
  QtEditorHost::keyPressEvent(e);
}

void EditorControlHost::keyReleaseEvent(QKeyEvent* e) {
  QtEditorHost::keyReleaseEvent(e);
  std::uint16_t key = platform::VirtualKeyOf(*e);
  form_.RichEdit1KeyUp(key, platform::ShiftStateOf(e->modifiers()));
}

void EditorControlHost::mousePressEvent(QMouseEvent* e) {
  QtEditorHost::mousePressEvent(e);
  form_.RichEdit1MouseDown();
}

void EditorControlHost::mouseReleaseEvent(QMouseEvent* e) {
  QtEditorHost::mouseReleaseEvent(e);
  form_.RichEdit1MouseUp();
}

void EditorControlHost::mouseMoveEvent(QMouseEvent* e) {
  QtEditorHost::mouseMoveEvent(e);
  form_.RichEdit1MouseMove();
}

void EditorControlHost::contextMenuEvent(QContextMenuEvent* e) {
  if (!popupMenu_) return;
  popupMenu_->popup(e->globalPos());
  e->accept();
}

}  // namespace kau::ide

// The editor windows' two colour styles.
#include "ide/editor_window_settings.h"
#include "ide/form_editor.h"

namespace kau::ide {

void TFormEditor::ColourHighlighters() {
  ColourHighlighter(*hEstiloClassico_, StyleClassic);
  ColourHighlighter(*hEstiloModerno_, StyleModern);
}

void TFormEditor::ApplyEditorStyle(int style) {
  const int applied = style == StyleClassic ? StyleClassic : StyleModern;
  ApplyStyleToControl(*richEdit1_, applied == StyleClassic ? *hEstiloClassico_ : *hEstiloModerno_, applied);
  EditorStyle = style;
}

}  // namespace kau::ide

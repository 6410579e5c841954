// The clipboard operations. Copying, cutting and pasting come with the
// clipboard entries; until then they do nothing and nothing can be pasted.
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::CopyToClipboard() {}
void TCustomSynEdit::CutToClipboard() {}
void TCustomSynEdit::PasteFromClipboard() {}
bool TCustomSynEdit::CanPaste() const { return false; }

}  // namespace kau::editor

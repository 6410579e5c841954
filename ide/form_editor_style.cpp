// The editor windows' two colour styles.
#include "editor/highlight/pascal_highlighter.h"
#include "ide/form_editor.h"

namespace kau::ide {

namespace {

// Colours as 0xBBGGRR values; attributes not named keep the highlighter's
// defaults, and no keyword is bold.
struct EditorStyleColours {
  TColor background, comment, identifier, keyword, number, string, symbol, structureLines, bracketPairs;
};

constexpr EditorStyleColours kClassic{0xA00000, clSilver, clYellow, clWhite, 0xFF80FF,
                                      0x0080FF, clLime,   0x808000, 0x00FF00};
constexpr EditorStyleColours kModern{0xFFFFFF, clTeal,  clBlack,  clBlue, clRed,
                                     clFuchsia, clGreen, 0x808000, 0xFFFF00};

void Colour(editor::TSynPasSyn& highlighter, const EditorStyleColours& colours) {
  highlighter.CommentAttri()->SetForeground(colours.comment);
  highlighter.IdentifierAttri()->SetForeground(colours.identifier);
  highlighter.KeyAttri()->SetForeground(colours.keyword);
  highlighter.KeyAttri()->SetStyle(0);
  highlighter.NumberAttri()->SetForeground(colours.number);
  highlighter.StringAttri()->SetForeground(colours.string);
  highlighter.CharAttri()->SetForeground(colours.string);
  highlighter.SymbolAttri()->SetForeground(colours.symbol);
}

}  // namespace

void TFormEditor::ColourHighlighters() {
  Colour(*hEstiloClassico_, kClassic);
  Colour(*hEstiloModerno_, kModern);
}

void TFormEditor::ApplyEditorStyle(int style) {
  const bool classic = style == StyleClassic;
  const EditorStyleColours& colours = classic ? kClassic : kModern;
  editor::TSynPasSyn& highlighter = classic ? *hEstiloClassico_ : *hEstiloModerno_;
  richEdit1_->SetColor(colours.background);
  richEdit1_->SetHighlighter(&highlighter);
  richEdit1_->SetStructureLineColor(colours.structureLines);  // rebuilds and repaints
  richEdit1_->ShowBracketPairColor = colours.bracketPairs;      // stored without a repaint
  EditorStyle = style;
}

}  // namespace kau::ide

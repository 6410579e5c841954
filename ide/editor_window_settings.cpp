#include "ide/editor_window_settings.h"

#include "editor/model/key_cmds.h"
#include "platform/virtual_keys.h"

namespace kau::ide {

namespace {

// Colours as 0xBBGGRR values; attributes not named keep the highlighter's
// defaults.
struct EditorStyleColours {
  TColor background, comment, identifier, keyword, number, string, symbol, structureLines, bracketPairs;
};

constexpr EditorStyleColours kClassic{0xA00000, clSilver, clYellow, clWhite, 0xFF80FF,
                                      0x0080FF, clLime,   0x808000, 0x00FF00};
constexpr EditorStyleColours kModern{0xFFFFFF, clTeal,  clBlack,  clBlue, clRed,
                                     clFuchsia, clGreen, 0x808000, 0xFFFF00};

const EditorStyleColours& ColoursOf(int style) { return style == kStyleClassic ? kClassic : kModern; }

}  // namespace

void ApplyEditorWindowSettings(editor::TSynEditKAU& edit) {
  editor::TFont font;
  font.SetName("Courier New");
  font.SetHeight(-13);
  edit.SetFont(font);
  editor::TSynGutter& gutter = edit.Gutter();
  gutter.SetAutoSize(true);
  gutter.SetDigitCount(2);
  editor::TFont gutterFont;
  gutterFont.SetName("Terminal");
  gutterFont.SetHeight(-11);
  gutter.SetFont(gutterFont);
  gutter.SetLeftOffset(0);
  gutter.SetRightOffset(5);
  gutter.SetShowLineNumbers(true);
  edit.SetText(" ");
  edit.SetOptions(editor::eoAutoIndent | editor::eoDragDropEditing | editor::eoGroupUndo | editor::eoScrollPastEol |
                  editor::eoShowScrollHint | editor::eoSmartTabDelete | editor::eoSmartTabs |
                  editor::eoTrimTrailingSpaces);
  edit.SetRightEdge(0);
  edit.SetRightEdgeColor(clAqua);
  edit.SelectedColor().SetBackground(0xFFDDDD);
  edit.SelectedColor().SetForeground(clNavy);
  edit.SetWantTabs(true);
  edit.StrutureTokens().SetText("BEGIN=END\nREPEAT=UNTIL\nCASE=END\nRECORD=END");
  edit.SetStructureLineColor(clYellow);
  edit.ShowBracketPairColor = clAqua;
  edit.SetShowBracketPair(true);
  edit.SetShowStrutureLine(true);
  // Context help moves from F1 to Ctrl+F1: F1 is the help on the word.
  editor::TSynEditKeyStrokes& keys = edit.Keystrokes();
  for (int i = keys.FindKeycode(VK_F1, {}); i >= 0; i = keys.FindKeycode(VK_F1, {})) keys.Delete(i);
  keys.AddKey(editor::ecContextHelp, VK_F1, ssCtrl);
}

void ColourHighlighter(editor::TSynPasSyn& highlighter, int style) {
  const EditorStyleColours& colours = ColoursOf(style);
  highlighter.CommentAttri()->SetForeground(colours.comment);
  highlighter.IdentifierAttri()->SetForeground(colours.identifier);
  highlighter.KeyAttri()->SetForeground(colours.keyword);
  highlighter.KeyAttri()->SetStyle(0);
  highlighter.NumberAttri()->SetForeground(colours.number);
  highlighter.StringAttri()->SetForeground(colours.string);
  highlighter.CharAttri()->SetForeground(colours.string);
  highlighter.SymbolAttri()->SetForeground(colours.symbol);
}

void ApplyStyleToControl(editor::TSynEditKAU& edit, editor::TSynPasSyn& highlighter, int style) {
  const EditorStyleColours& colours = ColoursOf(style);
  edit.SetColor(colours.background);
  edit.SetHighlighter(&highlighter);
  edit.SetStructureLineColor(colours.structureLines);
  edit.ShowBracketPairColor = colours.bracketPairs;
}

}  // namespace kau::ide

#include "tools/editor_demo/editor_settings.h"

#include "platform/virtual_keys.h"

namespace kau::editor {

void ApplyEditorWindowSettings(TSynEditKAU& Edit) {
    TFont font;
    font.SetName("Courier New");
    font.SetHeight(-13);
    Edit.SetFont(font);

    TSynGutter& gutter = Edit.Gutter();
    gutter.SetAutoSize(true);
    gutter.SetDigitCount(2);
    TFont gutterFont;
    gutterFont.SetName("Terminal");
    gutterFont.SetHeight(-11);
    gutter.SetFont(gutterFont);
    gutter.SetLeftOffset(0);
    gutter.SetRightOffset(5);
    gutter.SetShowLineNumbers(true);

    Edit.Lines().Clear();
    Edit.Lines().Add(" ");
    Edit.SetOptions(eoAutoIndent | eoDragDropEditing | eoGroupUndo | eoScrollPastEol | eoShowScrollHint |
                    eoSmartTabDelete | eoSmartTabs | eoTrimTrailingSpaces);
    Edit.SetRightEdge(0);
    Edit.SetRightEdgeColor(clAqua);
    Edit.SelectedColor().SetBackground(0xFFDDDD);
    Edit.SelectedColor().SetForeground(clNavy);
    Edit.SetWantTabs(true);

    TSynEditStringList pairs;
    for (const char* pair : {"BEGIN=END", "REPEAT=UNTIL", "CASE=END", "RECORD=END"}) pairs.Add(pair);
    Edit.SetTokenStruture(pairs);
    Edit.SetStructureLineColor(clYellow);
    Edit.SetShowBracketPair(true);
    Edit.SetShowStrutureLine(true);
    Edit.ShowBracketPairColor = clAqua;

    // Context help on Ctrl+F1 instead of F1.
    TSynEditKeyStrokes& keys = Edit.Keystrokes();
    for (int i = keys.Count() - 1; i >= 0; --i)
        if (keys.Items(i).Command() == ecContextHelp && keys.Items(i).Key() == VK_F1 &&
            keys.Items(i).Shift().Empty())
            keys.Delete(i);
    keys.AddKey(ecContextHelp, VK_F1, ssCtrl);
}

void ApplyClassicStyle(TSynEditKAU& Edit, TSynPasSyn& Highlighter) {
    Highlighter.CommentAttri()->SetForeground(clSilver);
    Highlighter.IdentifierAttri()->SetForeground(clYellow);
    Highlighter.KeyAttri()->SetForeground(clWhite);
    Highlighter.KeyAttri()->SetStyle(0);
    Highlighter.NumberAttri()->SetForeground(0xFF80FF);
    Highlighter.StringAttri()->SetForeground(0x0080FF);
    Highlighter.CharAttri()->SetForeground(0x0080FF);
    Highlighter.SymbolAttri()->SetForeground(clLime);
    Edit.SetColor(0xA00000);
    Edit.SetHighlighter(&Highlighter);
    Edit.SetStructureLineColor(0x808000);
    Edit.ShowBracketPairColor = 0x00FF00;
}

}  // namespace kau::editor

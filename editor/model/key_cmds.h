// Editor commands: the numbers of every action of the editor control, their
// code names ("ecUndo") and readable names ("Undo"), and the conversions
// between them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kau::editor {

using TSynEditorCommand = std::uint16_t;

inline constexpr TSynEditorCommand ecNone = 0;
inline constexpr TSynEditorCommand ecLeft = 1;
inline constexpr TSynEditorCommand ecRight = 2;
inline constexpr TSynEditorCommand ecUp = 3;
inline constexpr TSynEditorCommand ecDown = 4;
inline constexpr TSynEditorCommand ecWordLeft = 5;
inline constexpr TSynEditorCommand ecWordRight = 6;
inline constexpr TSynEditorCommand ecLineStart = 7;
inline constexpr TSynEditorCommand ecLineEnd = 8;
inline constexpr TSynEditorCommand ecPageUp = 9;
inline constexpr TSynEditorCommand ecPageDown = 10;
inline constexpr TSynEditorCommand ecPageLeft = 11;
inline constexpr TSynEditorCommand ecPageRight = 12;
inline constexpr TSynEditorCommand ecPageTop = 13;
inline constexpr TSynEditorCommand ecPageBottom = 14;
inline constexpr TSynEditorCommand ecEditorTop = 15;
inline constexpr TSynEditorCommand ecEditorBottom = 16;
inline constexpr TSynEditorCommand ecGotoXY = 17;
// The same moves extending the selection.
inline constexpr TSynEditorCommand ecSelection = 100;
inline constexpr TSynEditorCommand ecSelLeft = ecLeft + ecSelection;
inline constexpr TSynEditorCommand ecSelRight = ecRight + ecSelection;
inline constexpr TSynEditorCommand ecSelUp = ecUp + ecSelection;
inline constexpr TSynEditorCommand ecSelDown = ecDown + ecSelection;
inline constexpr TSynEditorCommand ecSelWordLeft = ecWordLeft + ecSelection;
inline constexpr TSynEditorCommand ecSelWordRight = ecWordRight + ecSelection;
inline constexpr TSynEditorCommand ecSelLineStart = ecLineStart + ecSelection;
inline constexpr TSynEditorCommand ecSelLineEnd = ecLineEnd + ecSelection;
inline constexpr TSynEditorCommand ecSelPageUp = ecPageUp + ecSelection;
inline constexpr TSynEditorCommand ecSelPageDown = ecPageDown + ecSelection;
inline constexpr TSynEditorCommand ecSelPageLeft = ecPageLeft + ecSelection;
inline constexpr TSynEditorCommand ecSelPageRight = ecPageRight + ecSelection;
inline constexpr TSynEditorCommand ecSelPageTop = ecPageTop + ecSelection;
inline constexpr TSynEditorCommand ecSelPageBottom = ecPageBottom + ecSelection;
inline constexpr TSynEditorCommand ecSelEditorTop = ecEditorTop + ecSelection;
inline constexpr TSynEditorCommand ecSelEditorBottom = ecEditorBottom + ecSelection;
inline constexpr TSynEditorCommand ecSelGotoXY = ecGotoXY + ecSelection;
inline constexpr TSynEditorCommand ecSelectAll = 199;
inline constexpr TSynEditorCommand ecCopy = 201;
inline constexpr TSynEditorCommand ecScrollUp = 211;
inline constexpr TSynEditorCommand ecScrollDown = 212;
inline constexpr TSynEditorCommand ecScrollLeft = 213;
inline constexpr TSynEditorCommand ecScrollRight = 214;
inline constexpr TSynEditorCommand ecInsertMode = 221;
inline constexpr TSynEditorCommand ecOverwriteMode = 222;
inline constexpr TSynEditorCommand ecToggleMode = 223;
inline constexpr TSynEditorCommand ecNormalSelect = 231;
inline constexpr TSynEditorCommand ecColumnSelect = 232;
inline constexpr TSynEditorCommand ecLineSelect = 233;
inline constexpr TSynEditorCommand ecMatchBracket = 250;
inline constexpr TSynEditorCommand ecGotoMarker0 = 301;  // to ecGotoMarker9 = 310
inline constexpr TSynEditorCommand ecSetMarker0 = 351;   // to ecSetMarker9 = 360
inline constexpr TSynEditorCommand ecContextHelp = 490;
inline constexpr TSynEditorCommand ecDeleteLastChar = 501;
inline constexpr TSynEditorCommand ecDeleteChar = 502;
inline constexpr TSynEditorCommand ecDeleteWord = 503;
inline constexpr TSynEditorCommand ecDeleteLastWord = 504;
inline constexpr TSynEditorCommand ecDeleteBOL = 505;
inline constexpr TSynEditorCommand ecDeleteEOL = 506;
inline constexpr TSynEditorCommand ecDeleteLine = 507;
inline constexpr TSynEditorCommand ecClearAll = 508;
inline constexpr TSynEditorCommand ecLineBreak = 509;
inline constexpr TSynEditorCommand ecInsertLine = 510;
inline constexpr TSynEditorCommand ecChar = 511;
inline constexpr TSynEditorCommand ecImeStr = 550;
inline constexpr TSynEditorCommand ecUndo = 601;
inline constexpr TSynEditorCommand ecRedo = 602;
inline constexpr TSynEditorCommand ecCut = 603;
inline constexpr TSynEditorCommand ecPaste = 604;
inline constexpr TSynEditorCommand ecBlockIndent = 610;
inline constexpr TSynEditorCommand ecBlockUnindent = 611;
inline constexpr TSynEditorCommand ecTab = 612;
inline constexpr TSynEditorCommand ecShiftTab = 613;
inline constexpr TSynEditorCommand ecUpperCase = 620;
inline constexpr TSynEditorCommand ecLowerCase = 621;
inline constexpr TSynEditorCommand ecToggleCase = 622;
inline constexpr TSynEditorCommand ecTitleCase = 623;
inline constexpr TSynEditorCommand ecUpperCaseBlock = 625;
inline constexpr TSynEditorCommand ecLowerCaseBlock = 626;
inline constexpr TSynEditorCommand ecToggleCaseBlock = 627;
inline constexpr TSynEditorCommand ecString = 630;
inline constexpr TSynEditorCommand ecAutoCompletion = 650;
inline constexpr TSynEditorCommand ecUserFirst = 1001;

constexpr TSynEditorCommand ecGotoMarker(int n) { return static_cast<TSynEditorCommand>(ecGotoMarker0 + n); }
constexpr TSynEditorCommand ecSetMarker(int n) { return static_cast<TSynEditorCommand>(ecSetMarker0 + n); }

struct TIdentMapEntry {
  int Value;
  const char* Name;
};

// The 99 commands with a code name, in table order.
inline constexpr int kEditorCommandCount = 99;
const TIdentMapEntry* EditorCommandNames();

// Name to number and back, the letter case of a name not counting.
bool IdentToEditorCommand(std::string_view Ident, int& Cmd);
bool EditorCommandToIdent(int Cmd, std::string& Ident);

std::string EditorCommandToCodeString(TSynEditorCommand Cmd);
std::string EditorCommandToDescrString(TSynEditorCommand Cmd);
std::string ConvertCodeStringToExtended(std::string_view AString);
std::string ConvertExtendedToCodeString(std::string_view AString);
TSynEditorCommand ConvertCodeStringToCommand(std::string_view AString);
TSynEditorCommand ConvertExtendedToCommand(std::string_view AString);
// ecNone for an index outside the table.
TSynEditorCommand IndexToEditorCommand(int AIndex);

using TGetStrProc = std::function<void(const std::string& S)>;
void GetEditorCommandValues(const TGetStrProc& Proc);
void GetEditorCommandExtended(const TGetStrProc& Proc);

}  // namespace kau::editor

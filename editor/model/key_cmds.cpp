#include "editor/model/key_cmds.h"

#include "text/char_class.h"

namespace kau::editor {

namespace {

constexpr TIdentMapEntry kEditorCommandStrs[kEditorCommandCount] = {
    {ecNone, "ecNone"},
    {ecLeft, "ecLeft"},
    {ecRight, "ecRight"},
    {ecUp, "ecUp"},
    {ecDown, "ecDown"},
    {ecWordLeft, "ecWordLeft"},
    {ecWordRight, "ecWordRight"},
    {ecLineStart, "ecLineStart"},
    {ecLineEnd, "ecLineEnd"},
    {ecPageUp, "ecPageUp"},
    {ecPageDown, "ecPageDown"},
    {ecPageLeft, "ecPageLeft"},
    {ecPageRight, "ecPageRight"},
    {ecPageTop, "ecPageTop"},
    {ecPageBottom, "ecPageBottom"},
    {ecEditorTop, "ecEditorTop"},
    {ecEditorBottom, "ecEditorBottom"},
    {ecGotoXY, "ecGotoXY"},
    {ecSelLeft, "ecSelLeft"},
    {ecSelRight, "ecSelRight"},
    {ecSelUp, "ecSelUp"},
    {ecSelDown, "ecSelDown"},
    {ecSelWordLeft, "ecSelWordLeft"},
    {ecSelWordRight, "ecSelWordRight"},
    {ecSelLineStart, "ecSelLineStart"},
    {ecSelLineEnd, "ecSelLineEnd"},
    {ecSelPageUp, "ecSelPageUp"},
    {ecSelPageDown, "ecSelPageDown"},
    {ecSelPageLeft, "ecSelPageLeft"},
    {ecSelPageRight, "ecSelPageRight"},
    {ecSelPageTop, "ecSelPageTop"},
    {ecSelPageBottom, "ecSelPageBottom"},
    {ecSelEditorTop, "ecSelEditorTop"},
    {ecSelEditorBottom, "ecSelEditorBottom"},
    {ecSelGotoXY, "ecSelGotoXY"},
    {ecSelectAll, "ecSelectAll"},
    {ecDeleteLastChar, "ecDeleteLastChar"},
    {ecDeleteChar, "ecDeleteChar"},
    {ecDeleteWord, "ecDeleteWord"},
    {ecDeleteLastWord, "ecDeleteLastWord"},
    {ecDeleteBOL, "ecDeleteBOL"},
    {ecDeleteEOL, "ecDeleteEOL"},
    {ecDeleteLine, "ecDeleteLine"},
    {ecClearAll, "ecClearAll"},
    {ecLineBreak, "ecLineBreak"},
    {ecInsertLine, "ecInsertLine"},
    {ecChar, "ecChar"},
    {ecImeStr, "ecImeStr"},
    {ecUndo, "ecUndo"},
    {ecRedo, "ecRedo"},
    {ecCut, "ecCut"},
    {ecCopy, "ecCopy"},
    {ecPaste, "ecPaste"},
    {ecScrollUp, "ecScrollUp"},
    {ecScrollDown, "ecScrollDown"},
    {ecScrollLeft, "ecScrollLeft"},
    {ecScrollRight, "ecScrollRight"},
    {ecInsertMode, "ecInsertMode"},
    {ecOverwriteMode, "ecOverwriteMode"},
    {ecToggleMode, "ecToggleMode"},
    {ecBlockIndent, "ecBlockIndent"},
    {ecBlockUnindent, "ecBlockUnindent"},
    {ecTab, "ecTab"},
    {ecShiftTab, "ecShiftTab"},
    {ecMatchBracket, "ecMatchBracket"},
    {ecNormalSelect, "ecNormalSelect"},
    {ecColumnSelect, "ecColumnSelect"},
    {ecLineSelect, "ecLineSelect"},
    {ecAutoCompletion, "ecAutoCompletion"},
    {ecUserFirst, "ecUserFirst"},
    {ecContextHelp, "ecContextHelp"},
    {ecGotoMarker(0), "ecGotoMarker0"},
    {ecGotoMarker(1), "ecGotoMarker1"},
    {ecGotoMarker(2), "ecGotoMarker2"},
    {ecGotoMarker(3), "ecGotoMarker3"},
    {ecGotoMarker(4), "ecGotoMarker4"},
    {ecGotoMarker(5), "ecGotoMarker5"},
    {ecGotoMarker(6), "ecGotoMarker6"},
    {ecGotoMarker(7), "ecGotoMarker7"},
    {ecGotoMarker(8), "ecGotoMarker8"},
    {ecGotoMarker(9), "ecGotoMarker9"},
    {ecSetMarker(0), "ecSetMarker0"},
    {ecSetMarker(1), "ecSetMarker1"},
    {ecSetMarker(2), "ecSetMarker2"},
    {ecSetMarker(3), "ecSetMarker3"},
    {ecSetMarker(4), "ecSetMarker4"},
    {ecSetMarker(5), "ecSetMarker5"},
    {ecSetMarker(6), "ecSetMarker6"},
    {ecSetMarker(7), "ecSetMarker7"},
    {ecSetMarker(8), "ecSetMarker8"},
    {ecSetMarker(9), "ecSetMarker9"},
    {ecUpperCase, "ecUpperCase"},
    {ecLowerCase, "ecLowerCase"},
    {ecToggleCase, "ecToggleCase"},
    {ecTitleCase, "ecTitleCase"},
    {ecUpperCaseBlock, "ecUpperCaseBlock"},
    {ecLowerCaseBlock, "ecLowerCaseBlock"},
    {ecToggleCaseBlock, "ecToggleCaseBlock"},
    {ecString, "ecString"},
};

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (text::toUpperAscii(static_cast<unsigned char>(a[i])) != text::toUpperAscii(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool IsUpperOrDigit(char c) { return (c >= 'A' && c <= 'Z') || text::isDigit(static_cast<unsigned char>(c)); }

std::string ReplaceAll(std::string s, std::string_view from, std::string_view to) {
  for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
  return s;
}

bool StartsWithEc(std::string_view s) { return s.size() >= 2 && s[0] == 'e' && s[1] == 'c'; }

}  // namespace

const TIdentMapEntry* EditorCommandNames() { return kEditorCommandStrs; }

bool IdentToEditorCommand(std::string_view Ident, int& Cmd) {
  for (const auto& entry : kEditorCommandStrs)
    if (SameText(entry.Name, Ident)) {
      Cmd = entry.Value;
      return true;
    }
  return false;
}

bool EditorCommandToIdent(int Cmd, std::string& Ident) {
  for (const auto& entry : kEditorCommandStrs)
    if (entry.Value == Cmd) {
      Ident = entry.Name;
      return true;
    }
  return false;
}

std::string EditorCommandToCodeString(TSynEditorCommand Cmd) {
  std::string name;
  if (!EditorCommandToIdent(Cmd, name)) name = std::to_string(Cmd);
  return name;
}

std::string EditorCommandToDescrString(TSynEditorCommand) { return {}; }

std::string ConvertCodeStringToExtended(std::string_view AString) {
  if (!StartsWithEc(AString)) return std::string(AString);
  const std::string_view name = AString.substr(2);
  std::string result;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (i > 0 && IsUpperOrDigit(name[i]) && !IsUpperOrDigit(name[i - 1])) result += ' ';
    result += name[i];
  }
  const auto first = result.find_first_not_of(' ');
  result = first == std::string::npos ? std::string() : result.substr(first, result.find_last_not_of(' ') - first + 1);
  return ReplaceAll(ReplaceAll(result, "Sel ", "Select "), "Marker ", "Bookmark ");
}

std::string ConvertExtendedToCodeString(std::string_view AString) {
  if (StartsWithEc(AString)) return std::string(AString);
  std::string result = ReplaceAll(ReplaceAll(std::string(AString), "Select ", "Sel "), "Bookmark ", "Marker ");
  std::erase(result, ' ');
  return "ec" + result;
}

TSynEditorCommand ConvertCodeStringToCommand(std::string_view AString) {
  for (const auto& entry : kEditorCommandStrs)
    if (SameText(entry.Name, AString)) return static_cast<TSynEditorCommand>(entry.Value);
  return ecNone;
}

TSynEditorCommand ConvertExtendedToCommand(std::string_view AString) {
  return ConvertCodeStringToCommand(ConvertExtendedToCodeString(AString));
}

TSynEditorCommand IndexToEditorCommand(int AIndex) {
  if (AIndex < 0 || AIndex >= kEditorCommandCount) return ecNone;
  return static_cast<TSynEditorCommand>(kEditorCommandStrs[AIndex].Value);
}

void GetEditorCommandValues(const TGetStrProc& Proc) {
  for (const auto& entry : kEditorCommandStrs) Proc(entry.Name);
}

void GetEditorCommandExtended(const TGetStrProc& Proc) {
  for (const auto& entry : kEditorCommandStrs) Proc(ConvertCodeStringToExtended(entry.Name));
}

}  // namespace kau::editor

#include "editor/model/key_strokes.h"

#include <istream>
#include <ostream>
#include <stdexcept>

#include "platform/virtual_keys.h"

namespace kau::editor {

void TSynEditKeyStroke::Assign(const TSynEditKeyStroke& Source) {
  fKey = Source.fKey;
  fShift = Source.fShift;
  fKey2 = Source.fKey2;
  fShift2 = Source.fShift2;
  fCommand = Source.fCommand;
}

void TSynEditKeyStroke::SetShortCut(TShortCut Value) {
  if (Value != 0) {
    const int found = fCollection.FindShortcut2(Value, GetShortCut2());
    if (found >= 0 && &fCollection.Items(found) != this) throw ESynKeyError("Shortcut already exists");
  }
  ShortCutToKey(Value, fKey, fShift);
}

void TSynEditKeyStroke::SetShortCut2(TShortCut Value) {
  if (Value != 0) {
    const int found = fCollection.FindShortcut2(GetShortCut(), Value);
    if (found >= 0 && &fCollection.Items(found) != this) throw ESynKeyError("Shortcut already exists");
  }
  ShortCutToKey(Value, fKey2, fShift2);
}

std::string TSynEditKeyStroke::GetDisplayName() const {
  std::string result = EditorCommandToCodeString(fCommand) + " - " + ShortCutToText(GetShortCut());
  if (GetShortCut() != 0) result.append(1, ' ').append(ShortCutToText(GetShortCut2()));
  if (result.empty()) result = "TSynEditKeyStroke";
  return result;
}

TSynEditKeyStroke& TSynEditKeyStrokes::Add() {
  fItems.push_back(std::make_unique<TSynEditKeyStroke>(*this));
  return *fItems.back();
}

void TSynEditKeyStrokes::AddKey(TSynEditorCommand ACmd, std::uint16_t AKey, TShiftState AShift) {
  TSynEditKeyStroke& item = Add();
  item.SetKey(AKey);
  item.SetShift(AShift);
  item.SetCommand(ACmd);
}

void TSynEditKeyStrokes::Assign(const TSynEditKeyStrokes& Source) {
  if (&Source == this) return;
  Clear();
  for (const auto& item : Source.fItems) Add().Assign(*item);
}

void TSynEditKeyStrokes::Delete(int Index) {
  Items(Index);
  fItems.erase(fItems.begin() + Index);
}

TSynEditKeyStroke& TSynEditKeyStrokes::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
  return *fItems[static_cast<std::size_t>(Index)];
}

int TSynEditKeyStrokes::FindCommand(TSynEditorCommand Cmd) const {
  for (int i = 0; i < Count(); ++i)
    if (fItems[static_cast<std::size_t>(i)]->Command() == Cmd) return i;
  return -1;
}

int TSynEditKeyStrokes::FindKeycode(std::uint16_t Code, TShiftState SS) const {
  for (int i = 0; i < Count(); ++i) {
    const auto& item = *fItems[static_cast<std::size_t>(i)];
    if (item.Key() == Code && item.Shift() == SS && item.Key2() == 0) return i;
  }
  return -1;
}

int TSynEditKeyStrokes::FindKeycode2(std::uint16_t Code1, TShiftState SS1, std::uint16_t Code2,
                                     TShiftState SS2) const {
  for (int i = 0; i < Count(); ++i) {
    const auto& item = *fItems[static_cast<std::size_t>(i)];
    if (item.Key() == Code1 && item.Shift() == SS1 && item.Key2() == Code2 && item.Shift2() == SS2) return i;
  }
  return -1;
}

int TSynEditKeyStrokes::FindShortcut(TShortCut SC) const {
  for (int i = 0; i < Count(); ++i)
    if (fItems[static_cast<std::size_t>(i)]->GetShortCut() == SC) return i;
  return -1;
}

int TSynEditKeyStrokes::FindShortcut2(TShortCut SC, TShortCut SC2) const {
  for (int i = 0; i < Count(); ++i) {
    const auto& item = *fItems[static_cast<std::size_t>(i)];
    if (item.GetShortCut() == SC && item.GetShortCut2() == SC2) return i;
  }
  return -1;
}

void TSynEditKeyStrokes::ResetDefaults() {
  Clear();
  const TShiftState none;
  const TShiftState shiftCtrl = ssShift | ssCtrl;
  // Each navigation key alone, with Shift, with Ctrl and with both.
  struct Move {
    std::uint16_t key;
    TSynEditorCommand alone, shift, ctrl, shiftCtrl;
  };
  const Move moves[] = {
      {VK_UP, ecUp, ecSelUp, ecScrollUp, ecNone},
      {VK_DOWN, ecDown, ecSelDown, ecScrollDown, ecNone},
      {VK_LEFT, ecLeft, ecSelLeft, ecWordLeft, ecSelWordLeft},
      {VK_RIGHT, ecRight, ecSelRight, ecWordRight, ecSelWordRight},
      {VK_NEXT, ecPageDown, ecSelPageDown, ecPageBottom, ecSelPageBottom},
      {VK_PRIOR, ecPageUp, ecSelPageUp, ecPageTop, ecSelPageTop},
      {VK_HOME, ecLineStart, ecSelLineStart, ecEditorTop, ecSelEditorTop},
      {VK_END, ecLineEnd, ecSelLineEnd, ecEditorBottom, ecSelEditorBottom},
  };
  for (const Move& m : moves) {
    AddKey(m.alone, m.key, none);
    AddKey(m.shift, m.key, ssShift);
    AddKey(m.ctrl, m.key, ssCtrl);
    if (m.shiftCtrl != ecNone) AddKey(m.shiftCtrl, m.key, shiftCtrl);
  }
  AddKey(ecToggleMode, VK_INSERT, none);
  AddKey(ecCopy, VK_INSERT, ssCtrl);
  AddKey(ecCut, VK_DELETE, ssShift);
  AddKey(ecPaste, VK_INSERT, ssShift);
  AddKey(ecDeleteChar, VK_DELETE, none);
  AddKey(ecDeleteLastChar, VK_BACK, none);
  AddKey(ecDeleteLastChar, VK_BACK, ssShift);
  AddKey(ecDeleteLastWord, VK_BACK, ssCtrl);
  AddKey(ecUndo, VK_BACK, ssAlt);
  AddKey(ecRedo, VK_BACK, ssShift | ssAlt);
  AddKey(ecLineBreak, VK_RETURN, none);
  AddKey(ecLineBreak, VK_RETURN, ssShift);
  AddKey(ecTab, VK_TAB, none);
  AddKey(ecShiftTab, VK_TAB, ssShift);
  AddKey(ecContextHelp, VK_F1, none);
  AddKey(ecSelectAll, 'A', ssCtrl);
  AddKey(ecCopy, 'C', ssCtrl);
  AddKey(ecPaste, 'V', ssCtrl);
  AddKey(ecCut, 'X', ssCtrl);
  AddKey(ecBlockIndent, 'I', shiftCtrl);
  AddKey(ecBlockUnindent, 'U', shiftCtrl);
  AddKey(ecLineBreak, 'M', ssCtrl);
  AddKey(ecInsertLine, 'N', ssCtrl);
  AddKey(ecDeleteWord, 'T', ssCtrl);
  AddKey(ecDeleteLine, 'Y', ssCtrl);
  AddKey(ecDeleteEOL, 'Y', shiftCtrl);
  AddKey(ecUndo, 'Z', ssCtrl);
  AddKey(ecRedo, 'Z', shiftCtrl);
  for (int n = 0; n <= 9; ++n) AddKey(ecGotoMarker(n), static_cast<std::uint16_t>('0' + n), ssCtrl);
  for (int n = 0; n <= 9; ++n) AddKey(ecSetMarker(n), static_cast<std::uint16_t>('0' + n), shiftCtrl);
  AddKey(ecNormalSelect, 'N', shiftCtrl);
  AddKey(ecColumnSelect, 'C', shiftCtrl);
  AddKey(ecLineSelect, 'L', shiftCtrl);
  AddKey(ecMatchBracket, 'B', shiftCtrl);
}

namespace {

void ReadBytes(std::istream& in, unsigned char* bytes, std::size_t n) {
  if (!in.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(n))) throw EReadError("Erro de leitura");
}

std::uint16_t Word(const unsigned char* b) { return static_cast<std::uint16_t>(b[0] | (b[1] << 8)); }

void PutWord(std::string& out, std::uint16_t w) {
  out += static_cast<char>(w & 0xFF);
  out += static_cast<char>(w >> 8);
}

}  // namespace

void TSynEditKeyStrokes::LoadFromStream(std::istream& AStream) {
  unsigned char countBytes[4];
  ReadBytes(AStream, countBytes, 4);
  const auto count = static_cast<std::int32_t>(static_cast<std::uint32_t>(countBytes[0]) | (countBytes[1] << 8) |
                                               (countBytes[2] << 16) | (static_cast<std::uint32_t>(countBytes[3]) << 24));
  // Read everything first, so a short stream leaves the collection as it was.
  std::vector<unsigned char> records;
  for (std::int32_t i = 0; i < count; ++i) {
    unsigned char b[8];
    ReadBytes(AStream, b, 8);
    records.insert(records.end(), b, b + 8);
  }
  Clear();
  for (std::size_t at = 0; at < records.size(); at += 8) {
    const unsigned char* b = &records[at];
    TSynEditKeyStroke& item = Add();
    item.SetKey(Word(b));
    item.SetShift(TShiftState::FromBits(b[2]));
    item.SetKey2(Word(b + 3));
    item.SetShift2(TShiftState::FromBits(b[5]));
    item.SetCommand(Word(b + 6));
  }
}

void TSynEditKeyStrokes::SaveToStream(std::ostream& AStream) const {
  std::string out;
  const auto count = static_cast<std::uint32_t>(Count());
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((count >> shift) & 0xFF);
  for (const auto& item : fItems) {
    PutWord(out, item->Key());
    out += static_cast<char>(item->Shift().Bits());
    PutWord(out, item->Key2());
    out += static_cast<char>(item->Shift2().Bits());
    PutWord(out, item->Command());
  }
  if (!AStream.write(out.data(), static_cast<std::streamsize>(out.size()))) throw EWriteError("Erro de escrita");
}

}  // namespace kau::editor

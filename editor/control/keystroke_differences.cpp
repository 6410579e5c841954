// The key table stored as its differences from a reference table: what to
// remove from the reference and what to add to it. Each item is one line
// "command shortcut shortcut2", the command by its code name (or its number
// when it has none), the shortcuts as numbers.
#include <charconv>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/control/syn_edit.h"

namespace kau::editor {

namespace {

struct KeyItem {
  TSynEditorCommand Command;
  TShortCut Key1;
  TShortCut Key2;
};

bool Same(const TSynEditKeyStroke& a, const TSynEditKeyStroke& b) {
  return a.Command() == b.Command() && a.GetShortCut() == b.GetShortCut() && a.GetShortCut2() == b.GetShortCut2();
}

// The item of `table` with the same keys and command, or -1.
int FindSame(const TSynEditKeyStrokes& table, const TSynEditKeyStroke& item) {
  const int i = table.FindShortcut2(item.GetShortCut(), item.GetShortCut2());
  return i >= 0 && table.Items(i).Command() == item.Command() ? i : -1;
}

// The reference when given, else a table of the defaults in `store`.
const TSynEditKeyStrokes& ReferenceTable(const TSynEditKeyStrokes* given,
                                          std::unique_ptr<TSynEditKeyStrokes>& store) {
  if (given) return *given;
  store = std::make_unique<TSynEditKeyStrokes>();
  store->ResetDefaults();
  return *store;
}

std::string Line(const TSynEditKeyStroke& item) {
  return EditorCommandToCodeString(item.Command()) + " " + std::to_string(item.GetShortCut()) + " " +
         std::to_string(item.GetShortCut2()) + "\n";
}

bool ParseNumber(const std::string& field, unsigned& value) {
  const char* const end = field.data() + field.size();
  const auto [ptr, ec] = std::from_chars(field.data(), end, value);
  return ec == std::errc() && ptr == end && value <= 0xFFFF;
}

KeyItem ParseLine(const std::string& line) {
  std::istringstream in(line);
  std::string command, key1, key2, extra;
  unsigned cmd = 0, k1 = 0, k2 = 0;
  int named = 0;
  const bool ok = (in >> command >> key1 >> key2) && !(in >> extra) &&
                  (IdentToEditorCommand(command, named) ? (cmd = static_cast<unsigned>(named), true)
                                                        : ParseNumber(command, cmd)) &&
                  ParseNumber(key1, k1) && ParseNumber(key2, k2);
  if (!ok) throw ESynKeyError("Invalid keystroke line \"" + line + "\"");
  return {static_cast<TSynEditorCommand>(cmd), static_cast<TShortCut>(k1), static_cast<TShortCut>(k2)};
}

// Every non-blank line of Text as an item; a bad line raises before anything
// has changed.
std::vector<std::pair<std::string, KeyItem>> ParseItems(const std::string& Text) {
  std::vector<std::pair<std::string, KeyItem>> items;
  std::istringstream in(Text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    items.emplace_back(line, ParseLine(line));
  }
  return items;
}

}  // namespace

bool TCustomSynEdit::KeystrokesDiffer(const TSynEditKeyStrokes* Reference) const {
  std::unique_ptr<TSynEditKeyStrokes> store;
  const TSynEditKeyStrokes& reference = ReferenceTable(Reference, store);
  if (reference.Count() != fKeyStrokes->Count()) return true;
  for (int i = 0; i < reference.Count(); ++i)
    if (!Same(reference.Items(i), fKeyStrokes->Items(i))) return true;
  return false;
}

std::string TCustomSynEdit::WriteRemovedKeystrokes(const TSynEditKeyStrokes* Reference) const {
  std::unique_ptr<TSynEditKeyStrokes> store;
  const TSynEditKeyStrokes& reference = ReferenceTable(Reference, store);
  std::string text;
  for (int i = 0; i < reference.Count(); ++i)
    if (FindSame(*fKeyStrokes, reference.Items(i)) < 0) text += Line(reference.Items(i));
  return text;
}

std::string TCustomSynEdit::WriteAddedKeystrokes(const TSynEditKeyStrokes* Reference) const {
  std::unique_ptr<TSynEditKeyStrokes> store;
  const TSynEditKeyStrokes& reference = ReferenceTable(Reference, store);
  std::string text;
  for (int i = 0; i < fKeyStrokes->Count(); ++i)
    if (FindSame(reference, fKeyStrokes->Items(i)) < 0) text += Line(fKeyStrokes->Items(i));
  return text;
}

void TCustomSynEdit::ReadRemovedKeystrokes(const std::string& Text) {
  for (const auto& [line, item] : ParseItems(Text)) {
    const int i = fKeyStrokes->FindShortcut2(item.Key1, item.Key2);
    if (i >= 0 && fKeyStrokes->Items(i).Command() == item.Command) fKeyStrokes->Delete(i);
  }
}

void TCustomSynEdit::ReadAddedKeystrokes(const std::string& Text) {
  // The items go through a table of their own first, with the checks of its
  // shortcut setters, so that a refused item leaves the editor's table as it
  // was.
  TSynEditKeyStrokes added(this);
  for (const auto& [line, item] : ParseItems(Text)) {
    TSynEditKeyStroke& stroke = added.Add();
    stroke.SetCommand(item.Command);
    try {
      stroke.SetShortCut(item.Key1);
      stroke.SetShortCut2(item.Key2);
    } catch (const ESynKeyError& e) {
      throw ESynKeyError(std::string(e.what()) + ": \"" + line + "\"");
    }
  }
  for (int i = 0; i < added.Count(); ++i) fKeyStrokes->Add().Assign(added.Items(i));
}

}  // namespace kau::editor

// Key bindings: TSynEditKeyStroke binds a key (or a two-key chord) with its
// modifiers to an editor command; TSynEditKeyStrokes is the ordered
// collection of one editor control, with its lookups and default bindings.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "editor/model/exceptions.h"
#include "editor/model/key_cmds.h"
#include "editor/model/object.h"
#include "editor/model/shortcut.h"
#include "platform/shift_state.h"

namespace kau::editor {

class ESynKeyError : public Exception {
 public:
  using Exception::Exception;
};

class TSynEditKeyStrokes;

class TSynEditKeyStroke {
 public:
  explicit TSynEditKeyStroke(TSynEditKeyStrokes& Collection) : fCollection(Collection) {}
  TSynEditKeyStroke(const TSynEditKeyStroke&) = delete;
  TSynEditKeyStroke& operator=(const TSynEditKeyStroke&) = delete;

  // Copies the keys and the command, not the collection.
  void Assign(const TSynEditKeyStroke& Source);

  std::uint16_t Key() const { return fKey; }
  TShiftState Shift() const { return fShift; }
  std::uint16_t Key2() const { return fKey2; }
  TShiftState Shift2() const { return fShift2; }
  TSynEditorCommand Command() const { return fCommand; }
  void SetKey(std::uint16_t Value) { fKey = Value; }
  void SetShift(TShiftState Value) { fShift = Value; }
  void SetKey2(std::uint16_t Value) { fKey2 = Value; }
  void SetShift2(TShiftState Value) { fShift2 = Value; }
  void SetCommand(TSynEditorCommand Value) { fCommand = Value; }

  TShortCut GetShortCut() const { return ShortCut(fKey, fShift); }
  TShortCut GetShortCut2() const { return ShortCut(fKey2, fShift2); }
  // Refuse a binding that another item already has, both keys compared, with
  // ESynKeyError "Shortcut already exists"; the item then keeps its keys.
  void SetShortCut(TShortCut Value);
  void SetShortCut2(TShortCut Value);

  std::string GetDisplayName() const;
  TSynEditKeyStrokes& Collection() const { return fCollection; }

 private:
  TSynEditKeyStrokes& fCollection;
  std::uint16_t fKey = 0;
  TShiftState fShift;
  std::uint16_t fKey2 = 0;
  TShiftState fShift2;
  TSynEditorCommand fCommand = ecNone;
};

class TSynEditKeyStrokes {
 public:
  explicit TSynEditKeyStrokes(TObject* AOwner = nullptr) : fOwner(AOwner) {}
  TSynEditKeyStrokes(const TSynEditKeyStrokes&) = delete;
  TSynEditKeyStrokes& operator=(const TSynEditKeyStrokes&) = delete;

  TObject* GetOwner() const { return fOwner; }

  TSynEditKeyStroke& Add();
  void AddKey(TSynEditorCommand ACmd, std::uint16_t AKey, TShiftState AShift);
  void Assign(const TSynEditKeyStrokes& Source);
  void Clear() { fItems.clear(); }
  void Delete(int Index);
  int Count() const { return static_cast<int>(fItems.size()); }
  TSynEditKeyStroke& Items(int Index) const;
  void SetItems(int Index, const TSynEditKeyStroke& Value) { Items(Index).Assign(Value); }

  // The first matching index in collection order, -1 when none.
  int FindCommand(TSynEditorCommand Cmd) const;
  int FindKeycode(std::uint16_t Code, TShiftState SS) const;
  int FindKeycode2(std::uint16_t Code1, TShiftState SS1, std::uint16_t Code2, TShiftState SS2) const;
  int FindShortcut(TShortCut SC) const;
  int FindShortcut2(TShortCut SC, TShortCut SC2) const;

  // The 82 default bindings, in their order.
  void ResetDefaults();

  // Stream form: a signed 32-bit count, then per item Key (2 bytes), Shift
  // (1), Key2 (2), Shift2 (1), Command (2), little-endian.
  void LoadFromStream(std::istream& AStream);
  void SaveToStream(std::ostream& AStream) const;

 private:
  TObject* fOwner;
  std::vector<std::unique_ptr<TSynEditKeyStroke>> fItems;
};

}  // namespace kau::editor

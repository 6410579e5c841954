// The contract between the editor and a syntax highlighter. A highlighter owns
// its named display attributes, cuts one line at a time into tokens, and
// carries a scanner state (the range) from the end of one line to the next:
//
//   line 0: ResetRange(), else SetRange(range stored for the line before)
//   SetLine(text, index)
//   while (!GetEol()) { GetTokenPos(), GetToken(), GetTokenAttribute(), ...; Next(); }
//   GetRange() is the state to store for this line
//
// Editors sharing a highlighter hook a handler into its change chain and are
// told when an attribute or a setting changes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/highlight/highlighter_attributes.h"
#include "editor/highlight/highlighter_types.h"
#include "editor/options/free_notifiable.h"
#include "editor/options/method_chain.h"
#include "editor/highlight/persistent.h"
#include "editor/model/exceptions.h"
#include "editor/model/syn_range.h"

namespace kau::editor {

using TSynHighlighterCapabilities = std::uint8_t;
inline constexpr TSynHighlighterCapabilities hcUserSettings = 1;
inline constexpr TSynHighlighterCapabilities hcRegistry = 2;

// Indexes of GetDefaultAttribute, the same for every highlighter.
enum TSynDefaultAttribute : int {
  SYN_ATTR_COMMENT = 0,
  SYN_ATTR_IDENTIFIER = 1,
  SYN_ATTR_KEYWORD = 2,
  SYN_ATTR_STRING = 3,
  SYN_ATTR_WHITESPACE = 4,
  SYN_ATTR_SYMBOL = 5,
};

// The characters that end a word when nothing else says: ! " ' ( ) * + , -
// . / : ; = ? [ \ ] ^ { | }
TSynIdentChars DefaultWordBreakChars();
// The characters of a word when nothing else says: '0'..'9', 'A'..'Z', '_',
// 'a'..'z' and 192..255 except 215 and 247.
TSynIdentChars DefaultIdentChars();

struct TSynHighlighterClassInfo;
// A highlighter class as a value (see highlighter_registry.h).
using TSynCustomHighlighterClass = const TSynHighlighterClassInfo*;

class TSynCustomHighlighter : public TPersistent {
 public:
  TSynCustomHighlighter();
  ~TSynCustomHighlighter() override;
  TSynCustomHighlighter(const TSynCustomHighlighter&) = delete;
  TSynCustomHighlighter& operator=(const TSynCustomHighlighter&) = delete;

  // The class of this object, for the registry and for Assign.
  virtual TSynCustomHighlighterClass ClassType() const = 0;

  // Attributes, in the order of their names.
  virtual int GetAttribCount() const;
  virtual TSynHighlighterAttributes* GetAttribute(int index) const;  // nullptr outside the list
  // By the SYN_ATTR_ indexes; nullptr for any other index.
  virtual TSynHighlighterAttributes* GetDefaultAttribute(int index) const = 0;

  virtual std::string GetDefaultFilter() const { return defaultFilter_; }
  virtual void SetDefaultFilter(const std::string& value) { defaultFilter_ = value; }
  virtual bool IsFilterStored() const { return true; }
  // The characters of a word.
  virtual TSynIdentChars GetIdentChars() const;
  virtual void SetWordBreakChars(const TSynIdentChars& chars) { wordBreakChars_ = chars; }
  const TSynIdentChars& WordBreakChars() const { return wordBreakChars_; }
  virtual std::string GetSampleSource() const { return {}; }
  virtual void SetSampleSource(const std::string&) {}
  static TSynHighlighterCapabilities GetCapabilities() { return hcRegistry; }
  static std::string GetLanguageName() { return "<Unknown>"; }

  // Scanning.
  virtual bool GetEol() const = 0;
  virtual SynRange GetRange() const { return kRangeNil; }
  virtual std::string GetToken() const = 0;
  virtual TSynHighlighterAttributes* GetTokenAttribute() const = 0;  // may be nullptr
  virtual int GetTokenKind() const = 0;
  virtual int GetTokenPos() const = 0;  // 0-based offset in the line
  virtual bool IsKeyword(const std::string&) const { return false; }
  virtual void Next() = 0;
  // Starts scanning `text`, line `lineIndex` (0-based); scans the first token.
  virtual void SetLine(std::string_view text, int lineIndex) = 0;
  virtual void SetRange(SynRange) {}
  virtual void ResetRange() {}
  void NextToEol();

  // Settings that another tool keeps for its own highlighters: none here.
  virtual bool UseUserSettings(int) { return false; }
  virtual void EnumUserSettings(std::vector<std::string>& settings) { settings.clear(); }

  // Every attribute's colours and style from or to the settings: the
  // registry form below the section `key` of `root` (false when that
  // section is missing), the file form in an INI file. A load goes through
  // all attributes even after a failure and is true only when each
  // succeeded; LoadErrors then names every value that was not taken. A
  // save is false when the settings could not be written.
  virtual bool LoadFromRegistry(const settings::Settings& root, const std::string& key);
  virtual bool SaveToRegistry(settings::Settings& root, const std::string& key);
  bool LoadFromFile(const std::string& fileName);
  bool SaveToFile(const std::string& fileName);
  const std::vector<std::string>& LoadErrors() const { return loadErrors_; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);

  // From another highlighter: the attributes of the same name, the sample
  // source (only from this class or a class derived from it), the word-break
  // characters, the filter and Enabled.
  bool Assign(const TPersistent& source) override;

  // Change notification. Between BeginUpdate and the outermost EndUpdate
  // changes only mark a notification as pending; EndUpdate then sends one,
  // with sender nullptr. Nothing is sent while loading.
  void HookAttrChangeEvent(TNotifyEvent handler) { attrChangeHooks_.Add(handler); }
  void UnhookAttrChangeEvent(TNotifyEvent handler) { attrChangeHooks_.Remove(handler); }
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  void DefHighlightChange(TObject* sender);

  // AComponent hears opRemove when this highlighter is destroyed.
  void FreeNotification(TFreeNotifiable* AComponent) { freeNotifiers_.Add(AComponent); }
  void RemoveFreeNotification(TFreeNotifiable* AComponent) { freeNotifiers_.Remove(AComponent); }
  // How many change handlers and components listen (for tests).
  int ListenerCount() const { return attrChangeHooks_.Count() + freeNotifiers_.Count(); }

  // Settings are being read in one go; Loaded ends that and notifies once.
  void BeginLoading() { loading_ = true; }
  bool Loading() const { return loading_; }
  virtual void Loaded();

 protected:
  // Takes ownership and returns the attribute. Raises EStringListError (and
  // frees it) when an attribute of the same name (in any letter case) exists.
  TSynHighlighterAttributes* AddAttribute(std::unique_ptr<TSynHighlighterAttributes> attribute);
  // A new attribute of that name and style, added.
  TSynHighlighterAttributes* AddNewAttribute(std::string name, TFontStyles style);
  // Every attribute notifies `handler` from now on, and its present colours
  // and style become its defaults.
  void SetAttributesOnChange(TNotifyEvent handler);
  void FreeHighlighterAttributes();

  // The attribute part of LoadFromRegistry and SaveToRegistry, for
  // highlighters that keep values of their own beside it.
  void ClearLoadErrors() { loadErrors_.clear(); }
  void AddLoadError(std::string text) { loadErrors_.push_back(std::move(text)); }
  bool LoadAttributesFromRegistry(const settings::Settings& root, const std::string& key);
  void SaveAttributesToRegistry(settings::Settings& root, const std::string& key) const;

 private:
  struct AttributeEntry {
    std::string key;
    std::unique_ptr<TSynHighlighterAttributes> attribute;
  };

  std::vector<AttributeEntry> attributes_;  // sorted by key, letter case ignored
  TSynNotifyEventChain attrChangeHooks_{this};
  int updateCount_ = 0;
  bool enabled_ = true;
  TSynIdentChars wordBreakChars_;
  std::string defaultFilter_;
  bool updatePending_ = false;
  bool loading_ = false;
  std::vector<std::string> loadErrors_;
  TFreeNotifiers freeNotifiers_;
};

}  // namespace kau::editor

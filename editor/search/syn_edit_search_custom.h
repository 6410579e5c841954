// TSynEditSearchCustom: the search engine an editor control's SearchReplace
// runs on. An engine finds every match of its pattern in one line at a time
// and says what replaces a match; it tells the editors that use it when it
// goes away.
#pragma once

#include <cstdint>
#include <string>

#include "editor/model/object.h"
#include "editor/options/free_notifiable.h"

namespace kau::editor {

// Bit i stands for the i-th option in declaration order.
using TSynSearchOptions = std::uint8_t;
inline constexpr TSynSearchOptions ssoMatchCase = 1u << 0;
inline constexpr TSynSearchOptions ssoWholeWord = 1u << 1;
inline constexpr TSynSearchOptions ssoBackwards = 1u << 2;
inline constexpr TSynSearchOptions ssoEntireScope = 1u << 3;
inline constexpr TSynSearchOptions ssoSelectedOnly = 1u << 4;
inline constexpr TSynSearchOptions ssoReplace = 1u << 5;
inline constexpr TSynSearchOptions ssoReplaceAll = 1u << 6;
inline constexpr TSynSearchOptions ssoPrompt = 1u << 7;

class TSynEditSearchCustom : public TObject {
 public:
  TSynEditSearchCustom() = default;
  ~TSynEditSearchCustom() override { fFreeNotifiers.NotifyRemoval(this); }
  TSynEditSearchCustom(const TSynEditSearchCustom&) = delete;
  TSynEditSearchCustom& operator=(const TSynEditSearchCustom&) = delete;

  virtual std::string GetPattern() const = 0;
  virtual void SetPattern(const std::string& Value) = 0;
  // Length in characters and 1-based column of match Index of the last
  // FindAll.
  virtual int GetLength(int Index) const = 0;
  virtual int GetResult(int Index) const = 0;
  virtual int GetResultCount() const = 0;
  virtual void SetOptions(TSynSearchOptions Value) = 0;
  // Finds every match in one line, left to right; returns their number.
  virtual int FindAll(const std::string& NewText) = 0;
  // The text that replaces one found occurrence.
  virtual std::string Replace(const std::string& aOccurrence, const std::string& aReplacement) = 0;

  std::string Pattern() const { return GetPattern(); }

  // AComponent hears opRemove when this engine is destroyed.
  void FreeNotification(TFreeNotifiable* AComponent) { fFreeNotifiers.Add(AComponent); }
  void RemoveFreeNotification(TFreeNotifiable* AComponent) { fFreeNotifiers.Remove(AComponent); }

 private:
  TFreeNotifiers fFreeNotifiers;
};

}  // namespace kau::editor

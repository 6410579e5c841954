// TSynAutoComplete: expands the word before the caret into a template when
// its shortcut (Shift+Space) is pressed in the editor. The templates are one
// list: a name line, then the template's lines, each beginning with "="; a
// "|" in a template line marks where the caret goes.
#pragma once

#include <string>
#include <vector>

#include "editor/control/syn_edit.h"
#include "editor/options/free_notifiable.h"
#include "editor/model/shortcut.h"

namespace kau::editor {

class TSynAutoComplete : public TObject, public TFreeNotifiable {
 public:
  explicit TSynAutoComplete(TObject* AOwner = nullptr);
  ~TSynAutoComplete() override;
  TSynAutoComplete(const TSynAutoComplete&) = delete;
  TSynAutoComplete& operator=(const TSynAutoComplete&) = delete;

  TCustomSynEdit* Editor() const { return fEditor; }
  void SetEditor(TCustomSynEdit* Value);
  const std::vector<std::string>& AutoCompleteList() const { return fAutoCompleteList; }
  void SetAutoCompleteList(const std::vector<std::string>& Value) { fAutoCompleteList = Value; }
  const std::string& EndOfTokenChr() const { return fEndOfTokenChr; }
  void SetEndOfTokenChr(const std::string& Value) { fEndOfTokenChr = Value; }
  TShortCut ShortCut() const { return fShortCut; }
  void SetShortCut(TShortCut Value) { fShortCut = Value; }

  // The word before the caret.
  std::string GetPreviousToken(TCustomSynEdit& AEditor) const;
  // The names of all templates, trimmed, one a line.
  std::string GetTokenList() const;
  // The template's lines as text; empty when there is no such name.
  std::string GetTokenValue(const std::string& AToken) const;
  // Replaces AToken before the caret by its template, as one undo step.
  void Execute(const std::string& AToken, TCustomSynEdit& AEditor);

  void EditorKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift);
  void EditorKeyPress(TObject* Sender, char& Key);
  void Notification(TObject* AComponent, TOperation Operation) override;

  TNotifyEvent OnBeforeExecute;
  TNotifyEvent OnAfterExecute;

 private:
  // The list index of the name line of AToken (case not significant), -1
  // when there is none.
  int FindName(const std::string& AToken) const;
  bool IsTemplateLine(std::size_t Index) const;
  void TypeTemplate(TCustomSynEdit& AEditor, std::size_t Name);

  TCustomSynEdit* fEditor = nullptr;
  std::vector<std::string> fAutoCompleteList;
  std::string fEndOfTokenChr = "()[]. ";
  TShortCut fShortCut;
  bool fNoNextKey = false;
};

}  // namespace kau::editor

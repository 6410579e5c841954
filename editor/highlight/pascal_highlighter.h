// The Pascal highlighter: cuts a line of Pascal into keywords, identifiers,
// numbers, strings, comments, directives, symbols and assembler, and carries
// open comments, asm blocks and property/exports declarations to the next
// line in its range.
#pragma once

#include <string>
#include <string_view>

#include "editor/highlight/custom_highlighter.h"

namespace kau::editor {

enum TtkTokenKind : int {
  tkAsm, tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace,
  tkString, tkSymbol, tkUnknown, tkFloat, tkHex, tkDirec, tkChar,
};

enum TRangeState : int {
  rsANil, rsAnsi, rsAnsiAsm, rsAsm, rsBor, rsBorAsm, rsProperty, rsExports, rsUnKnown,
};

// Dialect versions 1 to 6.
enum TSynPasVersion : int {
  pasVersion1, pasVersion2, pasVersion3, pasVersion4, pasVersion5, pasVersion6,
};

class TSynPasSyn : public TSynCustomHighlighter {
 public:
  TSynPasSyn();

  TSynCustomHighlighterClass ClassType() const override;
  static TSynHighlighterCapabilities GetCapabilities() {
    return TSynCustomHighlighter::GetCapabilities() | hcUserSettings;
  }
  static std::string GetLanguageName() { return "Object Pascal"; }
  // The file-dialog filter for Pascal sources.
  static std::string PascalFilesFilter();

  TSynHighlighterAttributes* GetDefaultAttribute(int index) const override;
  TSynIdentChars GetIdentChars() const override;
  std::string GetSampleSource() const override;
  bool IsFilterStored() const override;

  bool GetEol() const override { return tokenId_ == tkNull; }
  SynRange GetRange() const override { return range_; }
  std::string GetToken() const override;
  TSynHighlighterAttributes* GetTokenAttribute() const override;
  int GetTokenKind() const override { return ReportedKind(); }
  int GetTokenPos() const override { return static_cast<int>(tokenPos_); }
  void Next() override;
  void SetLine(std::string_view text, int lineIndex) override;
  // A value that is no range of this highlighter counts as rsUnKnown.
  void SetRange(SynRange value) override;
  void ResetRange() override { range_ = rsUnKnown; }

  TSynPasVersion PasVersion() const { return version_; }
  void SetPasVersion(TSynPasVersion value);
  bool PackageSource() const { return packageSource_; }
  void SetPackageSource(bool value);

  TSynHighlighterAttributes* AsmAttri() const { return asmAttri_; }
  TSynHighlighterAttributes* CommentAttri() const { return commentAttri_; }
  TSynHighlighterAttributes* DirectiveAttri() const { return directiveAttri_; }
  TSynHighlighterAttributes* IdentifierAttri() const { return identifierAttri_; }
  TSynHighlighterAttributes* KeyAttri() const { return keyAttri_; }
  TSynHighlighterAttributes* NumberAttri() const { return numberAttri_; }
  TSynHighlighterAttributes* FloatAttri() const { return floatAttri_; }
  TSynHighlighterAttributes* HexAttri() const { return hexAttri_; }
  TSynHighlighterAttributes* SpaceAttri() const { return spaceAttri_; }
  TSynHighlighterAttributes* StringAttri() const { return stringAttri_; }
  TSynHighlighterAttributes* CharAttri() const { return charAttri_; }
  TSynHighlighterAttributes* SymbolAttri() const { return symbolAttri_; }

  int LineNumber() const { return lineNumber_; }

 private:
  using CharProc = void (TSynPasSyn::*)();
  static const CharProc* CharProcs();

  unsigned char At(std::size_t i) const { return static_cast<unsigned char>(line_[i]); }
  TtkTokenKind ReportedKind() const;
  TtkTokenKind IdentKind();

  bool LineEndProc();
  void SymbolWith(std::string_view followers);
  void AnsiProc();
  void BorProc();
  void AddressOpProc();
  void AsciiCharProc();
  void BraceOpenProc();
  void ColonOrGreaterProc();
  void IdentProc();
  void IntegerProc();
  void LineBreakProc();
  void LowerProc();
  void NullProc();
  void NumberProc();
  void PointProc();
  void RoundOpenProc();
  void SemicolonProc();
  void SlashProc();
  void SpaceProc();
  void StringProc();
  void SymbolProc();
  void UnknownProc();

  std::string line_;  // std::string keeps a NUL after the last character
  std::size_t run_ = 0;
  std::size_t tokenPos_ = 0;
  std::size_t stringLen_ = 0;
  std::size_t identStart_ = 0;
  TtkTokenKind tokenId_ = tkNull;
  TRangeState range_ = rsUnKnown;
  bool asmStart_ = false;
  int lineNumber_ = 0;
  TSynPasVersion version_ = pasVersion6;
  bool packageSource_ = true;

  TSynHighlighterAttributes* asmAttri_;
  TSynHighlighterAttributes* commentAttri_;
  TSynHighlighterAttributes* directiveAttri_;
  TSynHighlighterAttributes* identifierAttri_;
  TSynHighlighterAttributes* keyAttri_;
  TSynHighlighterAttributes* numberAttri_;
  TSynHighlighterAttributes* floatAttri_;
  TSynHighlighterAttributes* hexAttri_;
  TSynHighlighterAttributes* spaceAttri_;
  TSynHighlighterAttributes* stringAttri_;
  TSynHighlighterAttributes* charAttri_;
  TSynHighlighterAttributes* symbolAttri_;
};

}  // namespace kau::editor

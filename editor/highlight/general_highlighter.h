// A highlighter for any language, set up by its user: a list of keywords,
// the comment styles that count, the string delimiter, "#" preprocessor
// lines and numbers. Open "(*", "{" and "/*" comments carry over to the next
// line in the range.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/highlight/custom_highlighter.h"

namespace kau::editor {

class TSynGeneralSyn : public TSynCustomHighlighter {
public:
    enum TtkTokenKind : int {
        tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkPreprocessor, tkSpace, tkString, tkSymbol, tkUnknown,
    };
    enum TRangeState : int { rsANil, rsAnsi, rsPasStyle, rsCStyle, rsUnKnown };

    enum TCommentStyle : std::uint8_t {
        csAnsiStyle = 1,   // (* ... *)
        csPasStyle = 2,    // { ... }
        csCStyle = 4,      // /* ... */
        csAsmStyle = 8,    // ; to the line end
        csBasStyle = 16,   // ; to the line end
        csCPPStyle = 32,   // // to the line end
    };
    using TCommentStyles = std::uint8_t;  // a set of TCommentStyle

    enum TStringDelim : int { sdSingleQuote, sdDoubleQuote };

    TSynGeneralSyn();

    TSynCustomHighlighterClass ClassType() const override;
    static std::string GetLanguageName() { return "General"; }

    TSynHighlighterAttributes* GetDefaultAttribute(int index) const override;
    TSynIdentChars GetIdentChars() const override { return identifierChars_; }

    bool GetEol() const override { return tokenId_ == tkNull; }
    SynRange GetRange() const override { return range_; }
    std::string GetToken() const override;
    TSynHighlighterAttributes* GetTokenAttribute() const override;
    int GetTokenKind() const override { return tokenId_; }
    int GetTokenPos() const override { return static_cast<int>(tokenPos_); }
    void Next() override;
    void SetLine(std::string_view text, int lineIndex) override;
    // A value that is no range of this highlighter counts as rsUnKnown.
    void SetRange(SynRange value) override;
    void ResetRange() override { range_ = rsUnKnown; }

    // Looks the text up in the keywords, letter case ignored.
    bool IsKeyword(const std::string& text) const override;

    // Sorted, upper case, without duplicates.
    const std::vector<std::string>& KeyWords() const { return keyWords_; }
    // Takes an upper-case copy of the words; the caller's list stays as it is.
    void SetKeyWords(const std::vector<std::string>& words);
    TCommentStyles Comments() const { return comments_; }
    void SetComments(TCommentStyles value);
    bool DetectPreprocessor() const { return detectPreprocessor_; }
    void SetDetectPreprocessor(bool value);
    TStringDelim StringDelim() const { return stringDelim_; }
    void SetStringDelim(TStringDelim value);
    // The characters of a word for the editor, in ascending order.
    std::string IdentifierChars() const;
    void SetIdentifierChars(std::string_view chars);

    // "KeyWords" as comma text beside the attributes. A KeyWords value with
    // an unclosed quote leaves the keywords as they are and fails the load.
    bool LoadFromRegistry(const settings::Settings& root, const std::string& key) override;
    bool SaveToRegistry(settings::Settings& root, const std::string& key) override;

    TSynHighlighterAttributes* CommentAttri() const { return commentAttri_; }
    TSynHighlighterAttributes* IdentifierAttri() const { return identifierAttri_; }
    TSynHighlighterAttributes* KeyAttri() const { return keyAttri_; }
    TSynHighlighterAttributes* NumberAttri() const { return numberAttri_; }
    TSynHighlighterAttributes* SpaceAttri() const { return spaceAttri_; }
    TSynHighlighterAttributes* StringAttri() const { return stringAttri_; }
    TSynHighlighterAttributes* SymbolAttri() const { return symbolAttri_; }
    TSynHighlighterAttributes* PreprocessorAttri() const { return preprocessorAttri_; }

    int LineNumber() const { return lineNumber_; }

private:
    using ScanProc = void (TSynGeneralSyn::*)();

    unsigned char At(std::size_t i) const { return static_cast<unsigned char>(line_[i]); }
    void MakeMethodTables();

    void CommentUntil(std::string_view closing, TRangeState open);
    void CommentToLineEnd();
    void AsciiCharProc();
    void BraceOpenProc();
    void IdentProc();
    void IntegerProc();
    void LineBreakProc();
    void NullProc();
    void NumberProc();
    void RoundOpenProc();
    void SemicolonProc();
    void SlashProc();
    void SpaceProc();
    void StringProc();
    void UnknownProc();

    std::string line_;  // std::string keeps a NUL after the last character
    std::size_t run_ = 0;
    std::size_t tokenPos_ = 0;
    TtkTokenKind tokenId_ = tkNull;
    TRangeState range_ = rsUnKnown;
    int lineNumber_ = 0;
    std::array<ScanProc, 256> procTable_{};

    std::vector<std::string> keyWords_;
    TCommentStyles comments_ = 0;
    bool detectPreprocessor_ = false;
    TStringDelim stringDelim_ = sdSingleQuote;
    TSynIdentChars identifierChars_;

    TSynHighlighterAttributes* commentAttri_;
    TSynHighlighterAttributes* identifierAttri_;
    TSynHighlighterAttributes* keyAttri_;
    TSynHighlighterAttributes* numberAttri_;
    TSynHighlighterAttributes* spaceAttri_;
    TSynHighlighterAttributes* stringAttri_;
    TSynHighlighterAttributes* symbolAttri_;
    TSynHighlighterAttributes* preprocessorAttri_;
};

}  // namespace kau::editor

#include <gtest/gtest.h>

#include "text/char_class.h"
#include "text/code_pages.h"

using namespace kau::text;

TEST(CodePages, Cp1252CharactersBecomeCp850) {
  struct Case { unsigned char cp1252, cp850; };
  const Case cases[] = {{0xE9, 0x82} /* é */, {0xC7, 0x80} /* Ç */, {0xE3, 0xC6} /* ã */,
                        {0xD5, 0xE5} /* Õ */, {0xFC, 0x81} /* ü */, {0xC0, 0xB7} /* À */,
                        {0xF1, 0xA4} /* ñ */, {0xDC, 0x9A} /* Ü */, {0xBA, 0xA7} /* º */,
                        {0xAA, 0xA6} /* ª */, {0xA7, 0xF5} /* § */, {0xB0, 0xF8} /* ° */,
                        {0xD7, 0x9E} /* × */, {0xAB, 0xAE} /* « */, {0xBB, 0xAF} /* » */,
                        {0xDF, 0xE1} /* ß */, {0xE8, 0x8A} /* è */, {0xFF, 0x98} /* ÿ */,
                        {0x61, 0x61} /* a */, {0x0A, 0x0A},
                        {0x80, '?'} /* € */, {0x97, '?'} /* — */, {0x93, '?'} /* “ */,
                        {0x85, '?'} /* … */, {0x99, '?'} /* ™ */, {0x81, '?'} /* undefined */};
  for (const Case& c : cases) EXPECT_EQ(cp1252To850(c.cp1252), c.cp850) << int(c.cp1252);
}

TEST(CodePages, Cp850CharactersComeBackAs1252) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const unsigned char converted = cp1252To850(byte);
    if (converted != '?') {
      EXPECT_EQ(cp850To1252(converted), byte) << b;
    }
  }
  EXPECT_EQ(cp850To1252(0xDB), '?');  // █
}

TEST(CodePages, EveryByteRoundTripsThroughUnicode) {
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(unicodeToCp1252(cp1252ToUnicode(static_cast<unsigned char>(b))), b);
    EXPECT_EQ(unicodeToCp850(cp850ToUnicode(static_cast<unsigned char>(b))), b);
  }
}

TEST(CodePages, Utf8Conversions) {
  EXPECT_EQ(cp1252("Não"), std::string("N\xE3o"));
  EXPECT_EQ(cp1252ToUtf8("N\xE3o \x80"), "Não €");
  EXPECT_EQ(cp850ToUtf8("\x82\xDB"), "é█");
  // A byte that starts no UTF-8 sequence is a 1252 character.
  EXPECT_EQ(utf8ToCp850("é\xFFx Concei\xE7\xE3o \x80"), std::string("\x82\x98x Concei\x87\xC6o ?"));
  std::string out;
  EXPECT_TRUE(utf8ToCp1252("ação", out));
  EXPECT_EQ(out, "a\xE7\xE3o");
  EXPECT_FALSE(utf8ToCp1252("█", out));                        // not in 1252
  EXPECT_FALSE(utf8ToCp1252("\xE9", out));                     // not UTF-8
  EXPECT_EQ(sourceToCp1252("\xE9t\xE9"), "\xE9t\xE9");          // 1252 file kept
  EXPECT_EQ(sourceToCp1252("\xEF\xBB\xBFol\xC3\xA1"), "ol\xE1");   // mark dropped
  EXPECT_FALSE(isValidUtf8("\xC0\x80"));                        // overlong
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));                    // surrogate
}

TEST(CharClass, CaseTablesIgnoreTheLocale) {
  EXPECT_EQ(toUpper1252('a'), 'A');
  EXPECT_EQ(toUpper1252(0xE7), 0xC7);   // ç
  EXPECT_EQ(toUpper1252(0xF7), 0xF7);   // ÷
  EXPECT_EQ(toUpper1252(0xFF), 0x9F);   // ÿ
  EXPECT_EQ(toLower1252(0xD7), 0xD7);   // ×
  EXPECT_EQ(toLower1252(0x8A), 0x9A);   // Š
  EXPECT_TRUE(isLetter1252(0xDF));
  EXPECT_FALSE(isLetter1252('1'));
}

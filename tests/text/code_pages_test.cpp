#include <gtest/gtest.h>

#include "text/char_class.h"
#include "text/code_pages.h"

using namespace kau::text;

TEST(CodePages, AccentedLettersBecomeCp850) {
  struct Case { unsigned char cp1252, cp850; };
  const Case cases[] = {{0xE9, 0x82} /* é */, {0xC7, 0x80} /* Ç */, {0xE3, 0xC6} /* ã */,
                        {0xD5, 0xE5} /* Õ */, {0xFC, 0x81} /* ü */, {0xC0, 0xB7} /* À */,
                        {0xF1, 0xA4} /* ñ */, {0xDC, 0x9A} /* Ü */};
  for (const Case& c : cases) EXPECT_EQ(accentedLetter1252To850(c.cp1252), c.cp850) << int(c.cp1252);
  // Other bytes are kept: ß, è (not one of the 40), ASCII.
  for (unsigned char b : {0xDF, 0xE8, 0x61, 0x80, 0xFF}) EXPECT_EQ(accentedLetter1252To850(b), b);
}

TEST(CodePages, ConvertedLettersComeBack) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const unsigned char converted = accentedLetter1252To850(byte);
    if (converted != byte) {
      EXPECT_EQ(accentedLetter850To1252(converted), byte) << b;
    }
  }
  EXPECT_EQ(accentedLetter850To1252('a'), 'a');
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
  EXPECT_EQ(utf8ToCp850("é\xFFx"), std::string("\x82\xFFx"));  // invalid byte passes
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

// Code page 1251 against Python's codec table (the Unicode consortium's CP1251.TXT) for
// a few characters of every block, and the case tables for the whole Cyrillic alphabet.
#include "Cp1251.h"

#include <gtest/gtest.h>

namespace {

using namespace velplatform;

TEST(Cp1251, ConvertsBothWaysAcrossTheCodePage) {
  struct TCase {
    unsigned char byte;
    char32_t codePoint;
  };
  const TCase cases[] = {{0x41, U'A'},   {0x80, 0x0402}, {0x88, 0x20AC}, {0xA8, 0x0401},
                         {0xB0, 0x00B0}, {0xB9, 0x2116}, {0xC0, 0x0410}, {0xDF, 0x042F},
                         {0xE0, 0x0430}, {0xFF, 0x044F}, {0xB8, 0x0451}, {0xA5, 0x0490}};
  for (const TCase& c : cases) {
    EXPECT_EQ(Cp1251ToCodePoint(c.byte), c.codePoint) << int(c.byte);
    EXPECT_EQ(CodePointToCp1251(c.codePoint), c.byte) << int(c.byte);
  }
  EXPECT_EQ(Cp1251ToCodePoint(0x98), char32_t{0xFFFD});
  EXPECT_EQ(CodePointToCp1251(U'中'), '?');
}

TEST(Cp1251, SourceLiteralsAndRoundTrips) {
  const std::string text = Cp1251("Ошибка: ё №5 °");
  EXPECT_EQ(text,
            "\xCE\xF8\xE8\xE1\xEA\xE0: \xB8 \xB9"
            "5 \xB0");
  EXPECT_EQ(Cp1251ToUtf8(text), "Ошибка: ё №5 °");
  EXPECT_EQ(Utf16ToCp1251(Cp1251ToUtf16(text)), text);
  EXPECT_EQ(Utf8ToCp1251("a\xFF"
                         "b"),
            "a?b");  // a malformed byte is one '?'
  EXPECT_EQ(Utf8ToCp1251("日本"), "??");
}

TEST(Cp1251, CaseTablesCoverCyrillic) {
  EXPECT_EQ(UpperCp1251(Cp1251("абвгдеёжзийклмнопрстуфхцчшщъыьэюя")),
            Cp1251("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"));
  EXPECT_EQ(LowerCp1251(Cp1251("ЇІЄҐЎЈЉЊЋЌЏЂ Sirius")), Cp1251("їієґўјљњћќџђ sirius"));
  EXPECT_EQ(UpperCp1251(Cp1251("№°«»")), Cp1251("№°«»"));
  EXPECT_TRUE(EqualsIgnoringCase(Cp1251("Веларион"), Cp1251("ВЕЛАРИОН")));
  EXPECT_FALSE(EqualsIgnoringCase(Cp1251("Велари"), Cp1251("ВЕЛАРИОН")));
}

}  // namespace

// Code page 1251, the 8-bit text of every string, data file and boundary record.
//
// Conversion to Unicode happens only where text meets the window system; the case tables
// are the code page's own so that Cyrillic sorts and compares without a locale.
#ifndef VELARION_PLATFORM_CP1251_H
#define VELARION_PLATFORM_CP1251_H

#include <string>
#include <string_view>

namespace velplatform {

// The character a byte stands for (U+FFFD for the one unassigned byte, 0x98).
char32_t Cp1251ToCodePoint(unsigned char byte);

// The byte of a character, or '?' when the code page has none.
unsigned char CodePointToCp1251(char32_t codePoint);

// CP1251 text to UTF-8 and to UTF-16.
std::string Cp1251ToUtf8(std::string_view text);
std::u16string Cp1251ToUtf16(std::string_view text);

// UTF-8 (a source literal, a file name, text from the window system) to CP1251;
// characters the code page lacks become '?', malformed sequences one '?' each.
std::string Utf8ToCp1251(std::string_view utf8);
std::string Utf16ToCp1251(std::u16string_view utf16);

// A source literal in CP1251: Cp1251("Ошибка").
inline std::string Cp1251(std::string_view utf8Literal) { return Utf8ToCp1251(utf8Literal); }

// Case mapping of Latin and Cyrillic letters (Ё/ё and the Ukrainian, Belarusian and
// Serbian letters included); other bytes are returned unchanged.
unsigned char UpperCp1251(unsigned char byte);
unsigned char LowerCp1251(unsigned char byte);
std::string UpperCp1251(std::string_view text);
std::string LowerCp1251(std::string_view text);

// Equality ignoring case, in CP1251.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace velplatform

#endif

// Marked-up text: CP1251 text in which the bytes 1 .. 11 switch fonts and styles.
//   1 normal font (also every other code not listed)   2 Greek font   9 symbol font
//   3 superscript on, 4 off   5 italic on, 6 off   7 small on, 8 off   10 bold on, 11 off
#ifndef VELARION_APP_SKY_MARKUPTEXT_H
#define VELARION_APP_SKY_MARKUPTEXT_H

#include <string>
#include <string_view>
#include <vector>

namespace velarion::sky {

enum class TMarkupFont { kNormal, kGreek, kSymbol };

inline constexpr char kMarkupNormal = 1;
inline constexpr char kMarkupGreek = 2;
inline constexpr char kMarkupSuperscriptOn = 3;
inline constexpr char kMarkupSuperscriptOff = 4;
inline constexpr char kMarkupItalicOn = 5;
inline constexpr char kMarkupItalicOff = 6;
inline constexpr char kMarkupSmallOn = 7;
inline constexpr char kMarkupSmallOff = 8;
inline constexpr char kMarkupSymbol = 9;
inline constexpr char kMarkupBoldOn = 10;
inline constexpr char kMarkupBoldOff = 11;

// The text as hints and the console show it: Greek letters spelt out ("Alp", "Bet", ...),
// italic marks as "*", every other code dropped.
std::string PlainText(std::string_view markedUp);

// The three-letter (or two-letter) name of a Greek letter by its Latin key, empty for
// another character.
std::string_view GreekLetterName(char latinKey);

}  // namespace velarion::sky

#endif

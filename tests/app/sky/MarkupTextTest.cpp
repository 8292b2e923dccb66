// The plain form of marked-up text, as hints and the console show it.
#include "MarkupText.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::sky;

TEST(MarkupText, PlainFormSpellsOutGreekAndMarksItalics) {
  struct TCase {
    std::string markedUp;
    std::string plain;
  };
  const TCase cases[] = {
      {"\x02"
       "a\x01"
       " Lyr",
       "Alp Lyr"},
      {"\x02"
       "w\x03"
       "2\x04\x01"
       " Cen",
       "Ome2 Cen"},  // codes vanish
      {"\x05"
       "Vega\x06",
       "*Vega*"},
      {"1.5\x03"
       "m\x04",
       "1.5m"},
      {"\x09"
       "S\x01"
       " and \x02"
       "b",
       "S and Bet"},                     // symbol font letters stay
      {std::string("ab\0cd", 5), "ab"},  // ends at the zero
      {"\x02"
       "AB",
       "AB"},  // capitals have no name
  };
  for (const TCase& c : cases) EXPECT_EQ(PlainText(c.markedUp), c.plain) << c.plain;
  EXPECT_EQ(GreekLetterName('j'), "Phi");
  EXPECT_EQ(GreekLetterName('f'), "");
}

}  // namespace

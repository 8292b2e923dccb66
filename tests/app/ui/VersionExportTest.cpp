#include "VersionExport.h"

#include <gtest/gtest.h>

#include <string>

TEST(VersionExport, RefusesShortBuffersAndFillsSixCharacters) {
  std::string buffer(7, '#');
  EXPECT_EQ(GetVelarionVersion(buffer.data(), 5), 0);
  EXPECT_EQ(buffer, "#######");
  EXPECT_EQ(GetVelarionVersion(nullptr, 7), 0);
  EXPECT_EQ(GetVelarionVersion(buffer.data(), 6), 6);
  EXPECT_EQ(buffer, "5.72 R#");  // no terminating zero
}

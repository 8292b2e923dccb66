// astrof.ttf in the program folder, read by fontconfig (through FreeType): it is the face
// "Ravar Oder" and has a glyph for every character code the program draws in it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "CatalogueTestSupport.h"

namespace velarion::catalogues {
namespace {

// What fc-query prints for the format, or nothing when it cannot run.
std::string FcQuery(const std::string& format, const std::filesystem::path& font) {
  const std::string command =
      "fc-query --format='" + format + "' '" + font.string() + "' 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string out;
  if (pipe) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) {
      out += buffer;
    }
  }
  return out;
}

// fc-query's charset text: hexadecimal code points and ranges "a-b" separated by blanks.
std::set<unsigned> Codes(const std::string& charset) {
  std::set<unsigned> codes;
  std::istringstream in(charset);
  for (std::string item; in >> item;) {
    const std::size_t dash = item.find('-');
    const unsigned first = std::stoul(item.substr(0, dash), nullptr, 16);
    const unsigned last =
        dash == std::string::npos ? first : std::stoul(item.substr(dash + 1), nullptr, 16);
    for (unsigned c = first; c <= last; ++c) {
      codes.insert(c);
    }
  }
  return codes;
}

TEST(AstroFontTest, IsRavarOderWithEverySymbolTheProgramDraws) {
  const std::filesystem::path font = test::kDataDir / "astrof.ttf";
  ASSERT_TRUE(std::filesystem::exists(font));
  if (std::system("command -v fc-query >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "fc-query is not installed";
  }
  EXPECT_EQ(FcQuery("%{family}", font), "Ravar Oder");
  EXPECT_EQ(FcQuery("%{outline}", font), "True");
  // Planet symbols after markup code 9 (Mercury .. Pluto), and the special symbols 25 .. 28
  // (comet, cluster, nebula or galaxy, and the fourth), drawn from "p" .. "s".
  const std::set<unsigned> codes = Codes(FcQuery("%{charset}", font));
  for (char c : std::string("SnUVWXYZpqrs")) {
    EXPECT_TRUE(codes.count(static_cast<unsigned char>(c))) << c;
  }
}

}  // namespace
}  // namespace velarion::catalogues

#include "ColourConversion.h"

#include "Numbers.h"

#include <string>
#include <string_view>
#include <vector>

namespace velarion::install {

namespace {

constexpr std::string_view kSky = "Sky";
constexpr std::string_view kGrid = "Grid";
constexpr std::size_t kMaxItems = 64;

struct TEarlierList {
  std::string_view key;
  bool printer;
  std::string_view secondColour;        // replaces the second item of a short list
  std::string_view appendedColours[2];  // added to a short list
};

constexpr TEarlierList kScreen = {"ScreenColor", false, "10027008", {"8388608", "6684672"}};
constexpr TEarlierList kPrinter = {"PrintColor", true, "16777215", {"16777215", "16777215"}};

std::vector<std::string> SplitItems(std::string_view text) {
  std::vector<std::string> items;
  while (items.size() < kMaxItems) {
    const std::size_t comma = text.find(',');
    items.emplace_back(text.substr(0, comma));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return items;
}

void SetColourFromText(sky::TColorScheme& scheme, int slot, std::string_view text) {
  if (const auto value = velplatform::ParseInteger(text)) {
    scheme.SetColor(slot, static_cast<uint32_t>(*value));
  }
}

// Items 1 … 9 are colours 0 … 8, the grid colour is 9, items 10 … 13 are colours 10 … 13.
sky::TColorSchemePtr SchemeFromItems(const std::vector<std::string>& items, bool printer,
                                     std::string_view gridColour) {
  auto scheme = std::make_shared<sky::TColorScheme>("User", printer);
  for (std::size_t i = 0; i < items.size() && i < 13; ++i) {
    const int slot = i < 9 ? static_cast<int>(i) : static_cast<int>(i) + 1;
    SetColourFromText(*scheme, slot, items[i]);
  }
  SetColourFromText(*scheme, 9, gridColour);
  return scheme;
}

bool ConvertList(velplatform::TIniDocument& settings, sky::TColorSchemeList& list,
                 const TEarlierList& earlier) {
  const auto value = settings.Get(kSky, earlier.key);
  if (!value || value->find(',') == std::string::npos) return false;
  std::vector<std::string> items = SplitItems(*value);
  if (items.size() >= 2 && items.size() <= 12) {
    items[1] = earlier.secondColour;
    for (const auto colour : earlier.appendedColours) items.emplace_back(colour);
  }
  const std::string grid = settings.Get(kGrid, earlier.key).value_or("0");
  list.push_back(SchemeFromItems(items, earlier.printer, grid));
  settings.Set(kSky, earlier.key, std::to_string(list.size() - 1));
  return true;
}

}  // namespace

bool ConvertEarlierColours(velplatform::TIniDocument& settings, sky::TColorSchemes& schemes) {
  const bool screenAdded = ConvertList(settings, schemes.screen, kScreen);
  const bool printerAdded = ConvertList(settings, schemes.printer, kPrinter);
  if (settings.Get(kSky, "ChangeSpaceColor") == "0") settings.Set(kSky, "ChangeSpaceColor", "3");
  settings.RemoveKey(kSky, "AutoR");
  return screenAdded || printerAdded;
}

}  // namespace velarion::install

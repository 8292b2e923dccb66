#include "DeepSkyTexts.h"

#include "Cp1251.h"
#include "MarkupText.h"

#include <array>

namespace velarion::catalogues {

namespace {

constexpr std::array<const char*, 5> kFullTypeNames = {"Рассеяное скопление", "Шаровое скопление",
                                                       "Диффузная туманность",
                                                       "Планетарная туманность", "Галактика"};
constexpr std::array<const char*, 5> kShortTypeNames = {"расс.скопл.", "шар.скопл.", "дифф.тум.",
                                                        "план.тум.", "галактика"};

std::size_t TypeEntry(uint8_t type) { return type < 4 ? type : 4; }

}  // namespace

TMagellanicCloud CloudOf(const TDeepSkyRecord& record) {
  if (record.name == "LMC") return TMagellanicCloud::kLarge;
  if (record.name == "SMC") return TMagellanicCloud::kSmall;
  return TMagellanicCloud::kNone;
}

std::string FullTypeName(uint8_t type) {
  return velplatform::Cp1251(kFullTypeNames[TypeEntry(type)]);
}

std::string ShortTypeName(uint8_t type) {
  return velplatform::Cp1251(kShortTypeNames[TypeEntry(type)]);
}

std::string KindName(const TDeepSkyRecord& record) {
  switch (CloudOf(record)) {
    case TMagellanicCloud::kLarge:
      return velplatform::Cp1251("Большое Магелланово Облако");
    case TMagellanicCloud::kSmall:
      return velplatform::Cp1251("Малое Магелланово Облако");
    case TMagellanicCloud::kNone:
      break;
  }
  return FullTypeName(record.type);
}

std::string ShortName(const TDeepSkyRecord& record) {
  if (CloudOf(record) != TMagellanicCloud::kNone) return record.name;
  if (record.messier != 0) return "M " + std::to_string(record.messier);
  return "NGC " + std::to_string(record.ngc);
}

std::string LabelText(const TDeepSkyRecord& record) {
  std::string label{sky::kMarkupNormal, sky::kMarkupSmallOn, sky::kMarkupItalicOn};
  label += ShortName(record);
  label += sky::kMarkupItalicOff;
  label += sky::kMarkupSmallOff;
  return label;
}

int32_t SymbolOf(uint8_t type) { return type <= 1 ? kClusterSymbol : kNebulaSymbol; }

}  // namespace velarion::catalogues

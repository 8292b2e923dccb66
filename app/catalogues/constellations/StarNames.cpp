#include "StarNames.h"

#include "Cp1251.h"
#include "FindForm.h"
#include "GroupDataFile.h"
#include "GroupListExports.h"
#include "Units.h"
#include "velastro.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace velarion::catalogues {

namespace {

using velplatform::Cp1251;

constexpr char kFileName[] = "STARNAME.DAT";
constexpr char kBrightStarsCode[] = "BSC5P";
using velcommon::kDaysPerYear;
using velcommon::kMjdJ2000Day;

struct TBrightStar {
  int32_t hr;
  int32_t raArcsec;
  int32_t decArcsec;
  int32_t pmRa;
  int32_t pmDec;
};

int32_t BrightStarCount() {
  std::array<std::byte, kit::group_info::kSize> info{};
  if (!GetAnotherGroupInfo(kBrightStarsCode, info.data())) return 0;
  return kit::ReadGroupInfo(info).objectCount;
}

std::optional<TBrightStar> BrightStar(int32_t number) {
  namespace r = bright_star_record;
  std::array<std::byte, r::kSize> record{};  // byte 16 zero: the first fields only
  if (GetAnotherGroupObject(kBrightStarsCode, number, record.data(),
                            static_cast<int32_t>(record.size())) <
      static_cast<int32_t>(r::kAllFields)) {
    return std::nullopt;
  }
  return TBrightStar{velplatform::GetField<uint16_t>(record, r::kHr),
                     velplatform::GetField<int32_t>(record, r::kRa),
                     velplatform::GetField<int32_t>(record, r::kDec),
                     velplatform::GetField<int16_t>(record, r::kPmRa),
                     velplatform::GetField<int16_t>(record, r::kPmDec)};
}

}  // namespace

void TStarNames::Init() {
  Code = "SNAME";
  Name = Cp1251("Собственные имена звезд");
  Version = "2.0";
  EpochKind = 0;
  ShowInQuickView = false;
  ShowInDetailedView = false;
  Selectable = false;
  SearchCaption = Cp1251("звезду по собственному имени");
  SearchGroupCode = kBrightStarsCode;
}

bool TStarNames::InitResources(kit::TWindowHandle owner) {
  const std::optional<TStarNamesFile> file =
      OpenGroupDataFile<TStarNamesFile>(owner, programFolder_, kFileName);
  if (!file) return false;
  names_.clear();
  names_.reserve(std::max(kInitialRoom, file->Count()));
  for (std::size_t i = 0; i < file->Count(); ++i) names_.push_back(*file->Record(i));
  ObjectCount = static_cast<int32_t>(names_.size());
  return kit::TObjectGroup::InitResources(owner);
}

void TStarNames::FreeResources() {
  names_ = {};
  ObjectCount = 0;
  kit::TObjectGroup::FreeResources();
}

// The name is cut so that the record, its zero included, stays inside the buffer.
int32_t TStarNames::GetObjectData(int32_t index, std::span<std::byte> buffer) {
  namespace r = star_name_record;
  if (!IsValidIndex(index) || buffer.size() < r::kMinSize) return 0;
  const TStarName& star = names_[static_cast<std::size_t>(index - 1)];
  const std::size_t length = std::min(star.name.size(), buffer.size() - r::kName - 1);
  velplatform::PutField(buffer, r::kHr, star.hr);
  std::memcpy(buffer.data() + r::kName, star.name.data(), length);
  buffer[r::kName + length] = std::byte{0};
  return static_cast<int32_t>(length + r::kName + 1);
}

std::optional<int32_t> TStarNames::HrOfName(const std::string& normalisedName) const {
  for (const TStarName& star : names_) {
    if (NormaliseName(star.name) == normalisedName) return star.hr;
  }
  return std::nullopt;
}

int32_t TStarNames::SelectObjectForSearch(kit::TWindowHandle owner) {
  TFindForm form(Cp1251("Поиск звезды по имени"));
  for (const TStarName& star : names_) form.AddName(star.name);
  const std::optional<std::string> chosen = form.Run(owner);
  const std::optional<int32_t> hr = chosen ? HrOfName(*chosen) : std::nullopt;
  if (!hr) return -1;
  const int32_t stars = BrightStarCount();
  for (int32_t number = 1; number <= stars; ++number) {
    const std::optional<TBrightStar> star = BrightStar(number);
    if (!star || star->hr != *hr) continue;
    const auto tenthsOfYear =
        static_cast<int32_t>(std::lround((View.mjdUt - kMjdJ2000Day) / kDaysPerYear * 10.0));
    int32_t ra = 0;
    int32_t dec = 0;
    PropMotion_LowPrec(star->raArcsec, star->decArcsec, star->pmRa, star->pmDec, tenthsOfYear, &ra,
                       &dec);
    SearchRa = ra / 3600.0;
    SearchDec = dec / 3600.0;
    return number;
  }
  return -1;
}

kit::TGroupPtr MakeStarNamesGroup(const std::string& programFolder) {
  return kit::MakeGroup<TStarNames>(programFolder);
}

}  // namespace velarion::catalogues

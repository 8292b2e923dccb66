#include "StarDesignation.h"

#include "ValueFormat.h"

#include <optional>

namespace velarion::catalogues {
namespace {

using namespace markup;

constexpr std::size_t kDesignationNameWidth = 5;
constexpr std::size_t kAbbreviationOffset = 6, kAbbreviationWidth = 3;

std::string Number(int64_t n) { return sky::IntToText(n); }

bool HasBayerIndex(const TStarRecord& star) {
  return star.bayerIndex >= '1' && star.bayerIndex <= '9';
}

std::string BayerPart(const TStarRecord& star) {
  std::string text{kGreek, star.bayerLetter};
  if (HasBayerIndex(star)) text += std::string{kNormal, kRaisedOn, star.bayerIndex, kRaisedOff};
  return text;
}

// The 5-character part of the designation without its blanks.
std::string DesignationText(const TStarRecord& star) {
  return sky::TrimSpaces(std::string_view(star.designation).substr(0, kDesignationNameWidth));
}

// The designation when it names the star in its own constellation: the abbreviation it
// carries is the constellation's, and it is not a variable-star name.
std::optional<std::string> OwnDesignation(const TStarRecord& star, std::string_view abbreviation) {
  const std::string_view stored =
      std::string_view(star.designation).size() >= kAbbreviationOffset + kAbbreviationWidth
          ? std::string_view(star.designation).substr(kAbbreviationOffset, kAbbreviationWidth)
          : std::string_view();
  std::string text = DesignationText(star);
  if (text.empty() || text.front() == 'V' || stored != abbreviation) return std::nullopt;
  return text;
}

std::string HrText(const TStarRecord& star) { return "HR " + Number(star.hr); }

// A proper name up to its remark in square brackets, without the space before the remark.
std::string_view WithoutRemark(std::string_view name) {
  name = name.substr(0, name.find('['));
  if (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

}  // namespace

std::string StarLabel(const TStarRecord& star, std::string_view abbreviation,
                      std::string_view properName) {
  if (!properName.empty())
    return std::string{kNormal, kStyleOn} + std::string(properName) + kStyleOff;
  if (star.bayerLetter != 0) return BayerPart(star);
  if (const std::optional<std::string> own = OwnDesignation(star, abbreviation)) {
    return std::string{kNormal, kSmallOn} + *own + kSmallOff;
  }
  if (star.flamsteed != 0)
    return std::string{kNormal, kSmallOn} + Number(star.flamsteed) + kSmallOff;
  return std::string{kNormal, kSmallOn, kStyleOn} + Number(star.hr) + kStyleOff + kSmallOff;
}

TLeadDesignation LeadDesignation(const TStarRecord& star, std::string_view abbreviation) {
  if (star.bayerLetter != 0) return {TDesignationKind::kBayer, BayerPart(star)};
  if (const std::optional<std::string> own = OwnDesignation(star, abbreviation)) {
    return {TDesignationKind::kCatalogue, kNormal + *own};
  }
  if (star.flamsteed != 0) return {TDesignationKind::kFlamsteed, kNormal + Number(star.flamsteed)};
  return {TDesignationKind::kHr, kNormal + HrText(star)};
}

std::vector<std::string> OtherDesignations(const TStarRecord& star, TDesignationKind lead) {
  std::vector<std::string> others;
  if (star.flamsteed != 0 && lead != TDesignationKind::kFlamsteed) {
    others.push_back(Number(star.flamsteed));
  }
  if (std::string text = DesignationText(star);
      !text.empty() && lead != TDesignationKind::kCatalogue) {
    others.push_back(std::move(text));
  }
  if (lead != TDesignationKind::kHr) others.push_back(HrText(star));
  return others;
}

std::string StarName(const TStarRecord& star, std::string_view abbreviation,
                     std::string_view constellationName, std::string_view properName) {
  std::string name =
      LeadDesignation(star, abbreviation).text + "  " + kNormal + std::string(constellationName);
  if (!properName.empty()) name += " (" + std::string(WithoutRemark(properName)) + " )";
  return name;
}

}  // namespace velarion::catalogues

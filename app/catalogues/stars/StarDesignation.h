// How a bright star is named: its map label and the designations its name and information
// lines are made of (Bayer letter, catalogue designation, Flamsteed number, HR number),
// as marked-up text with the inline format codes of DrawString.
#ifndef VELARION_APP_CATALOGUES_STARS_STARDESIGNATION_H
#define VELARION_APP_CATALOGUES_STARS_STARDESIGNATION_H

#include "StarFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace velarion::catalogues {

// Inline format codes of DrawString.
namespace markup {
inline constexpr char kNormal = '\x01';
inline constexpr char kGreek = '\x02';
inline constexpr char kRaisedOn = '\x03';
inline constexpr char kRaisedOff = '\x04';
inline constexpr char kStyleOn = '\x05';
inline constexpr char kStyleOff = '\x06';
inline constexpr char kSmallOn = '\x07';
inline constexpr char kSmallOff = '\x08';
}  // namespace markup

// The abbreviation "CNAME" gives when it does not know the constellation.
inline constexpr std::string_view kUnknownConstellation = "???";

// The map label. A non-empty proper name wins; then the Bayer letter, the catalogue
// designation (when it belongs to `abbreviation`, the constellation's abbreviation), the
// Flamsteed number and the HR number.
std::string StarLabel(const TStarRecord& star, std::string_view abbreviation,
                      std::string_view properName);

enum class TDesignationKind { kBayer, kCatalogue, kFlamsteed, kHr };

struct TLeadDesignation {
  TDesignationKind kind;
  std::string text;  // marked up
};

// The designation a star's name begins with, in the same order of precedence.
TLeadDesignation LeadDesignation(const TStarRecord& star, std::string_view abbreviation);

// The designations not used as the lead: the Flamsteed number, the catalogue designation
// and "HR " + number, as far as the star has them.
std::vector<std::string> OtherDesignations(const TStarRecord& star, TDesignationKind lead);

// The name: lead designation, the constellation's name and, when there is one, the proper
// name without its remark in square brackets.
std::string StarName(const TStarRecord& star, std::string_view abbreviation,
                     std::string_view constellationName, std::string_view properName);

}  // namespace velarion::catalogues

#endif

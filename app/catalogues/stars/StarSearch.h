// Finding a bright star by its Bayer letter, Flamsteed number or HR number.
#ifndef VELARION_APP_CATALOGUES_STARS_STARSEARCH_H
#define VELARION_APP_CATALOGUES_STARS_STARSEARCH_H

#include "StarFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace velarion::catalogues {

enum class TStarQueryKind { kBayer, kFlamsteed, kHr };

struct TStarQuery {
  TStarQueryKind kind = TStarQueryKind::kBayer;
  char bayerLetter = 0;
  char bayerIndex = 0;  // '1'..'9'; 0: any index or none
  int32_t flamsteed = 0;
  int32_t constellation = 0;      // "CNAME" object number
  int32_t alsoConstellation = 0;  // a second number accepted (the other part of Serpens), 0: none
  int32_t hr = 0;
};

// Record index (from 0) of the star asked for. Bayer and Flamsteed queries take the
// brightest match (the file ends with the brightest stars); the HR query the first.
std::optional<std::size_t> FindStar(const TStarFile& file, const TStarQuery& query);

}  // namespace velarion::catalogues

#endif

#include "StarSearch.h"

namespace velarion::catalogues {
namespace {

bool InConstellation(const TStarRecord& star, const TStarQuery& query) {
  return star.constellation == query.constellation ||
         (query.alsoConstellation != 0 && star.constellation == query.alsoConstellation);
}

bool Matches(const TStarRecord& star, const TStarQuery& query) {
  switch (query.kind) {
    case TStarQueryKind::kBayer:
      return star.bayerLetter == query.bayerLetter && query.bayerLetter != 0 &&
             (query.bayerIndex == 0 || star.bayerIndex == query.bayerIndex) &&
             InConstellation(star, query);
    case TStarQueryKind::kFlamsteed:
      return star.flamsteed == query.flamsteed && query.flamsteed != 0 &&
             InConstellation(star, query);
    case TStarQueryKind::kHr:
      return star.hr == query.hr;
  }
  return false;
}

}  // namespace

std::optional<std::size_t> FindStar(const TStarFile& file, const TStarQuery& query) {
  const std::size_t count = file.Count();
  const bool fromTheEnd = query.kind != TStarQueryKind::kHr;
  for (std::size_t step = 0; step < count; ++step) {
    const std::size_t index = fromTheEnd ? count - 1 - step : step;
    const std::optional<TStarRecord> star = file.Record(index);
    if (star && Matches(*star, query)) return index;
  }
  return std::nullopt;
}

}  // namespace velarion::catalogues

// One piece of an object's path: a span of time with Chebyshev series for right ascension
// and declination (J2000.0), and the chain of such pieces ordered by time, with gaps where
// the object's place was not known.
#ifndef VELARION_APP_SOLAR_PATHS_PATHSEGMENT_H
#define VELARION_APP_SOLAR_PATHS_PATHSEGMENT_H

#include "ChebyshevFit.h"
#include "SkyPlace.h"

#include <array>
#include <optional>
#include <span>

namespace velarion::paths {

struct TPathSegment {
  TTimeSpan span;
  TChebyshevSeries ra{};  // degrees, continuous across 0h
  TChebyshevSeries dec{};
};

using TNodePlaces = std::array<TSkyPlace, kChebyshevNodes>;

// The segment through the places at NodeTimes(span). Right ascensions are first made
// continuous: a step of more than 180 degrees between neighbouring nodes is a pass
// through 0h.
TPathSegment FitSegment(const TTimeSpan& span, const TNodePlaces& places);

// The fitted place at t, right ascension in 0 .. 360.
TSkyPlace PlaceOnSegment(const TPathSegment& segment, double t);

// The segment whose span holds t (ends included, within `slack` centuries), none in a gap
// or outside the chain. `segments` is ordered by time.
const TPathSegment* SegmentAt(std::span<const TPathSegment> segments, double t, double slack = 0.0);

// The fitted place at t on the chain, none in a gap or outside it.
std::optional<TSkyPlace> PlaceOnPath(std::span<const TPathSegment> segments, double t);

}  // namespace velarion::paths

#endif

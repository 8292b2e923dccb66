// The checks of the window "Траектории объектов" before it (re)computes a path: the dates
// of both ends, the mark step and the number of marks, in the order the user is told of
// them, and the span in T the path is computed over.
#ifndef VELARION_APP_UI_DIALOGS_PATHPARAMETERS_H
#define VELARION_APP_UI_DIALOGS_PATHPARAMETERS_H

#include "ChebyshevFit.h"
#include "MomentFields.h"
#include "ObjectPath.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace velarion::ui {

struct TPathParameterFields {
  TDateEntry start;
  TDateEntry end;
  paths::TPathMarks marks;  // unit kNone: the marks are off
};

// What the message box shows (CP1251).
struct TPathParameterError {
  std::string caption;
  std::string message;
  bool operator==(const TPathParameterError&) const = default;
};

// The span in T of universal time (the local moments less the zone), or the first error.
std::variant<paths::TTimeSpan, TPathParameterError> CheckPathParameters(
    const TPathParameterFields& fields, double timeZoneHours);

// Whether a path computed over `computed` (none: not yet) must be computed again for
// `wanted`: an end moved by more than 3e-10 century (1 ms).
bool PathSpanMoved(const std::optional<paths::TTimeSpan>& computed, const paths::TTimeSpan& wanted);

}  // namespace velarion::ui

#endif

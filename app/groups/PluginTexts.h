// Texts that come back from plug-in libraries, read only within the buffer the host gave.
#ifndef VELARION_APP_GROUPS_PLUGINTEXTS_H
#define VELARION_APP_GROUPS_PLUGINTEXTS_H

#include "SkyObjectGroup.h"

#include <array>
#include <cstdint>
#include <string>

namespace velarion::groups {

inline constexpr int32_t kCaptionBufferSize = 512;
inline constexpr int32_t kLinesBufferSize = 2048;

// The buffer's text up to its first zero (or its end).
std::string ZeroTerminatedText(const std::array<char, kCaptionBufferSize>& buffer);

// The text of a caption call's result (length + 1, or below 1 for none), never more
// than the buffer holds nor past its first zero.
std::string CaptionText(const std::array<char, kCaptionBufferSize>& buffer, int32_t result);

// `count` zero-terminated lines from the buffer, cut after the count-th zero; a claim of
// more lines than the buffer holds gives the complete ones only.
TTextList LinesText(const std::array<char, kLinesBufferSize>& buffer, int32_t count);

}  // namespace velarion::groups

#endif

// Spaces and tabs around text, as settings files and number fields carry them.
#ifndef VELARION_PLATFORM_BLANKS_H
#define VELARION_PLATFORM_BLANKS_H

#include <string_view>

namespace velplatform {

inline std::string_view TrimBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace velplatform

#endif

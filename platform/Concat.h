// Text made of several pieces in one allocation.
#ifndef VELARION_PLATFORM_CONCAT_H
#define VELARION_PLATFORM_CONCAT_H

#include <initializer_list>
#include <string>
#include <string_view>

namespace velplatform {

inline std::string Concat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (std::string_view p : pieces) size += p.size();
  std::string text;
  text.reserve(size);
  for (std::string_view p : pieces) text.append(p);
  return text;
}

}  // namespace velplatform

#endif

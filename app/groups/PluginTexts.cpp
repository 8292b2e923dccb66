#include "PluginTexts.h"

#include "ZStrings.h"

#include <algorithm>
#include <string_view>

namespace velarion::groups {

std::string ZeroTerminatedText(const std::array<char, kCaptionBufferSize>& buffer) {
  const std::string_view text(buffer.data(), buffer.size());
  return std::string(text.substr(0, text.find('\0')));
}

std::string CaptionText(const std::array<char, kCaptionBufferSize>& buffer, int32_t result) {
  if (result < 1) return {};
  const std::size_t wanted = std::min<std::size_t>(result - 1, buffer.size());
  const std::string_view text(buffer.data(), wanted);
  return std::string(text.substr(0, text.find('\0')));
}

TTextList LinesText(const std::array<char, kLinesBufferSize>& buffer, int32_t count) {
  if (count <= 0) return {};
  std::string text = kit::CutAfterEntries(std::string_view(buffer.data(), buffer.size()), count);
  // A library may claim more lines than the buffer holds: keep the complete ones.
  text.resize(text.rfind('\0') == std::string::npos ? 0 : text.rfind('\0') + 1);
  return {static_cast<int32_t>(std::count(text.begin(), text.end(), '\0')), text};
}

}  // namespace velarion::groups

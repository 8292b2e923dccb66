#include "VersionExport.h"

#include <algorithm>

using velarion::ui::kVersionText;

extern "C" {

VELARION_HOST_EXPORT int32_t GetVelarionVersion(char* buffer, int32_t size) {
  const auto length = static_cast<int32_t>(kVersionText.size());
  if (buffer == nullptr || size < length) return 0;
  std::copy(kVersionText.begin(), kVersionText.end(), buffer);
  return length;
}
}

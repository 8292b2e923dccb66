#include "Edition.h"

namespace velarion::kit {

namespace {

char gEditionLetter = '\0';

}  // namespace

void ReadEdition(TVersionRequest request) {
  gEditionLetter = '\0';
  if (request == nullptr) return;
  char buffer[7] = {};
  const int32_t written = request(buffer, static_cast<int32_t>(sizeof buffer));
  if (written >= 1 && written <= static_cast<int32_t>(sizeof buffer)) {
    gEditionLetter = buffer[written - 1];
  }
}

bool RussianEdition() { return gEditionLetter == 'R'; }

char EditionLetter() { return gEditionLetter; }

}  // namespace velarion::kit

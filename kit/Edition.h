// Which texts a plug-in shows: Russian for the host's Russian edition, English otherwise.
#ifndef VELARION_KIT_EDITION_H
#define VELARION_KIT_EDITION_H

#include <cstdint>

namespace velarion::kit {

// The host's answer to the version request: the characters written and their count.
using TVersionRequest = int32_t (*)(char* buffer, int32_t size);

// Asks the host once (7-byte buffer) and keeps the last character of its version text as
// the edition letter; without an answer the edition is English.
void ReadEdition(TVersionRequest request);
bool RussianEdition();
char EditionLetter();  // '\0' when the host gave no version text

// One of two texts by the edition.
inline const char* ByEdition(const char* russian, const char* english) {
  return RussianEdition() ? russian : english;
}

}  // namespace velarion::kit

#endif

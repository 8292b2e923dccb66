// The drawing and view exports groups and plug-ins call on the program's one sky image,
// while they are calculated or drawn: DrawString, DrawSymbol, GetSymbolSize, SetDrawColor,
// GetDrawDeviceBitDepth, GetCommonParameters and GetAdditionalParam, declared by
// HostInterface.h with their records.
#ifndef VELARION_APP_SKY_SKYIMAGEEXPORTS_H
#define VELARION_APP_SKY_SKYIMAGEEXPORTS_H

#include "HostExport.h"

#include <cstddef>
#include <cstdint>

namespace velarion::sky {

class TSkyImage;

// The sky image the exports act on (none: they answer with their neutral values).
void SetHostSkyImage(TSkyImage* image);

}  // namespace velarion::sky

#endif

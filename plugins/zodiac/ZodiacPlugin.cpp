// The plug-in's one group.
#include "EclipticLine.h"

namespace velarion::kit {
TGroupPtr CreatePluginGroup() { return MakeGroup<zodiac::TEclipticLine>(); }
}  // namespace velarion::kit

#include "GridSettings.h"

#include "ByteFields.h"
#include "SkyImageExports.h"

namespace velarion::catalogues {

TGridParams ReadGridParams() {
  namespace a = kit::additional_param;
  std::array<std::byte, a::kSize> record{};
  TGridParams params;
  if (!GetAdditionalParam(0, record.data(), static_cast<int32_t>(record.size()))) return params;
  for (std::size_t i = 0; i < 4; ++i) {
    params.lineVisible[i] = velplatform::GetField<uint8_t>(record, a::kLineVisible + i) != 0;
    params.lineStep[i] = velplatform::GetField<int32_t>(record, a::kLineStep + 4 * i);
  }
  params.azimuthAuto = velplatform::GetField<uint8_t>(record, a::kAzimuthAuto) != 0;
  params.equatorialAuto = velplatform::GetField<uint8_t>(record, a::kEquatorialAuto) != 0;
  params.horizontalGrid = velplatform::GetField<uint8_t>(record, a::kAzimuthGrid) != 0;
  params.equatorialGrid = velplatform::GetField<uint8_t>(record, a::kEquatorialGrid) != 0;
  return params;
}

}  // namespace velarion::catalogues

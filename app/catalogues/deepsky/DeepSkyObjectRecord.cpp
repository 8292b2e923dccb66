#include "DeepSkyObjectRecord.h"

#include "ByteFields.h"
#include "ValueFormat.h"

namespace velarion::catalogues {

int32_t WriteDeepSkyObjectRecord(const TDeepSkyRecord& record, std::span<std::byte> buffer) {
  namespace r = deep_sky_object;
  if (buffer.size() < r::kRecordSize) return 0;
  using velplatform::PutField;
  PutField(buffer, r::kMessier, record.messier);
  PutField(buffer, r::kNgc, record.ngc);
  velplatform::PutText(buffer, r::kName, r::kNameWidth, record.name);
  PutField(buffer, r::kRa, sky::ParseFloatText(record.raText));
  PutField(buffer, r::kDec, sky::ParseFloatText(record.decText));
  PutField(buffer, r::kType, record.type);
  PutField(buffer, r::kReserved, record.reserved);
  PutField(buffer, r::kMagnitude, record.magnitudeCenti);
  PutField(buffer, r::kSize, record.sizeDeciArcmin);
  return static_cast<int32_t>(r::kRecordSize);
}

}  // namespace velarion::catalogues

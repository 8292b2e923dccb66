#include "ExportAdapter.h"

namespace velarion::kit {

namespace {

constexpr int32_t kRectSize = 16;
constexpr int32_t kRaDecSize = 16;
constexpr int32_t kXYSize = 8;

}  // namespace

int32_t TExportAdapter::GetGroupInfo(int32_t kind, void* buffer, int32_t size) {
  const TBytes bytes = BufferOf(buffer, size);
  switch (kind) {
    case 0:
      if (bytes.size() >= group_info::kSize) WriteGroupInfo(group_.Info(), bytes);
      return 0;
    case 1:
      return group_.GetObjectCount();
    case 2:
      return CopyText(group_.SearchCaption, bytes);
    case 3:
      return CopyText(group_.ActionCaption, bytes);
    case 4:
      CopyText(group_.InfoItems.Text(), bytes);
      return group_.InfoItems.Count();
    default:
      return 0;
  }
}

int32_t TExportAdapter::ObjectStrings(int32_t number, TBytes buffer) {
  TZStrings lines;
  group_.GetObjectStrings(number, lines);
  CopyText(lines.Text(), buffer);
  const bool fitted = !lines.Text().empty() && lines.Text().size() < buffer.size();
  return fitted ? lines.Count() : (buffer.empty() ? 0 : 1);
}

int32_t TExportAdapter::GetObjectInfo(int32_t number, int32_t kind, void* buffer, int32_t size) {
  const TBytes bytes = BufferOf(buffer, size);
  switch (kind) {
    case kInfoRect: {
      TObjectRect r;
      if (bytes.size() < kRectSize || !group_.GetObjectRect(number, r)) return 0;
      PutField(bytes, 0, r.left);
      PutField(bytes, 4, r.top);
      PutField(bytes, 8, r.right);
      PutField(bytes, 12, r.bottom);
      return kRectSize;
    }
    case kInfoRaDec: {
      double ra = 0.0;
      double dec = 0.0;
      if (bytes.size() < kRaDecSize || !group_.GetObjectRaDec(number, ra, dec)) return 0;
      PutField(bytes, 0, ra);
      PutField(bytes, 8, dec);
      return kRaDecSize;
    }
    case kInfoXY: {
      int32_t x = 0;
      int32_t y = 0;
      if (bytes.size() < kXYSize || !group_.GetObjectXY(number, x, y)) return 0;
      PutField(bytes, 0, x);
      PutField(bytes, 4, y);
      return kXYSize;
    }
    case kInfoData:
      return bytes.empty() ? 0 : group_.GetObjectData(number, bytes);
    case kInfoStrings:
      return ObjectStrings(number, bytes);
    case kInfoName:
      return CopyText(group_.GetObjectName(number), bytes);
    case kInfoCommonObject: {
      TCommonObject object;
      if (bytes.size() < common_object::kRecordSize || !group_.GetFObjectData(number, object)) {
        return 0;
      }
      WriteCommonObject(object, bytes);
      return 1;
    }
    default:
      return 0;
  }
}

bool TExportAdapter::InitResources(TOpaqueHandle owner) {
  const bool ready = group_.InitResources(owner);
  if (ready) group_.ResourcesReady = true;
  return ready;
}

void TExportAdapter::FreeResources(TOpaqueHandle) {
  group_.FreeResources();
  group_.ResourcesReady = false;
}

void TExportAdapter::RefreshParam(const void* recordAndColourTable) {
  if (recordAndColourTable == nullptr) return;
  group_.View = ReadRefreshParam(
      {static_cast<const std::byte*>(recordAndColourTable), refresh_param::kSizeWithTable});
  group_.RefreshParam();
}

void TExportAdapter::CalculateObjects(int32_t viewMode, int32_t left, int32_t top, int32_t right,
                                      int32_t bottom, double raMin, double raMax, double decMin,
                                      double decMax, TVisibleObjectCallback report) {
  group_.ViewMode = static_cast<uint8_t>(viewMode & 0xFF);
  group_.ViewRect = {left, right, top, bottom};
  group_.RaDecWindow = {raMin, raMax, decMin, decMax};
  group_.CalculateObjects([report](int32_t number) {
    if (report != nullptr) report(number);
  });
}

void TExportAdapter::DrawObjects(TOpaqueHandle device, const int32_t* viewRect,
                                 TNextObjectCallback next) {
  group_.DrawDevice = device;
  if (viewRect != nullptr) group_.ViewRect = {viewRect[0], viewRect[2], viewRect[1], viewRect[3]};
  group_.DrawObjects([next] { return next != nullptr ? next(0) : -1; });
}

int32_t TExportAdapter::SelectObjectForSearch(TOpaqueHandle owner, void* searchResult) {
  const int32_t number = group_.SelectObjectForSearch(owner);
  if (number == -1) return -1;
  TSearchResult result;
  if (!group_.SearchGroupCode.empty()) {
    result = {group_.SearchGroupCode, number, group_.SearchRa, group_.SearchDec};
  } else if (group_.GetObjectRaDec(number, result.ra, result.dec)) {
    result.code = group_.Code;
  } else {
    return -1;
  }
  const TBytes record = BufferOf(searchResult, search_result::kSize);
  if (!record.empty()) WriteSearchResult(result, record);
  return number;
}

}  // namespace velarion::kit

#include "PluginVer20.h"

#include "ByteFields.h"
#include "PluginCallbacks.h"
#include "PluginTexts.h"

#include <array>

namespace velarion::groups {

namespace {

using kit::GetField;

}  // namespace

std::unique_ptr<TPluginVer20> TPluginVer20::Bind(
    std::unique_ptr<velplatform::TSharedLibrary> library) {
  kit::TPluginExports20 e{};
  const auto& lib = *library;
  const bool complete =
      lib.Bind("GetGroupInfo", e.GetGroupInfo) && lib.Bind("GetObjectInfo", e.GetObjectInfo) &&
      lib.Bind("InitResources", e.InitResources) && lib.Bind("FreeResources", e.FreeResources) &&
      lib.Bind("RefreshParam", e.RefreshParam) &&
      lib.Bind("CalculateObjects", e.CalculateObjects) && lib.Bind("DrawObjects", e.DrawObjects) &&
      lib.Bind("SelectObjectForSearch", e.SelectObjectForSearch) &&
      lib.Bind("EditOptions", e.EditOptions) && lib.Bind("AdvancedInfo", e.AdvancedInfo) &&
      lib.Bind("AdvancedAction", e.AdvancedAction);
  if (!complete) return nullptr;
  return std::unique_ptr<TPluginVer20>(new TPluginVer20(std::move(library), e));
}

TPluginVer20::TPluginVer20(std::unique_ptr<velplatform::TSharedLibrary> library,
                           const kit::TPluginExports20& e)
    : library_(std::move(library)), exports_(e) {
  TakeIdentity(GetGroupInfo());
}

TPluginVer20::~TPluginVer20() {
  if (ResourcesReady) FreeResources(0);
}

int32_t TPluginVer20::GetObjectCount() { return exports_.GetGroupInfo(1, nullptr, 0); }

std::string TPluginVer20::Caption(int32_t kind) {
  std::array<char, kCaptionBufferSize> buffer{};
  return CaptionText(buffer, exports_.GetGroupInfo(kind, buffer.data(), kCaptionBufferSize));
}

std::string TPluginVer20::GetSearchCaption() { return Caption(2); }

std::string TPluginVer20::GetActionCaption() { return Caption(3); }

TGroupInfo TPluginVer20::GetGroupInfo() {
  std::array<std::byte, kit::group_info::kSize> record{};
  exports_.GetGroupInfo(0, record.data(), static_cast<int32_t>(record.size()));
  return kit::ReadGroupInfo(record);
}

bool TPluginVer20::InitResources(TWindowHandle owner) {
  if (ResourcesReady) return true;
  ResourcesReady = exports_.InitResources(owner);
  return ResourcesReady;
}

void TPluginVer20::FreeResources(TWindowHandle owner) {
  if (!ResourcesReady) return;
  exports_.FreeResources(owner);
  ResourcesReady = false;
}

void TPluginVer20::RefreshParam(std::span<const std::byte> recordAndColourTable) {
  if (recordAndColourTable.size() >= kit::refresh_param::kSizeWithTable) {
    exports_.RefreshParam(recordAndColourTable.data());
  }
}

void TPluginVer20::CalculateObjects(uint8_t viewMode, const TObjectRect& r, const TRaDecWindow& w) {
  RunList.Clear();
  const TFillScope fill(RunList);
  exports_.CalculateObjects(viewMode, r.left, r.top, r.right, r.bottom, w.raMin, w.raMax, w.decMin,
                            w.decMax, &ReportVisibleObject);
}

void TPluginVer20::DrawObjects(TDeviceHandle device, const TObjectRect& r) {
  const int32_t rect[4] = {r.left, r.top, r.right, r.bottom};
  TObjectRangeWalk walk(RunList);
  const TWalkScope scope(walk);
  exports_.DrawObjects(device, rect, &NextVisibleObject);
}

void TPluginVer20::DrawObject(int32_t number, TDeviceHandle device, const TObjectRect& r) {
  const int32_t rect[4] = {r.left, r.top, r.right, r.bottom};
  TObjectRangeList one;
  one.AddRun(number, number);
  TObjectRangeWalk walk(one);
  const TWalkScope scope(walk);
  exports_.DrawObjects(device, rect, &NextVisibleObject);
}

bool TPluginVer20::GetObjectRect(int32_t number, TObjectRect& rect) {
  std::array<std::byte, 16> b{};
  if (exports_.GetObjectInfo(number, kit::kInfoRect, b.data(), 16) <= 0) return false;
  rect = {GetField<int32_t>(b, 0), GetField<int32_t>(b, 4), GetField<int32_t>(b, 8),
          GetField<int32_t>(b, 12)};
  return true;
}

bool TPluginVer20::GetObjectRaDec(int32_t number, double& ra, double& dec) {
  std::array<std::byte, 16> b{};
  if (exports_.GetObjectInfo(number, kit::kInfoRaDec, b.data(), 16) <= 0) return false;
  ra = GetField<double>(b, 0);
  dec = GetField<double>(b, 8);
  return true;
}

bool TPluginVer20::GetObjectXY(int32_t number, int32_t& x, int32_t& y) {
  std::array<std::byte, 8> b{};
  if (exports_.GetObjectInfo(number, kit::kInfoXY, b.data(), 8) <= 0) return false;
  x = GetField<int32_t>(b, 0);
  y = GetField<int32_t>(b, 4);
  return true;
}

int32_t TPluginVer20::GetObjectData(int32_t number, std::span<std::byte> buffer) {
  if (buffer.empty()) return 0;
  const int32_t size = exports_.GetObjectInfo(number, kit::kInfoData, buffer.data(),
                                              static_cast<int32_t>(buffer.size()));
  return size > static_cast<int32_t>(buffer.size()) ? 0 : size;  // a size it cannot have written
}

bool TPluginVer20::GetFObjectData(int32_t number, std::span<std::byte> buffer) {
  if (buffer.size() < kit::common_object::kRecordSize) return false;
  const int32_t result = exports_.GetObjectInfo(number, kit::kInfoCommonObject, buffer.data(),
                                                static_cast<int32_t>(buffer.size()));
  if ((result & 0xFF) == 0) return false;
  kit::WriteCommonObjectMagic(buffer);
  return true;
}

TTextList TPluginVer20::GetObjectStrings(int32_t number) {
  std::array<char, kLinesBufferSize> buffer{};
  return LinesText(
      buffer, exports_.GetObjectInfo(number, kit::kInfoStrings, buffer.data(), kLinesBufferSize));
}

std::string TPluginVer20::GetObjectName(int32_t number) {
  std::array<char, kCaptionBufferSize> buffer{};
  return CaptionText(
      buffer, exports_.GetObjectInfo(number, kit::kInfoName, buffer.data(), kCaptionBufferSize));
}

TTextList TPluginVer20::GetInfoItems() {
  std::array<char, kLinesBufferSize> buffer{};
  return LinesText(buffer, exports_.GetGroupInfo(4, buffer.data(), kLinesBufferSize));
}

bool TPluginVer20::AdvancedInfo(TWindowHandle owner, int32_t number, int32_t command) {
  return exports_.AdvancedInfo(owner, number, command);
}

bool TPluginVer20::SelectObjectForSearch(TWindowHandle owner, TSearchHit& hit) {
  std::array<std::byte, kit::search_result::kSize> record{};
  const int32_t number = exports_.SelectObjectForSearch(owner, record.data());
  if (number == -1) return false;
  const kit::TSearchResult result = kit::ReadSearchResult(record);
  hit = {result.code, result.ra, result.dec, number};
  return true;
}

bool TPluginVer20::EditOptions(TWindowHandle owner) { return exports_.EditOptions(owner); }

bool TPluginVer20::AdvancedAction(TWindowHandle owner) { return exports_.AdvancedAction(owner); }

}  // namespace velarion::groups

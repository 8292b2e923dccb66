#include "PluginVer10.h"

#include "PluginCallbacks.h"
#include "PluginTexts.h"

#include <array>

namespace velarion::groups {

std::unique_ptr<TPluginVer10> TPluginVer10::Bind(
    std::unique_ptr<velplatform::TSharedLibrary> library) {
  kit::TPluginExports10 e{};
  const auto& lib = *library;
  const bool complete =
      lib.Bind("GetCatalogInfo", e.GetCatalogInfo) &&
      lib.Bind("GetCatalogObject", e.GetCatalogObject) &&
      lib.Bind("GetObjectStrings", e.GetObjectStrings) &&
      lib.Bind("ShowOptionsDialog", e.ShowOptionsDialog) &&
      lib.Bind("GetAdvancedInfoStrings", e.GetAdvancedInfoStrings) &&
      lib.Bind("AdvancedInfo", e.AdvancedInfo) && lib.Bind("SearchObjDialog", e.SearchObjDialog) &&
      lib.Bind("AdvancedAction", e.AdvancedAction) && lib.Bind("Calculate", e.Calculate) &&
      lib.Bind("DrawAll", e.DrawAll) && lib.Bind("DetailCalculate", e.DetailCalculate) &&
      lib.Bind("DetailBeginDraw", e.DetailBeginDraw) &&
      lib.Bind("DetailEndDraw", e.DetailEndDraw) && lib.Bind("DrawObject", e.DrawObject) &&
      lib.Bind("InitCatalog", e.InitCatalog) && lib.Bind("FreeCatalog", e.FreeCatalog);
  if (!complete) return nullptr;
  lib.Bind("GetObjectRect", e.GetObjectRect);  // optional
  return std::unique_ptr<TPluginVer10>(new TPluginVer10(std::move(library), e));
}

TPluginVer10::TPluginVer10(std::unique_ptr<velplatform::TSharedLibrary> library,
                           const kit::TPluginExports10& e)
    : library_(std::move(library)), exports_(e) {
  TakeIdentity(GetGroupInfo());
}

TPluginVer10::~TPluginVer10() {
  if (ResourcesReady) FreeResources(0);
}

TGroupInfo TPluginVer10::GetGroupInfo() {
  std::array<std::byte, kit::group_info::kSize> record{};
  exports_.GetCatalogInfo(record.data());
  return kit::ReadGroupInfo(record);
}

int32_t TPluginVer10::GetObjectCount() { return GetGroupInfo().objectCount; }

std::string TPluginVer10::Caption(bool (*call)(int32_t, void*, int32_t), bool offered) {
  if (!offered) return {};
  std::array<char, kCaptionBufferSize> buffer{};
  if (!call(1, buffer.data(), kCaptionBufferSize)) return {};
  return ZeroTerminatedText(buffer);
}

std::string TPluginVer10::GetSearchCaption() {
  return Caption(exports_.SearchObjDialog, HasSearch);
}

std::string TPluginVer10::GetActionCaption() { return Caption(exports_.AdvancedAction, HasAction); }

bool TPluginVer10::InitResources(TWindowHandle) {
  if (ResourcesReady) return true;
  ResourcesReady = exports_.InitCatalog();
  return ResourcesReady;
}

void TPluginVer10::FreeResources(TWindowHandle) {
  if (!ResourcesReady) return;
  exports_.FreeCatalog();
  ResourcesReady = false;
}

void TPluginVer10::CalculateObjects(uint8_t viewMode, const TObjectRect& r, const TRaDecWindow& w) {
  lastViewMode_ = viewMode;
  RunList.Clear();
  const TFillScope fill(RunList);
  if (viewMode == 0) {
    exports_.Calculate(&ReportVisibleRun);
  } else {
    exports_.DetailCalculate(w.raMin, w.raMax, w.decMin, w.decMax, r.left, r.top, r.right, r.bottom,
                             &ReportVisibleRun);
  }
}

void TPluginVer10::DrawObjects(TDeviceHandle device, const TObjectRect& r) {
  TObjectRangeWalk walk(RunList);
  if (lastViewMode_ == 0) {
    const TWalkScope scope(walk);
    exports_.DrawAll(device, r.left, r.top, r.right, r.bottom, &NextVisibleRun);
    return;
  }
  exports_.DetailBeginDraw(device, r.left, r.top, r.right, r.bottom);
  for (int32_t n = walk.Next(); n != -1; n = walk.Next()) {
    exports_.DrawObject(device, r.left, r.top, r.right, r.bottom, n);
  }
  exports_.DetailEndDraw();
}

void TPluginVer10::DrawObject(int32_t number, TDeviceHandle device, const TObjectRect& r) {
  exports_.DetailBeginDraw(device, r.left, r.top, r.right, r.bottom);
  exports_.DrawObject(device, r.left, r.top, r.right, r.bottom, number);
  exports_.DetailEndDraw();
}

bool TPluginVer10::GetObjectRect(int32_t number, TObjectRect& rect) {
  if (exports_.GetObjectRect == nullptr) return false;
  int32_t r[4] = {0, 0, 0, 0};
  if (!exports_.GetObjectRect(number, r)) return false;
  rect = {r[0], r[1], r[2], r[3]};
  return true;
}

bool TPluginVer10::GetObjectRaDec(int32_t, double&, double&) { return false; }

bool TPluginVer10::GetObjectXY(int32_t number, int32_t& x, int32_t& y) {
  TObjectRect r;
  if (!GetObjectRect(number, r) || r.right <= r.left || r.bottom <= r.top) return false;
  x = (r.left + r.right) / 2;
  y = (r.top + r.bottom) / 2;
  return true;
}

int32_t TPluginVer10::GetObjectData(int32_t number, std::span<std::byte> buffer) {
  if (buffer.empty()) return 0;
  const int32_t size =
      exports_.GetCatalogObject(number, buffer.data(), static_cast<int32_t>(buffer.size()));
  return size > static_cast<int32_t>(buffer.size()) ? 0 : size;
}

TTextList TPluginVer10::GetObjectStrings(int32_t number) {
  std::array<char, kLinesBufferSize> buffer{};
  return LinesText(buffer, exports_.GetObjectStrings(number, buffer.data(), kLinesBufferSize));
}

std::string TPluginVer10::GetObjectName(int32_t) { return {}; }

TTextList TPluginVer10::GetInfoItems() {
  std::array<char, kLinesBufferSize> buffer{};
  return LinesText(buffer, exports_.GetAdvancedInfoStrings(buffer.data(), kLinesBufferSize));
}

bool TPluginVer10::AdvancedInfo(TWindowHandle, int32_t number, int32_t command) {
  return exports_.AdvancedInfo(number, command);
}

bool TPluginVer10::SelectObjectForSearch(TWindowHandle, TSearchHit& hit) {
  std::array<std::byte, kit::search_result10::kSize> record{};
  if (!exports_.SearchObjDialog(2, record.data(), static_cast<int32_t>(record.size()))) {
    return false;
  }
  const kit::TSearchResult result = kit::ReadSearchResult10(record);
  hit = {result.code, result.ra, result.dec, result.number};
  return true;
}

bool TPluginVer10::EditOptions(TWindowHandle) {
  exports_.ShowOptionsDialog();
  return true;
}

bool TPluginVer10::AdvancedAction(TWindowHandle) { return exports_.AdvancedAction(2, nullptr, 0); }

}  // namespace velarion::groups

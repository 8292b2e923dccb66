#include "GroupListExports.h"

#include "SkyObj.h"

#include <string_view>

namespace velarion::groups {

namespace {

TGroupList* gMainList = nullptr;

// The last group found. It is trusted only while the list still holds the same element at
// the same place with the same code, so any change of the list makes it search again.
struct TFoundGroup {
  const TGroupListElement* element = nullptr;
  int32_t index = -1;
};
TFoundGroup gLastFound;

TSkyObjectGroup* FindByCode(const char* code) {
  if (gMainList == nullptr || code == nullptr) return nullptr;
  const std::string_view wanted(code);
  const TGroupList& list = *gMainList;
  if (gLastFound.index >= 0 && gLastFound.index < list.Count() &&
      &list.Element(gLastFound.index) == gLastFound.element &&
      gLastFound.element->Group() != nullptr && gLastFound.element->Group()->Code == wanted) {
    return gLastFound.element->Group();
  }
  for (int32_t i = 0; i < list.Count(); ++i) {
    const TGroupListElement& e = list.Element(i);
    if (e.Group() != nullptr && e.Group()->Code == wanted) {
      gLastFound = {&e, i};
      return e.Group();
    }
  }
  return nullptr;
}

}  // namespace

void SetMainGroupList(TGroupList* list) {
  gMainList = list;
  gLastFound = {};
}

}  // namespace velarion::groups

using velarion::groups::FindByCode;

extern "C" {

VELARION_HOST_EXPORT bool GetAnotherGroupInfo(const char* code, void* groupInfo) {
  velarion::groups::TSkyObjectGroup* group = FindByCode(code);
  if (group == nullptr || groupInfo == nullptr) return false;
  velarion::kit::WriteGroupInfo(group->GetGroupInfo(), {static_cast<std::byte*>(groupInfo),
                                                        velarion::kit::group_info::kSize});
  return true;
}

VELARION_HOST_EXPORT bool GetAnotherCatalogInfo(const char* code, void* groupInfo) {
  return GetAnotherGroupInfo(code, groupInfo);
}

VELARION_HOST_EXPORT int32_t GetAnotherGroupObject(const char* code, int32_t number, void* buffer,
                                                   int32_t size) {
  velarion::groups::TSkyObjectGroup* group = FindByCode(code);
  const velarion::kit::TBytes bytes = velarion::kit::BufferOf(buffer, size);
  if (group == nullptr || bytes.empty()) return 0;
  if (const int32_t own = group->GetObjectData(number, bytes); own != 0) return own;
  if (bytes.size() < velarion::kit::common_object::kRecordSize) return 0;
  return group->GetFObjectData(number, bytes)
             ? static_cast<int32_t>(velarion::kit::common_object::kRecordSize)
             : 0;
}

VELARION_HOST_EXPORT int32_t GetAnotherCatalogObject(const char* code, int32_t number, void* buffer,
                                                     int32_t size) {
  return GetAnotherGroupObject(code, number, buffer, size);
}

}  // extern "C"

// The host exports through which a group reads another group's data by its code.
#ifndef VELARION_APP_GROUPS_GROUPLISTEXPORTS_H
#define VELARION_APP_GROUPS_GROUPLISTEXPORTS_H

#include "HostExport.h"

#include <cstdint>

namespace velarion::groups {

class TGroupList;

// The list the exports search: the program's main group list (none until it is set).
void SetMainGroupList(TGroupList* list);

}  // namespace velarion::groups

extern "C" {

// Fills the 60-byte group information record of the group with this code; false, and the
// record untouched, for an unknown code.
VELARION_HOST_EXPORT bool GetAnotherGroupInfo(const char* code, void* groupInfo);
VELARION_HOST_EXPORT bool GetAnotherCatalogInfo(const char* code, void* groupInfo);

// The object's own record when the group has one (its size), else its common object record
// with "VLOD" (189) when the buffer holds it, else 0.
VELARION_HOST_EXPORT int32_t GetAnotherGroupObject(const char* code, int32_t number, void* buffer,
                                                   int32_t size);
VELARION_HOST_EXPORT int32_t GetAnotherCatalogObject(const char* code, int32_t number, void* buffer,
                                                     int32_t size);
}

#endif

// The host exports through which a group reads another group's data by its code
// (GetAnotherGroupInfo, GetAnotherGroupObject and their Catalog forms, declared by
// HostInterface.h).
#ifndef VELARION_APP_GROUPS_GROUPLISTEXPORTS_H
#define VELARION_APP_GROUPS_GROUPLISTEXPORTS_H

#include "HostExport.h"

#include <cstdint>

namespace velarion::groups {

class TGroupList;

// The list the exports search: the program's main group list (none until it is set).
void SetMainGroupList(TGroupList* list);

}  // namespace velarion::groups

#endif

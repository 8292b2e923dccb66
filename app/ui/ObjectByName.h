// Finding an object by the name a user would type into a search window: a proper name
// ("Сириус", "Марс", "Луна", "Туманность Андромеды"), a Messier or NGC number ("M 31",
// "NGC 224"), a Bayer or Flamsteed designation with the constellation's abbreviation
// ("α CMa", "Alp CMa", "61 Cyg") or an HR number ("HR 2491"). The headless "--info" uses it.
#ifndef VELARION_APP_UI_OBJECTBYNAME_H
#define VELARION_APP_UI_OBJECTBYNAME_H

#include "SkyImage.h"
#include "SkyObj.h"

#include <optional>
#include <string_view>

namespace velarion::ui {

// `utf8Name` as typed; none when no group's object answers to it.
std::optional<sky::TSelectedObject> FindObjectByName(groups::TGroupList& groups,
                                                     std::string_view utf8Name);

}  // namespace velarion::ui

#endif

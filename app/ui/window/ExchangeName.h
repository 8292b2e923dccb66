// The name the single running copy listens under. One per program folder and display: two
// installations, or one on two displays, run side by side, and a second start hands its
// state file only to the copy of its own folder on its own display.
#ifndef VELARION_APP_UI_WINDOW_EXCHANGENAME_H
#define VELARION_APP_UI_WINDOW_EXCHANGENAME_H

#include <string>
#include <string_view>

namespace velarion::ui {

inline constexpr std::string_view kExchangeBaseName = "VelarionExchangeWindow";

// kExchangeBaseName, "-" and a hash of the folder's canonical path (a link to the folder or
// a trailing "/" names the same copy) and of the display.
std::string ExchangeName(std::string_view programFolder, std::string_view display);

// The display this run's windows open on, as the environment names it: $WAYLAND_DISPLAY and
// $DISPLAY together, since either may be the one the window system uses.
std::string CurrentDisplay();

}  // namespace velarion::ui

#endif

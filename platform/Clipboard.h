// The clipboard: texts a window copies go to the desktop's clipboard once the program runs
// its window; tests install a recorder, and without a runner nothing is copied.
#ifndef VELARION_PLATFORM_CLIPBOARD_H
#define VELARION_PLATFORM_CLIPBOARD_H

#include <functional>
#include <string_view>

namespace velplatform {

// Puts the text (CP1251) on the clipboard.
void CopyToClipboard(std::string_view text);

using TClipboardRunner = std::function<void(std::string_view text)>;
void SetClipboardRunner(TClipboardRunner runner);

}  // namespace velplatform

#endif

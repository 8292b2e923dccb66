// State-file names handed to the running copy by a second start: kept until no modal
// dialog is open, so that a name arriving while one is shown is handled when it closes.
#ifndef VELARION_APP_UI_WINDOW_STATEFILEINBOX_H
#define VELARION_APP_UI_WINDOW_STATEFILEINBOX_H

#include <string>
#include <string_view>
#include <vector>

namespace velarion::ui {

class TStateFileInbox {
 public:
  void Receive(std::string name);
  // The names waiting, in arrival order, once no modal dialog is open; none while one is.
  std::vector<std::string> TakeReady(bool modalDialogOpen);
  bool Empty() const { return pending_.empty(); }

 private:
  std::vector<std::string> pending_;
};

// The command-line argument as the running copy must get it: surrounding quotes removed,
// made absolute against the starting copy's current folder (which the running copy does
// not share). An empty argument stays empty.
std::string AbsoluteStateFileName(std::string_view argument, std::string_view currentFolder);

}  // namespace velarion::ui

#endif

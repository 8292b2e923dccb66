// State-file names handed to the running copy by a second start: kept until no modal
// dialog is open, so that a name arriving while one is shown is handled when it closes.
#ifndef VELARION_APP_UI_WINDOW_STATEFILEINBOX_H
#define VELARION_APP_UI_WINDOW_STATEFILEINBOX_H

#include <string>
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

}  // namespace velarion::ui

#endif

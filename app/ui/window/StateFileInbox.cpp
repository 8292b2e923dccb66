#include "StateFileInbox.h"

namespace velarion::ui {

void TStateFileInbox::Receive(std::string name) {
  if (!name.empty()) pending_.push_back(std::move(name));
}

std::vector<std::string> TStateFileInbox::TakeReady(bool modalDialogOpen) {
  if (modalDialogOpen) return {};
  std::vector<std::string> ready;
  ready.swap(pending_);
  return ready;
}

}  // namespace velarion::ui

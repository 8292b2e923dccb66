#include "StateFileInbox.h"

#include <filesystem>

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

std::string AbsoluteStateFileName(std::string_view argument, std::string_view currentFolder) {
  if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"') {
    argument = argument.substr(1, argument.size() - 2);
  }
  if (argument.empty()) return {};
  const std::filesystem::path path(argument);
  if (path.is_absolute()) return path.lexically_normal().string();
  return (std::filesystem::path(currentFolder) / path).lexically_normal().string();
}

}  // namespace velarion::ui

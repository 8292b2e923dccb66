#include "StartArguments.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace velarion::ui {

namespace {

// The installer's own arguments.
bool IsInstallerCommand(std::string_view argument) {
  return argument == "/install" || argument == "/uninstall";
}

}  // namespace

TStartDecision DecideStart(std::span<const std::string_view> arguments,
                           std::string_view currentFolder) {
  if (arguments.empty()) return TWindowStart{};
  const std::string_view first = arguments.front();
  if (IsInstallerCommand(first)) {
    auto parsed = install::ParseInstallCommand(arguments, currentFolder);
    if (auto* message = std::get_if<std::string>(&parsed)) return TStartRefusal{*message};
    return std::get<install::TInstallCommand>(std::move(parsed));
  }
  // A command may follow a state file named first: "velarion VIEW.vls --export SKY.png".
  const bool command = std::any_of(arguments.begin(), arguments.end(),
                                   [](std::string_view a) { return a.starts_with("--"); });
  if (command) {
    auto parsed = ParseExportOptions(arguments);
    if (auto* message = std::get_if<std::string>(&parsed)) return TStartRefusal{*message};
    return std::get<TExportOptions>(std::move(parsed));
  }
  if (arguments.size() > 1) {
    return TStartRefusal{"one state file at most, but also " + std::string(arguments[1])};
  }
  return TWindowStart{AbsoluteStateFileName(first, currentFolder)};
}

std::string CurrentFolder() {
  std::error_code error;
  return std::filesystem::current_path(error).string();
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

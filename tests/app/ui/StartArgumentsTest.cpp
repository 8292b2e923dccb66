// What a start does with its command line: export, window (with a state file) or refusal.
#include "StartArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace velarion::ui;

struct TStartCase {
  std::vector<std::string_view> arguments;
  // "export FILE [from STATE]", "phases", "eclipse, next N", "window [FILE]",
  // "install [window] [FOLDER]", "uninstall [window] [all]" or "refused: MESSAGE"
  std::string expected;
};

std::string Describe(const TStartDecision& start) {
  if (const auto* options = std::get_if<TExportOptions>(&start)) {
    if (options->lunarReport == TLunarReport::kPhases) return "phases";
    if (options->lunarReport == TLunarReport::kEclipses) {
      return "eclipse, next " + std::to_string(options->followingEclipses.value_or(0));
    }
    const std::string state = options->stateFile.empty() ? "" : " from " + options->stateFile;
    return "export " + options->file + state;
  }
  if (const auto* window = std::get_if<TWindowStart>(&start)) {
    return window->stateFile.empty() ? "window" : "window " + window->stateFile;
  }
  if (const auto* install = std::get_if<velarion::install::TInstallCommand>(&start)) {
    const std::string command = std::string(install->uninstall ? "uninstall" : "install") +
                                (install->quiet ? "" : " window");
    if (install->uninstall) return install->alsoUserFiles ? command + " all" : command;
    return install->folder.empty() ? command : command + " " + install->folder.string();
  }
  return "refused: " + std::get<TStartRefusal>(start).message;
}

TEST(StartArguments, EachCommandLineGivesItsStart) {
  const std::vector<TStartCase> cases = {
      {{}, "window"},
      {{"view.vls"}, "window /home/u/maps/view.vls"},
      {{"\"my view.vls\""}, "window /home/u/maps/my view.vls"},
      {{"../v.vls"}, "window /home/u/v.vls"},
      {{"/tmp/./x.vls"}, "window /tmp/x.vls"},
      {{""}, "window"},
      {{"\"\""}, "window"},
      {{"-"}, "window /home/u/maps/-"},  // one dash is no option
      {{"--export", "sky.png"}, "export sky.png"},
      {{"--size", "80x60", "--export", "sky.png"}, "export sky.png"},
      {{"--export=sky.png"}, "refused: unknown option --export=sky.png"},
      {{"--export=sky.png", "--size", "80x60"}, "refused: unknown option --export=sky.png"},
      {{"--help"}, "refused: unknown option --help"},
      {{"--"}, "refused: unknown option --"},
      {{"--size", "80x60"},
       "refused: --export FILE, --info NAME, --ephemeris NAME, --phases or --eclipse is missing"},
      {{"--phases", "--time", "2026-12-11 22:00"}, "phases"},
      {{"--eclipse"}, "eclipse, next 0"},
      {{"--eclipse", "--next", "3", "--location", "55.75,37.62,3"}, "eclipse, next 3"},
      {{"--phases", "--eclipse"},
       "refused: one of --export, --info, --ephemeris, --phases and --eclipse at a time"},
      {{"--phases", "--export", "sky.png"},
       "refused: one of --export, --info, --ephemeris, --phases and --eclipse at a time"},
      {{"--phases", "--next", "3"}, "refused: --next goes with --eclipse"},
      {{"--eclipse", "--next", "0"}, "refused: --next wants a whole number from 1 to 100"},
      {{"view.vls", "--eclipse"}, "refused: a state file goes with --export"},
      // A state file anywhere among the arguments of an export is its view.
      {{"--export", "sky.png", "view.vls"}, "export sky.png from view.vls"},
      {{"view.VLS", "--export", "sky.png"}, "export sky.png from view.VLS"},
      {{"--export", "sky.png", "--state", "my view"}, "export sky.png from my view"},
      {{"--export", "sky.png", "view.png"}, "refused: unknown option view.png"},
      {{"a.vls", "b.vls"}, "refused: one state file at most, but also b.vls"},
      {{"/install", "--quiet"}, "install"},
      {{"/install", "--quiet", "../opt/vel"}, "install /home/u/opt/vel"},
      {{"/install", "/opt/my vel", "--quiet"}, "install /opt/my vel"},
      {{"/install", "--quiet", "a", "b"}, "refused: /install: unexpected b"},
      {{"/install", "--all", "--quiet"}, "refused: /install: unexpected --all"},
      {{"/uninstall", "--quiet"}, "uninstall"},
      {{"/uninstall", "--all", "--quiet"}, "uninstall all"},
      {{"/uninstall", "--quiet", "/opt/vel"}, "refused: /uninstall: unexpected /opt/vel"},
      // Without --quiet the same commands show the installer window or the removal question.
      {{"/install"}, "install window"},
      {{"/install", "my vel"}, "install window /home/u/maps/my vel"},
      {{"/install", "--all"}, "refused: /install: unexpected --all"},
      {{"/uninstall"}, "uninstall window"},
      {{"/uninstall", "--all"}, "uninstall window all"},
      {{"/uninstall", "/opt/vel"}, "refused: /uninstall: unexpected /opt/vel"},
  };
  for (const TStartCase& c : cases) {
    std::string line;
    for (const std::string_view argument : c.arguments) line.append(argument).append(" ");
    EXPECT_EQ(Describe(DecideStart(c.arguments, "/home/u/maps")), c.expected) << line;
  }
}

}  // namespace

// RunMainWindow (MainUnit.h): the window's start. A state file goes to the copy already
// running from this folder on this display when there is one; otherwise the window opens
// with it.
#include "ExchangeName.h"
#include "ExchangeServer.h"
#include "MainUnit.h"
#include "ProgramFolder.h"
#include "QtDialogs.h"
#include "StartArguments.h"

#include <QApplication>

#include <string_view>
#include <variant>
#include <vector>

namespace velarion::ui {

int RunMainWindow(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const TStartDecision start = DecideStart(arguments, CurrentFolder());
  const auto* window = std::get_if<TWindowStart>(&start);
  if (window == nullptr) return kStartRefused;  // main() answers every other start
  int qtArgumentCount = 1;  // Qt takes none of the program's arguments for its own
  QApplication application(qtArgumentCount, argv);
  velplatform::InstallQtDialogRunners();
  TMainFormOptions options;
  options.programFolder = velplatform::ProgramFolder();
  options.exchangeName =
      QString::fromStdString(ExchangeName(options.programFolder, CurrentDisplay()));
  if (HandOverToRunningCopy(options.exchangeName, window->stateFile)) return 0;
  options.stateFile = window->stateFile;
  TVelarionMainForm form(std::move(options));
  form.ShowAsConfigured();
  return application.exec();
}

}  // namespace velarion::ui

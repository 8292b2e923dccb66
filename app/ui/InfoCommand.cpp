#include "InfoCommand.h"

#include "Cp1251.h"
#include "Devices.h"
#include "Dialogs.h"
#include "HeadlessView.h"
#include "Inform.h"
#include "ObjectByName.h"
#include "PictureExport.h"
#include "RiseSetDialog.h"
#include "TextLines.h"

#include <vector>

namespace velarion::ui {

namespace {

// The lines a command's window would copy: the rise/set window's, read from its logic as
// its copy button gives them. Other windows copy nothing here.
std::vector<std::string> CommandLines(const solar::TInfoCommand& command) {
  std::string copied;
  velplatform::SetDialogRunner([&copied](velplatform::TWindowHandle,
                                         const velplatform::TDialogLayout&,
                                         velplatform::TDialogLogic& logic) {
    if (const auto* riseSet = dynamic_cast<const solar::TRiseSetDialogLogic*>(&logic)) {
      copied = riseSet->CopiedLines();
    }
    return false;
  });
  command.group->AdvancedInfo(0, command.number, command.command);
  velplatform::SetDialogRunner({});
  const std::vector<std::string_view> lines = catalogues::SplitLines(copied);
  return {lines.begin(), lines.end()};
}

}  // namespace

int RunObjectInfo(const TExportOptions& options, const std::string& programFolder,
                  std::ostream& out, std::ostream& log) {
  TSilentLoadLog silent;
  THeadlessView view(options, programFolder, silent);
  // The groups compute their objects for this view, as for the window's picture.
  const auto picture = velplatform::CreateImageDevice(options.width, options.height);
  view.Image().PaintSky(*picture, false);
  const std::optional<sky::TSelectedObject> object =
      FindObjectByName(view.Session().Groups(), options.infoName);
  if (!object) {
    log << "no object named " << options.infoName << '\n';
    return kExportFailed;
  }
  view.Image().SelectSkyObject(object->group, object->index);
  const solar::TInfoContent content = solar::BuildInfoContent(view.Image().Selection(), 16);
  for (const std::string& line : solar::InfoPlainLines(content.lines)) {
    out << velplatform::Cp1251ToUtf8(line) << '\n';
  }
  for (const solar::TInfoCommand& command : content.commands) {
    for (const std::string& line : CommandLines(command)) {
      out << velplatform::Cp1251ToUtf8(line) << '\n';
    }
  }
  return kExportSucceeded;
}

}  // namespace velarion::ui

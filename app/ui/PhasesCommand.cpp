#include "PhasesCommand.h"

#include "Cp1251.h"
#include "HeadlessView.h"
#include "Lunation.h"
#include "PhasesReport.h"
#include "PictureExport.h"

#include <optional>

namespace velarion::ui {

int RunPhases(const TExportOptions& options, const std::string& programFolder, std::ostream& out,
              std::ostream& log) {
  TSilentLoadLog silent;
  THeadlessView view(options, programFolder, silent);
  const sky::TSkyImage& image = view.Image();
  const std::optional<lunar::TLunation> lunation = lunar::LunationAround(image.MjdDynamical());
  if (!lunation) {
    log << "the main phases around the moment were not found\n";
    return kExportFailed;
  }
  const lunar::TDeltaTRule deltaT = lunar::TDeltaTRule::ForView(image.Mjd(), image.MjdDynamical());
  for (const std::string& line :
       lunar::PhasesReportLines(*lunation, deltaT, image.TimeZone(), sky::InterfaceLanguage())) {
    out << velplatform::Cp1251ToUtf8(line) << '\n';
  }
  return kExportSucceeded;
}

}  // namespace velarion::ui

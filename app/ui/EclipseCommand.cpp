#include "EclipseCommand.h"

#include "Cp1251.h"
#include "EclipseReport.h"
#include "HeadlessView.h"
#include "MoonEclipse.h"
#include "PictureExport.h"

namespace velarion::ui {

namespace {

void WriteReport(lunar::TMoonEclipse& search, const sky::TSkyImage& image, std::ostream& out) {
  const auto visible = search.Visibility(image.Latitude(), image.Longitude());
  for (const std::string& line : lunar::EclipseReportLines(
           *search.Eclipse(), visible, image.TimeZone(), sky::InterfaceLanguage())) {
    out << velplatform::Cp1251ToUtf8(line) << '\n';
  }
}

}  // namespace

int RunEclipse(const TExportOptions& options, const std::string& programFolder, std::ostream& out,
               std::ostream& log) {
  TSilentLoadLog silent;
  THeadlessView view(options, programFolder, silent);
  const sky::TSkyImage& image = view.Image();
  lunar::TMoonEclipse search(lunar::TDeltaTRule::ForView(image.Mjd(), image.MjdDynamical()));
  if (!search.FindNearest(image.MjdDynamical())) {
    log << "no lunar eclipse was found near the moment\n";
    return kExportFailed;
  }
  WriteReport(search, image, out);
  for (int32_t k = 0; k < options.followingEclipses.value_or(0); ++k) {
    if (!search.Step(lunar::TSearchDirection::kForward)) {
      log << "no lunar eclipse was found after the last one printed\n";
      return kExportFailed;
    }
    out << '\n';
    WriteReport(search, image, out);
  }
  return kExportSucceeded;
}

}  // namespace velarion::ui

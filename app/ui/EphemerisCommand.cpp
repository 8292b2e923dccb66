#include "EphemerisCommand.h"

#include "Cp1251.h"
#include "Devices.h"
#include "EphemerisTables.h"
#include "HeadlessView.h"
#include "ObjectByName.h"
#include "PictureExport.h"
#include "velastro.h"

#include <variant>
#include <vector>

namespace velarion::ui {

namespace {

constexpr double kMinutesPerHour = 60.0;
constexpr double kSecondsPerHour = 3600.0;

// The period page's entry of a moment.
TDateEntry EntryOf(const sky::TLocalDateTime& t) {
  return DateEntryOf(MJD(t.day, t.month, t.year,
                         t.hour + t.minute / kMinutesPerHour + t.second / kSecondsPerHour));
}

void WriteError(const ephemeris::TEntryError& error, std::ostream& log) {
  log << velplatform::Cp1251ToUtf8(error.caption) << ": "
      << velplatform::Cp1251ToUtf8(error.message) << '\n';
}

// The period of the command line, or the message that refuses it.
std::variant<ephemeris::TPeriod, ephemeris::TEntryError> PeriodOf(const TEphemerisOptions& e) {
  auto checked = ephemeris::ValidatePeriod(EntryOf(*e.from), EntryOf(*e.to), e.step);
  if (const auto* period = std::get_if<ephemeris::TPeriod>(&checked)) {
    if (auto tooLong = ephemeris::RowLimitError(*period)) return *tooLong;
  }
  return checked;
}

std::optional<std::vector<sky::TSelectedObject>> FindObjects(THeadlessView& view,
                                                             const TEphemerisOptions& e,
                                                             std::ostream& log) {
  std::vector<sky::TSelectedObject> objects;
  for (const std::string& name : e.names) {
    const std::optional<sky::TSelectedObject> object =
        FindObjectByName(view.Session().Groups(), name);
    if (!object) {
      log << "no object named " << name << '\n';
      return std::nullopt;
    }
    objects.push_back(*object);
  }
  return objects;
}

}  // namespace

int RunEphemeris(const TExportOptions& options, const std::string& programFolder, std::ostream& out,
                 std::ostream& log) {
  const TEphemerisOptions& e = *options.ephemeris;
  std::optional<ephemeris::TPeriod> period;
  if (e.PeriodTable()) {
    auto checked = PeriodOf(e);
    if (const auto* error = std::get_if<ephemeris::TEntryError>(&checked)) {
      WriteError(*error, log);
      return kExportFailed;
    }
    period = std::get<ephemeris::TPeriod>(checked);
  }
  TExportOptions viewOptions = options;
  viewOptions.time = e.from;
  TSilentLoadLog silent;
  THeadlessView view(viewOptions, programFolder, silent);
  const auto picture = velplatform::CreateImageDevice(options.width, options.height);
  const auto recalculateView = [&view, &picture] { view.Image().PaintSky(*picture, false); };
  recalculateView();
  const auto objects = FindObjects(view, e, log);
  if (!objects) return kExportFailed;
  ephemeris::TEphemerisTables tables(
      view.Image(), recalculateView,
      [&out](std::string_view line) { out << velplatform::Cp1251ToUtf8(line) << '\n'; }, {});
  if (period) {
    tables.WritePeriodTable(objects->front(), *period, e.columns);
  } else {
    tables.WriteGroupTable(*objects, e.columns);
  }
  return kExportSucceeded;
}

}  // namespace velarion::ui

#include "PictureExport.h"

#include "Cp1251.h"
#include "Devices.h"
#include "IniAccess.h"
#include "SkySession.h"

#include <unistd.h>
#include <atomic>
#include <cstdlib>
#include <filesystem>

namespace velarion::ui {

namespace {

// The load log as lines of text: name, then the outcomes, one line per group.
class TStreamLoadLog final : public groups::TLoadLog {
 public:
  explicit TStreamLoadLog(std::ostream& out) : out_(out) {}
  ~TStreamLoadLog() override { EndLine(); }

  void BeginLine(std::string_view text) override {
    EndLine();
    out_ << velplatform::Cp1251ToUtf8(text);
    open_ = true;
  }
  void AppendSegment(std::string_view text, uint32_t /*colour*/) override {
    out_ << velplatform::Cp1251ToUtf8(text);
  }

 private:
  void EndLine() {
    if (open_) out_ << '\n';
    open_ = false;
  }

  std::ostream& out_;
  bool open_ = false;
};

bool NamesPng(const std::string& file) {
  std::string extension = std::filesystem::path(file).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".png";
}

// Groups keep their own keys when they are freed; an export changes no setting.
struct TSettingsLeftAlone {
  TSettingsLeftAlone() { sky::SetSettingsWritable(false); }
  ~TSettingsLeftAlone() { sky::SetSettingsWritable(true); }
  TSettingsLeftAlone(const TSettingsLeftAlone&) = delete;
  TSettingsLeftAlone& operator=(const TSettingsLeftAlone&) = delete;
};

// Asked before anything is loaded, so that a wrong name costs no time.
bool CanWrite(const std::string& file) {
  namespace fs = std::filesystem;
  const fs::path path(file);
  std::error_code error;
  if (fs::exists(path, error))
    return !fs::is_directory(path, error) && ::access(file.c_str(), W_OK) == 0;
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  return fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK) == 0;
}

void ApplyView(const TExportOptions& options, sky::TSkyImage& image) {
  if (options.place) {
    image.SetLatitude(options.place->latitude);
    image.SetLongitude(options.place->longitude);
    if (options.place->timeZone) {
      image.SetTimeZoneAutomatic(false);
      image.SetTimeZone(*options.place->timeZone);
    }
  }
  if (options.time) {
    image.SetLocalTime(*options.time);
  } else {
    image.SetTimeNow();
  }
  image.SetPictureView(options.width, options.height, options.zoom.value_or(100));
}

}  // namespace

int RunPictureExport(const TExportOptions& options, const std::string& programFolder,
                     std::ostream& log) {
  if (!NamesPng(options.file)) {
    log << options.file << ": pictures are written as PNG, give a name ending in .png\n";
    return kExportFailed;
  }
  if (!CanWrite(options.file)) {
    log << options.file << ": cannot write a file there\n";
    return kExportFailed;
  }
  // No window is shown, so no display is needed even when there is one.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // At zoom 100 the horizon disc is as high as the picture.
  const sky::TScreenMetrics screen{96.0, 96.0, options.height - 3, 16};
  const TSettingsLeftAlone unchanged;  // outlives the session, whose groups write at the end
  TSkySession session(programFolder, screen, sky::SystemClock());
  {
    TStreamLoadLog loadLog(log);
    const std::atomic<bool> terminated{false};
    session.ShowInOfferedModes(session.LoadGroups(loadLog, false, terminated));
  }
  sky::TSkyImage& image = session.Image();
  ApplyView(options, image);
  const std::unique_ptr<velplatform::TDrawDevice> picture =
      velplatform::CreateImageDevice(options.width, options.height);
  image.PaintSky(*picture, true);
  if (!velplatform::SaveDeviceAsPng(*picture, options.file)) {
    log << options.file << ": cannot write the picture there\n";
    return kExportFailed;
  }
  return kExportSucceeded;
}

}  // namespace velarion::ui

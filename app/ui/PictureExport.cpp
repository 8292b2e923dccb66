#include "PictureExport.h"

#include "Cp1251.h"
#include "HeadlessView.h"
#include "SavePicture.h"
#include "StateFileStore.h"

#include <unistd.h>
#include <filesystem>
#include <optional>

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

}  // namespace

int RunPictureExport(const TExportOptions& options, const std::string& programFolder,
                     std::ostream& log) {
  if (!CanWrite(options.file)) {
    log << options.file << ": cannot write a file there\n";
    return kExportFailed;
  }
  std::optional<TStateFile> state;
  if (!options.stateFile.empty()) {
    auto read = ReadStateFile(options.stateFile);
    if (const auto* message = std::get_if<std::string>(&read)) {
      log << velplatform::Cp1251ToUtf8(*message) << '\n';
      return kExportFailed;
    }
    state = std::get<TStateFile>(std::move(read));
  }
  std::optional<THeadlessView> view;
  {
    TStreamLoadLog loadLog(log);
    view.emplace(options, programFolder, loadLog, state);
  }
  sky::TSkyImage& image = view->Image();
  const TPictureRequest request{
      options.file,  options.kind,   options.depth.value_or(DefaultDepth(options.kind)),
      options.width, options.height, options.legend};
  if (const auto problem = SavePicture(image, request)) {
    log << velplatform::Cp1251ToUtf8(*problem) << '\n';
    return kExportFailed;
  }
  return kExportSucceeded;
}

}  // namespace velarion::ui

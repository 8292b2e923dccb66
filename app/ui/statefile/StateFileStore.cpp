#include "StateFileStore.h"

#include "AtomicFile.h"
#include "Cp1251.h"
#include "StateFileFormat.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace velarion::ui {

namespace {

using velplatform::Cp1251;

std::string Refusal(const std::string& path, const TStateFileError& error) {
  std::string text = Cp1251("Неверный файл состояния ") + velplatform::Utf8ToCp1251(path);
  if (error.line > 0) text += Cp1251(", строка ") + std::to_string(error.line);
  return text + ": " + error.what;
}

}  // namespace

std::variant<TStateFile, std::string> ReadStateFile(const std::string& path) {
  std::error_code failure;
  const std::uintmax_t size = std::filesystem::file_size(path, failure);
  if (failure) return Refusal(path, {0, Cp1251("файл не открывается")});
  if (size > kMaxStateFileBytes) return Refusal(path, {0, Cp1251("файл слишком велик")});
  const std::optional<std::string> text = velplatform::ReadWholeFile(path);
  if (!text) return Refusal(path, {0, Cp1251("файл не читается")});
  auto parsed = ParseStateFile(*text);
  if (const auto* error = std::get_if<TStateFileError>(&parsed)) return Refusal(path, *error);
  return std::get<TStateFile>(std::move(parsed));
}

bool WriteStateFile(const std::string& path, const TStateFile& state) {
  return velplatform::WriteFileAtomically(path, FormatStateFile(state));
}

std::variant<TStateFollowUp, std::string> LoadStateFile(const std::string& path,
                                                        const TStateView& view) {
  auto read = ReadStateFile(path);
  if (auto* message = std::get_if<std::string>(&read)) return std::move(*message);
  return ApplyState(std::get<TStateFile>(read), view);
}

}  // namespace velarion::ui

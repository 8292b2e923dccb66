#include "CityFile.h"

#include <array>
#include <charconv>

#include "AtomicFile.h"
#include "FileBytes.h"
#include "TextLines.h"

namespace velarion::catalogues {
namespace {

// Byte ranges of the columns (from 0). Latitude is read one column after the start of its
// field: the blank before it belongs to the field. The time zone is read from the start of
// its field, where the sign of "-10.00" stands.
struct TColumn {
  std::size_t at;
  std::size_t width;
};
constexpr TColumn kName = {0, 33};
constexpr TColumn kLongitude = {34, 9};
constexpr TColumn kLatitudeField = {43, 9};
constexpr TColumn kLatitudeRead = {44, 8};
constexpr TColumn kTimeZoneField = {52, 6};
constexpr std::size_t kLongitudeDecimals = 4;
constexpr std::size_t kLatitudeDecimals = 4;
constexpr std::size_t kTimeZoneDecimals = 2;

std::string_view TrimEnd(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

bool Within(std::optional<double> value, double low, double high) {
  return value && *value >= low && *value <= high;
}

std::optional<TCityRecord> ParseLine(std::string_view line) {
  if (line.size() <= kTimeZoneField.at) {
    return std::nullopt;
  }
  const auto longitude = ParseDecimal(line.substr(kLongitude.at, kLongitude.width));
  const auto latitude = ParseDecimal(line.substr(kLatitudeRead.at, kLatitudeRead.width));
  const auto timeZone = ParseDecimal(line.substr(kTimeZoneField.at));
  if (!Within(longitude, -180.0, 180.0) || !Within(latitude, -90.0, 90.0) ||
      !Within(timeZone, TCityFile::kMinTimeZoneHours, TCityFile::kMaxTimeZoneHours)) {
    return std::nullopt;
  }
  return TCityRecord{std::string(TrimEnd(line.substr(kName.at, kName.width))), *longitude,
                     *latitude, *timeZone};
}

std::string FileName(std::string_view name) {
  std::string out(name.substr(0, kName.width));
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20) {
      c = ' ';
    }
  }
  return out;
}

// value with the given decimals, right-aligned in width; zero is written without a sign.
void AppendNumber(std::string& out, double value, std::size_t decimals, std::size_t width) {
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value == 0.0 ? 0.0 : value,
                    std::chars_format::fixed, static_cast<int>(decimals));
  const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  if (text.size() < width) {
    out.append(width - text.size(), ' ');
  }
  out.append(text);
}

}  // namespace

TReadResult<TCityFile> TCityFile::FromBytes(std::span<const std::byte> bytes) {
  TCityFile file;
  for (const TNumberedLine& line : NonBlankLines(AsText(bytes))) {
    std::optional<TCityRecord> city = ParseLine(line.text);
    if (!city) {
      return MalformedLine("city.dat", line.number);
    }
    file.cities_.push_back(std::move(*city));
  }
  return file;
}

TCityFile::TTolerantRead TCityFile::FromBytesSkippingBadLines(std::span<const std::byte> bytes) {
  TTolerantRead read;
  for (const TNumberedLine& line : NonBlankLines(AsText(bytes))) {
    if (std::optional<TCityRecord> city = ParseLine(line.text)) {
      read.file.cities_.push_back(std::move(*city));
    } else {
      ++read.skippedLines;
    }
  }
  return read;
}

TReadResult<TCityFile> TCityFile::FromPath(const std::filesystem::path& path) {
  return ReadWholeFile<TCityFile>(path);
}

std::optional<TCityRecord> TCityFile::Record(std::size_t index) const {
  if (index >= cities_.size()) {
    return std::nullopt;
  }
  return cities_[index];
}

std::string TCityFile::Format(std::span<const TCityRecord> cities) {
  std::string out;
  for (const TCityRecord& city : cities) {
    const std::string name = FileName(city.name);
    out.append(name);
    out.append(kLongitude.at - name.size(), ' ');
    AppendNumber(out, city.longitudeDeg, kLongitudeDecimals, kLongitude.width);
    AppendNumber(out, city.latitudeDeg, kLatitudeDecimals, kLatitudeField.width);
    AppendNumber(out, city.timeZoneHours, kTimeZoneDecimals, kTimeZoneField.width);
    out.append("\r\n");
  }
  return out;
}

bool TCityFile::Write(const std::filesystem::path& path, std::span<const TCityRecord> cities) {
  return velplatform::WriteFileAtomically(path.string(), Format(cities));
}

}  // namespace velarion::catalogues

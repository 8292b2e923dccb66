#include "CityList.h"

#include "AtomicFile.h"
#include "Cp1251.h"

#include <system_error>

namespace velarion::ui {

TCityList::TLoad TCityList::Load(const std::filesystem::path& file) {
  cities_.clear();
  changed_ = false;
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return error ? TLoad::kUnreadable : TLoad::kMissing;
  const std::optional<std::string> text = velplatform::ReadWholeFile(file.string());
  if (!text) return TLoad::kUnreadable;
  const auto bytes = std::as_bytes(std::span<const char>(text->data(), text->size()));
  cities_ = catalogues::TCityFile::FromBytesSkippingBadLines(bytes).file.Cities();
  return TLoad::kRead;
}

bool TCityList::Save(const std::filesystem::path& file) const {
  return catalogues::TCityFile::Write(file, cities_);
}

TCityData TCityList::Data(const TCityEntry& entry) {
  return {entry.longitudeDeg, entry.latitudeDeg, entry.timeZoneHours};
}

int32_t TCityList::FindPlace(double longitudeDeg, double latitudeDeg) const {
  for (int32_t i = 0; i < Count(); ++i) {
    if (cities_[i].longitudeDeg == longitudeDeg && cities_[i].latitudeDeg == latitudeDeg) return i;
  }
  return -1;
}

int32_t TCityList::FindName(std::string_view text) const {
  if (text.empty()) return -1;
  const std::string wanted = velplatform::UpperCp1251(text);
  for (int32_t i = 0; i < Count(); ++i) {
    if (velplatform::UpperCp1251(cities_[i].name).find(wanted) != std::string::npos) return i;
  }
  return -1;
}

void TCityList::Replace(int32_t index, TCityEntry entry) {
  if (!Valid(index)) return;
  cities_[static_cast<std::size_t>(index)] = std::move(entry);
  changed_ = true;
}

int32_t TCityList::InsertAfter(int32_t index, TCityEntry entry) {
  const int32_t at = Valid(index) ? index + 1 : Count();
  cities_.insert(cities_.begin() + at, std::move(entry));
  changed_ = true;
  return at;
}

void TCityList::Remove(int32_t index) {
  if (!Valid(index)) return;
  cities_.erase(cities_.begin() + index);
  changed_ = true;
}

}  // namespace velarion::ui

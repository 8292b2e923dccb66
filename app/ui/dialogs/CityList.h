// The city list behind the place dialog: the cities of "city.dat" in file order, the edits
// of one opening of the list, and the rewrite of the file when something changed.
#ifndef VELARION_APP_UI_DIALOGS_CITYLIST_H
#define VELARION_APP_UI_DIALOGS_CITYLIST_H

#include "CityFile.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace velarion::ui {

using TCityEntry = catalogues::TCityRecord;

// The place of a chosen city.
struct TCityData {
  double longitudeDeg = 0.0;   // east positive
  double latitudeDeg = 0.0;    // north positive
  double timeZoneHours = 0.0;  // east of Greenwich positive
  bool operator==(const TCityData&) const = default;
};

class TCityList {
 public:
  enum class TLoad : uint8_t { kRead, kMissing, kUnreadable };

  TCityList() = default;
  explicit TCityList(std::vector<TCityEntry> cities) : cities_(std::move(cities)) {}

  // A missing file is an empty list; lines that are no city are left out.
  TLoad Load(const std::filesystem::path& file);
  // Rewrites the file through a temporary one; false, and the old file kept, on failure.
  bool Save(const std::filesystem::path& file) const;

  int32_t Count() const { return static_cast<int32_t>(cities_.size()); }
  const TCityEntry& Entry(int32_t index) const {
    return cities_.at(static_cast<std::size_t>(index));
  }
  static TCityData Data(const TCityEntry& entry);
  bool Changed() const { return changed_; }

  // The first city at exactly this place; -1 when none.
  int32_t FindPlace(double longitudeDeg, double latitudeDeg) const;
  // The first city whose name contains the text, both upper-cased; -1 when none or when
  // the text is empty.
  int32_t FindName(std::string_view text) const;

  void Replace(int32_t index, TCityEntry entry);
  // Inserted after `index` (at the end when it is no entry); the new entry's index.
  int32_t InsertAfter(int32_t index, TCityEntry entry);
  void Remove(int32_t index);

 private:
  bool Valid(int32_t index) const { return index >= 0 && index < Count(); }

  std::vector<TCityEntry> cities_;
  bool changed_ = false;
};

}  // namespace velarion::ui

#endif

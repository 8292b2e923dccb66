// TStarNames, the group "SNAME": the proper names of the bright stars by catalogue number
// (HR). It is never drawn; the bright stars read their names from it, and its search finds
// a star of "BSC5P" by name.
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_STARNAMES_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_STARNAMES_H

#include "ObjectGroup.h"
#include "StarNamesFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velarion::catalogues {

namespace star_name_record {
inline constexpr std::size_t kHr = 0;    // int32
inline constexpr std::size_t kName = 4;  // zero-terminated, cut to the buffer
inline constexpr std::size_t kMinSize = 34;
}  // namespace star_name_record

// The first bytes of the bright stars' own record (56 bytes with byte 16 zero).
namespace bright_star_record {
inline constexpr std::size_t kHr = 0;          // uint16
inline constexpr std::size_t kRa = 2;          // int32 arc-seconds, J2000
inline constexpr std::size_t kDec = 6;         // int32 arc-seconds
inline constexpr std::size_t kPmRa = 10;       // int16 milli-arc-seconds per year
inline constexpr std::size_t kPmDec = 12;      // int16
inline constexpr std::size_t kAllFields = 16;  // non-zero: every field wanted
inline constexpr std::size_t kSize = 56;
}  // namespace bright_star_record

class TStarNames final : public kit::TObjectGroup {
 public:
  static constexpr std::size_t kInitialRoom = 300;

  // `programFolder` ends with "/"; "STARNAME.DAT" is looked for there.
  explicit TStarNames(std::string programFolder) : programFolder_(std::move(programFolder)) {}

  void Init() override;
  bool InitResources(kit::TWindowHandle owner) override;
  void FreeResources() override;
  int32_t GetObjectData(int32_t index, std::span<std::byte> buffer) override;
  int32_t SelectObjectForSearch(kit::TWindowHandle owner) override;

 private:
  std::optional<int32_t> HrOfName(const std::string& normalisedName) const;

  std::string programFolder_;
  std::vector<TStarName> names_;
};

kit::TGroupPtr MakeStarNamesGroup(const std::string& programFolder);

}  // namespace velarion::catalogues

#endif

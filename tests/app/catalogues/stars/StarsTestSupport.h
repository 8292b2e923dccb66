// Shared by the bright-star tests: star records in the file's 55-byte layout (written here
// from the file format, not through the program's reader), a program folder holding a
// small "stars.dat", and stand-ins for the groups "CNAME" and "SNAME" reached through the
// host's group list.
#ifndef VELARION_TESTS_APP_CATALOGUES_STARS_STARSTESTSUPPORT_H
#define VELARION_TESTS_APP_CATALOGUES_STARS_STARSTESTSUPPORT_H

#include "ByteFields.h"
#include "GroupListExports.h"
#include "IniAccess.h"
#include "ObjectGroup.h"
#include "SkyObj.h"
#include "StdGroup.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace veltest {

struct TStarSpec {
  uint16_t hr = 0;
  int32_t raArcsec = 0;
  int32_t decArcsec = 0;
  int16_t pmRa = 0;
  int16_t pmDec = 0;
  int16_t magnitude = 0;
  int16_t colourIndex = 0;
  uint8_t constellation = 0;
  uint8_t flamsteed = 0;
  char bayerLetter = 0;
  char bayerIndex = ' ';
  std::string designation = "         ";  // 9 bytes
  char magnitudeRemark = ' ';
  std::string spectralClass = "                  ";  // 18 bytes
  int16_t parallax = 0;
  char colourIndexRemark = ' ';
  uint8_t isDouble = 0;
  uint8_t spectroscopic = 0;
};

inline std::array<std::byte, 55> StarBytes(const TStarSpec& s) {
  std::array<std::byte, 55> r{};
  using velplatform::PutField;
  PutField<uint16_t>(r, 0, s.hr);
  PutField<int32_t>(r, 2, s.raArcsec);
  PutField<int32_t>(r, 6, s.decArcsec);
  PutField<int16_t>(r, 10, s.pmRa);
  PutField<int16_t>(r, 12, s.pmDec);
  PutField<int16_t>(r, 14, s.magnitude);
  PutField<int16_t>(r, 16, s.colourIndex);
  PutField<uint8_t>(r, 18, s.constellation);
  PutField<uint8_t>(r, 19, s.flamsteed);
  PutField<char>(r, 20, s.bayerLetter);
  PutField<char>(r, 21, s.bayerIndex);
  std::memcpy(r.data() + 22, s.designation.data(), 9);
  PutField<char>(r, 31, s.magnitudeRemark);
  std::memcpy(r.data() + 32, s.spectralClass.data(), 18);
  PutField<int16_t>(r, 50, s.parallax);
  PutField<char>(r, 52, s.colourIndexRemark);
  PutField<uint8_t>(r, 53, s.isDouble);
  PutField<uint8_t>(r, 54, s.spectroscopic);
  return r;
}

// A program folder of its own with "stars.dat" (spelt as given) and the settings file.
class TStarFolder {
 public:
  explicit TStarFolder(const std::vector<TStarSpec>& stars,
                       const std::string& fileName = "stars.dat", std::size_t extraBytes = 0) {
    folder_ = std::filesystem::temp_directory_path() /
              ("velarion-stars-" + std::to_string(::getpid()) + "-" + std::to_string(++Counter()));
    std::filesystem::create_directories(folder_);
    std::ofstream out(folder_ / fileName, std::ios::binary);
    for (const TStarSpec& s : stars) {
      const auto bytes = StarBytes(s);
      out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    const std::string tail(extraBytes, 'x');
    out.write(tail.data(), static_cast<std::streamsize>(tail.size()));
    velarion::sky::SetSettingsFile(Ini());
  }
  ~TStarFolder() {
    velarion::sky::SetSettingsFile("");
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  TStarFolder(const TStarFolder&) = delete;
  TStarFolder& operator=(const TStarFolder&) = delete;

  std::string Path() const { return folder_.string() + "/"; }
  std::string Ini() const { return (folder_ / "Velarion.ini").string(); }

 private:
  static int& Counter() {
    static int counter = 0;
    return counter;
  }
  std::filesystem::path folder_;
};

struct TConstellationSpec {
  std::string name;
  std::string code;
};

// "CNAME": the 45-byte record of names and abbreviation.
class TFakeConstellations : public velarion::kit::TObjectGroup {
 public:
  explicit TFakeConstellations(std::vector<TConstellationSpec> entries)
      : entries_(std::move(entries)) {}
  void Init() override {
    Code = "CNAME";
    ObjectCount = static_cast<int32_t>(entries_.size());
  }
  int32_t GetObjectData(int32_t n, std::span<std::byte> buffer) override {
    if (!IsValidIndex(n) || buffer.size() <= 44) return 0;
    std::fill(buffer.begin(), buffer.begin() + 45, std::byte{0});
    const TConstellationSpec& e = entries_[static_cast<std::size_t>(n - 1)];
    velplatform::PutText(buffer, 0, 20, e.name);
    velplatform::PutText(buffer, 20, 20, e.name);
    velplatform::PutText(buffer, 40, 5, e.code);
    return 45;
  }

 private:
  std::vector<TConstellationSpec> entries_;
};

// "SNAME": catalogue number and proper name.
class TFakeStarNames : public velarion::kit::TObjectGroup {
 public:
  explicit TFakeStarNames(std::vector<std::pair<int32_t, std::string>> names)
      : names_(std::move(names)) {}
  void Init() override {
    Code = "SNAME";
    ObjectCount = static_cast<int32_t>(names_.size());
  }
  int32_t GetObjectData(int32_t n, std::span<std::byte> buffer) override {
    if (!IsValidIndex(n) || buffer.size() < 34) return 0;
    const auto& [hr, name] = names_[static_cast<std::size_t>(n - 1)];
    velplatform::PutField<int32_t>(buffer, 0, hr);
    const std::size_t length = std::min(name.size(), buffer.size() - 5);
    std::memcpy(buffer.data() + 4, name.data(), length);
    buffer[4 + length] = std::byte{0};
    return static_cast<int32_t>(length + 5);
  }

 private:
  std::vector<std::pair<int32_t, std::string>> names_;
};

// The main group list the host exports search, for the life of the object.
class THostGroups {
 public:
  THostGroups() { velarion::groups::SetMainGroupList(&list_); }
  ~THostGroups() { velarion::groups::SetMainGroupList(nullptr); }
  THostGroups(const THostGroups&) = delete;
  THostGroups& operator=(const THostGroups&) = delete;

  template <typename TGroup, typename... TArgs>
  TGroup& Add(TArgs&&... args) {
    return Add<TGroup>(velarion::kit::MakeGroup<TGroup>(std::forward<TArgs>(args)...));
  }
  template <typename TGroup>
  TGroup& Add(velarion::kit::TGroupPtr group) {
    velarion::groups::TGroupListElement& e = list_.AddNewGroup(true);
    auto wrapper = std::make_unique<velarion::groups::TStdGroup>(std::move(group));
    TGroup& result = static_cast<TGroup&>(wrapper->Group());
    e.SetGroup(std::move(wrapper));
    e.SetVisibleInQuickView(true);
    e.SetVisibleInDetailedView(true);
    return result;
  }
  velarion::groups::TGroupList& List() { return list_; }

 private:
  velarion::groups::TGroupList list_;
};

}  // namespace veltest

#endif

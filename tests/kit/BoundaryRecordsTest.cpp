// The boundary records byte for byte, in both directions, against layouts written out by
// hand here from their tables.
#include "BoundaryRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using namespace velarion::kit;

// Appends little-endian values the way the tables lay them out.
class TGolden {
 public:
  template <typename T>
  TGolden& Value(T v) {
    const auto* p = reinterpret_cast<const std::byte*>(&v);
    bytes.insert(bytes.end(), p, p + sizeof v);
    return *this;
  }
  TGolden& Text(const char* s, std::size_t width) {
    const std::size_t n = std::strlen(s);
    for (std::size_t i = 0; i < width; ++i) bytes.push_back(i < n ? std::byte(s[i]) : std::byte{0});
    return *this;
  }
  std::vector<std::byte> bytes;
};

TEST(BoundaryRecords, GroupInfoRecord) {
  const TGroupInfo info{"BSC5P", "Stars", "2.0", 9096, 1, 0.5, 1 + 8 + 32 + 64, true};
  const auto golden = TGolden()
                          .Text("BSC5P", 6)
                          .Text("Stars", 31)
                          .Text("2.0", 6)
                          .Value<int32_t>(9096)
                          .Value<int16_t>(1)
                          .Value<double>(0.5)
                          .Value<uint16_t>(105)
                          .Value<uint8_t>(1)
                          .bytes;
  ASSERT_EQ(golden.size(), 60u);
  std::vector<std::byte> record(60, std::byte{0xAA});
  WriteGroupInfo(info, record);
  EXPECT_EQ(record, golden);
  const TGroupInfo back = ReadGroupInfo(golden);
  EXPECT_EQ(back.code, "BSC5P");
  EXPECT_EQ(back.name, "Stars");
  EXPECT_EQ(back.objectCount, 9096);
  EXPECT_EQ(back.flags, 105);
  EXPECT_TRUE(back.resourcesReady);
}

TEST(BoundaryRecords, LongTextsAreCutAndFieldsWithoutZeroDoNotRunOn) {
  std::vector<std::byte> record(60);
  WriteGroupInfo({"TOOLONGCODE", std::string(40, 'n'), "1.2.3.4", 0, 0, 0.0, 0, false}, record);
  const TGroupInfo info = ReadGroupInfo(record);
  EXPECT_EQ(info.code, "TOOLO");
  EXPECT_EQ(info.name, std::string(30, 'n'));
  EXPECT_EQ(info.version, "1.2.3");
  // A code field filled to its end without a zero reads as its six bytes only.
  std::memset(record.data(), 'X', 6);
  EXPECT_EQ(ReadGroupInfo(record).code, "XXXXXX");
}

TEST(BoundaryRecords, RefreshParamRecordWithItsColourTable) {
  TViewParameters v;
  v.mjdUt = 60000.25;
  v.mjdDynamical = 60000.2508;
  v.siderealHours = 6.5;
  v.latitude = 55.75;
  v.longitudeEast = 37.62;
  v.timeZoneHours = 3;
  v.centreX = 400;
  v.centreY = 300;
  v.radius = 290;
  v.yScale = 1.0;
  v.zoomPercent = 150;
  v.projection = 1;
  v.rotationDeg = 12.5;
  v.azimuthZero = 1;
  v.mirror = 0;
  for (int i = 0; i < 14; ++i) v.colours[i] = 0x00010203 * static_cast<uint32_t>(i + 1);
  v.skyColourMode = 3;
  v.fontHeight = 13;
  v.letterWidth = 9;
  v.objectsVisible1 = 1;
  v.magnitudeLimitObjects = 600;
  v.magnitudeLimitLabels = 350;
  v.symbolSizes = 8;
  v.starProperNames = 1;
  v.objectsVisible16 = 1;
  v.objectsVisible5To14 = 0x3FF;
  v.alwaysHighPrecision = 0;
  v.objectsVisible2 = 1;
  v.objectsVisible4 = 0;
  v.objectsVisible3 = 1;
  v.objectsVisible15 = 1;
  TGolden g;
  g.Value(60000.25).Value(60000.2508).Value(6.5).Value(55.75).Value(37.62).Value(3.0);
  g.Value<int32_t>(400).Value<int32_t>(300).Value<int32_t>(290).Value(1.0).Value<int32_t>(150);
  g.Value<uint8_t>(1).Value(12.5).Value<uint8_t>(1).Value<uint8_t>(0).Value<uint32_t>(118);
  g.Value<uint8_t>(3).Value<int32_t>(13).Value<int32_t>(9).Value<uint8_t>(1);
  g.Value<int32_t>(600).Value<int32_t>(350).Value<int32_t>(8).Value<uint8_t>(1).Value<uint8_t>(1);
  g.Value<uint16_t>(0x3FF).Value<uint8_t>(0).Value<uint8_t>(1).Value<uint8_t>(0);
  g.Value<uint8_t>(1).Value<uint8_t>(1);
  ASSERT_EQ(g.bytes.size(), 118u);
  for (int i = 0; i < 14; ++i) g.Value<uint32_t>(v.colours[i]);
  const TRefreshParamBytes written = WriteRefreshParam(v);
  EXPECT_TRUE(std::equal(written.begin(), written.end(), g.bytes.begin(), g.bytes.end()));
  EXPECT_EQ(ReadRefreshParam(g.bytes), v);
}

TEST(BoundaryRecords, ColourTableOutsideTheGivenBytesReadsAsZero) {
  TViewParameters v;
  v.colours.fill(0xFFFFFF);
  TRefreshParamBytes bytes = WriteRefreshParam(v);
  PutField<uint32_t>(bytes, refresh_param::kColourTableOffset, 5000);
  EXPECT_EQ(ReadRefreshParam(bytes).colours, TColourTable{});
  // Only the record, without the table after it.
  EXPECT_EQ(ReadRefreshParam(std::span(bytes).first(118)).colours, TColourTable{});
}

TEST(BoundaryRecords, SearchResultRecords) {
  const TSearchResult hit{"SNAME", 7, 101.25, -16.7};
  std::vector<std::byte> r22(22), r26(26);
  WriteSearchResult(hit, r22);
  WriteSearchResult10(hit, r26);
  EXPECT_EQ(r22, TGolden().Text("SNAME", 6).Value(101.25).Value(-16.7).bytes);
  EXPECT_EQ(r26, TGolden().Text("SNAME", 6).Value<int32_t>(7).Value(101.25).Value(-16.7).bytes);
  EXPECT_EQ(ReadSearchResult10(r26).number, 7);
  EXPECT_EQ(ReadSearchResult(r22).dec, -16.7);
}

TEST(BoundaryRecords, CommonObjectRecord) {
  TCommonObject o;
  o.flags = 43;
  o.name = "Sirius";
  o.raOfDate = 101.5;
  o.decOfDate = -16.75;
  o.raCatalogue = 101.25;
  o.decCatalogue = -16.7;
  o.photographicMagnitude = 1.5F;
  o.visualMagnitude = -1.46F;
  o.sizeDeg = 0.25F;
  o.phase = 1.0F;
  o.distanceAu = 2.5F;
  o.reserved = 9;
  const auto golden = TGolden()
                          .Text("VLOD", 4)
                          .Value<int32_t>(43)
                          .Text("Sirius", 128)
                          .Value(101.5)
                          .Value(-16.75)
                          .Value(101.25)
                          .Value(-16.7)
                          .Value(1.5F)
                          .Value(-1.46F)
                          .Value(0.25F)
                          .Value(1.0F)
                          .Value(2.5F)
                          .Value<uint8_t>(9)
                          .bytes;
  ASSERT_EQ(golden.size(), 189u);
  std::vector<std::byte> record(189);
  WriteCommonObject(o, record);
  EXPECT_FALSE(HasCommonObjectMagic(record));  // the magic is the host's to write
  WriteCommonObjectMagic(record);
  EXPECT_EQ(record, golden);
  EXPECT_EQ(ReadCommonObject(golden).name, "Sirius");
  EXPECT_EQ(ReadCommonObject(golden).visualMagnitude, -1.46F);
  EXPECT_FALSE(HasCommonObjectMagic(std::span(golden).first(100)));
}

}  // namespace

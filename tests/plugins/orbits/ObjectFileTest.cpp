#include "ObjectFile.h"

#include "ByteFields.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <variant>

namespace velarion::orbits {
namespace {

velplatform::TConstBytes BytesOf(const std::string& text) {
  return std::as_bytes(std::span(text.data(), text.size()));
}

TAsteroidElements Vesta() { return {4, 60000.0, 103.8, 7.14, 151.2, 0.089, 2.3615, 20.8, 320, 32}; }

TCometElements Encke() { return {60238.5, 0.3393, 0.8471, 187.28, 334.2, 11.35, 1150, 600}; }

TOrbitalLists TwoObjects() {
  TOrbitalLists lists;
  auto asteroid = std::make_unique<TAsteroid>("Vesta");
  EXPECT_EQ(asteroid->SetElements(Vesta()), TElementFault::kNone);
  asteroid->SetSelected(true);
  lists.asteroids.push_back(std::move(asteroid));
  auto comet = std::make_unique<TComet>("2P/Encke");
  EXPECT_EQ(comet->SetElements(Encke()), TElementFault::kNone);
  lists.comets.push_back(std::move(comet));
  return lists;
}

// The layout, byte by byte, as a reader that knows only the file format sees it.
TEST(ObjectFileTest, RecordsLieAtTheirOffsets) {
  const std::string bytes = WriteObjectFile(TwoObjects());
  const auto all = BytesOf(bytes);
  ASSERT_EQ(bytes.size(), kAsteroidRecordBytesWithoutName + 5 + kCometRecordBytesWithoutName + 8);
  using velplatform::GetField;
  EXPECT_EQ(GetField<uint8_t>(all, 0), 1);
  EXPECT_EQ(GetField<int32_t>(all, 1), 4);
  EXPECT_EQ(GetField<uint8_t>(all, 5), 5);
  EXPECT_EQ(bytes.substr(6, 5), "Vesta");
  EXPECT_EQ(GetField<double>(all, 11), 60000.0);  // epoch of M
  EXPECT_EQ(GetField<double>(all, 19), 103.8);    // Ω
  EXPECT_EQ(GetField<double>(all, 51), 2.3615);   // a
  EXPECT_EQ(GetField<double>(all, 59), 20.8);     // M
  EXPECT_EQ(GetField<int16_t>(all, 67), 320);     // H
  EXPECT_EQ(GetField<int16_t>(all, 69), 32);      // G
  EXPECT_EQ(GetField<double>(all, 71), 51544.5);  // equinox
  EXPECT_EQ(GetField<uint8_t>(all, 79), 1);       // selected
  const std::size_t comet = 80;
  EXPECT_EQ(GetField<uint8_t>(all, comet), 2);
  EXPECT_EQ(GetField<uint8_t>(all, comet + 1), 8);
  EXPECT_EQ(bytes.substr(comet + 2, 8), "2P/Encke");
  EXPECT_EQ(GetField<double>(all, comet + 10), 60238.5);  // perihelion
  EXPECT_EQ(GetField<double>(all, comet + 18), 0.3393);   // q
  EXPECT_EQ(GetField<double>(all, comet + 50), 11.35);    // i
  EXPECT_EQ(GetField<int16_t>(all, comet + 58), 1150);    // g
  EXPECT_EQ(GetField<int16_t>(all, comet + 60), 600);     // k
  EXPECT_EQ(GetField<uint8_t>(all, comet + 70), 0);       // not selected
}

TEST(ObjectFileTest, RoundTrip) {
  const std::string bytes = WriteObjectFile(TwoObjects());
  const auto read = ReadObjectFile(BytesOf(bytes));
  ASSERT_TRUE(std::holds_alternative<TOrbitalLists>(read));
  const TOrbitalLists& lists = std::get<TOrbitalLists>(read);
  ASSERT_EQ(lists.asteroids.size(), 1u);
  ASSERT_EQ(lists.comets.size(), 1u);
  EXPECT_EQ(lists.asteroids[0]->Name(), "Vesta");
  EXPECT_TRUE(lists.asteroids[0]->Selected());
  EXPECT_EQ(lists.asteroids[0]->Elements().meanAnomalyDeg, 20.8);
  EXPECT_EQ(lists.comets[0]->Name(), "2P/Encke");
  EXPECT_FALSE(lists.comets[0]->Selected());
  EXPECT_EQ(lists.comets[0]->Elements().activity100, 600);
  EXPECT_EQ(WriteObjectFile(lists), bytes);
}

TEST(ObjectFileTest, LongNamesAreCutTo255Characters) {
  TOrbitalLists lists;
  lists.comets.push_back(std::make_unique<TComet>(std::string(300, 'c')));
  const auto read = ReadObjectFile(BytesOf(WriteObjectFile(lists)));
  ASSERT_TRUE(std::holds_alternative<TOrbitalLists>(read));
  EXPECT_EQ(std::get<TOrbitalLists>(read).comets[0]->Name(), std::string(255, 'c'));
}

// Any cut inside a record is found; nothing of the file is taken.
TEST(ObjectFileTest, EveryTruncationIsRefused) {
  const std::string bytes = WriteObjectFile(TwoObjects());
  for (std::size_t size = 1; size < bytes.size(); ++size) {
    if (size == 80) continue;  // the asteroid alone is a whole file
    const auto read = ReadObjectFile(BytesOf(bytes.substr(0, size)));
    ASSERT_TRUE(std::holds_alternative<TObjectFileFault>(read)) << size;
    EXPECT_EQ(std::get<TObjectFileFault>(read).element, TElementFault::kTruncatedRecord) << size;
  }
}

TEST(ObjectFileTest, UnknownTypeByteStopsWithWhereItLies) {
  const std::string bytes = WriteObjectFile(TwoObjects());
  const std::string damaged = bytes.substr(0, 80) + '\x07' + bytes.substr(81);
  const auto read = ReadObjectFile(BytesOf(damaged));
  ASSERT_TRUE(std::holds_alternative<TObjectFileFault>(read));
  const TObjectFileFault fault = std::get<TObjectFileFault>(read);
  EXPECT_EQ(fault.recordNumber, 2u);
  EXPECT_EQ(fault.byteOffset, 80u);
  EXPECT_EQ(fault.typeByte, 7);
  EXPECT_EQ(DescribeObjectFileFault(fault, "orbits.dat", false),
            "orbits.dat, record 2 (byte 80): unknown record type");
}

// Elements that the editors refuse are refused in the file too.
TEST(ObjectFileTest, InvalidElementsInARecordAreRefused) {
  struct TCase {
    std::size_t offset;
    double value;
    TElementFault fault;
  };
  const TCase cases[] = {
      {43, 1.0, TElementFault::kEccentricityNotBelowOne},             // asteroid e
      {43, -0.1, TElementFault::kNegativeEccentricity},               // asteroid e
      {51, 0.0, TElementFault::kSemimajorAxisNotPositive},            // asteroid a
      {19, std::nan(""), TElementFault::kNotFinite},                  // asteroid Ω
      {80 + 18, 0.0, TElementFault::kPerihelionDistanceNotPositive},  // comet q
      {80 + 26, -1.0, TElementFault::kNegativeEccentricity},          // comet e
  };
  const std::string bytes = WriteObjectFile(TwoObjects());
  for (const TCase& c : cases) {
    std::string damaged = bytes;
    velplatform::PutField(std::as_writable_bytes(std::span(damaged.data(), damaged.size())),
                          c.offset, c.value);
    const auto read = ReadObjectFile(BytesOf(damaged));
    ASSERT_TRUE(std::holds_alternative<TObjectFileFault>(read)) << c.offset;
    EXPECT_EQ(std::get<TObjectFileFault>(read).element, c.fault) << c.offset;
  }
}

TEST(ObjectFileTest, EmptyFileHoldsNoObjects) {
  const auto read = ReadObjectFile({});
  ASSERT_TRUE(std::holds_alternative<TOrbitalLists>(read));
  EXPECT_TRUE(std::get<TOrbitalLists>(read).asteroids.empty());
}

}  // namespace
}  // namespace velarion::orbits

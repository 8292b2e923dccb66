#include "ObjectFile.h"

#include "Concat.h"
#include "Cp1251.h"
#include "Numbers.h"

namespace velarion::orbits {
namespace {

template <typename T>
TElementFault ReadInto(velplatform::TByteReader& reader, std::vector<std::unique_ptr<T>>& list) {
  auto object = std::make_unique<T>();
  const TElementFault fault = object->ReadRecord(reader);
  if (fault == TElementFault::kNone) list.push_back(std::move(object));
  return fault;
}

std::string_view FaultText(TElementFault fault, bool russian) {
  switch (fault) {
    case TElementFault::kNone:
      return russian ? "неизвестный тип записи" : "unknown record type";
    case TElementFault::kUnreadableNumber:
    case TElementFault::kNotFinite:
      return russian ? "неверное число" : "invalid number";
    case TElementFault::kTruncatedRecord:
      return russian ? "запись обрезана концом файла" : "record cut off by the end of the file";
    case TElementFault::kNegativeNumber:
      return russian ? "неверный номер астероида" : "invalid asteroid number";
    case TElementFault::kNegativeEccentricity:
    case TElementFault::kEccentricityNotBelowOne:
      return russian ? "неверный эксцентриситет" : "invalid eccentricity";
    case TElementFault::kSemimajorAxisNotPositive:
      return russian ? "неверная большая полуось" : "invalid semimajor axis";
    case TElementFault::kPerihelionDistanceNotPositive:
      return russian ? "неверное расстояние перигелия" : "invalid distance of perihelion";
    case TElementFault::kMagnitudeOutOfRange:
    case TElementFault::kSlopeOutOfRange:
      return russian ? "неверный параметр блеска" : "invalid magnitude parameter";
  }
  return {};
}

}  // namespace

std::variant<TOrbitalLists, TObjectFileFault> ReadObjectFile(velplatform::TConstBytes bytes) {
  TOrbitalLists lists;
  velplatform::TByteReader reader(bytes);
  // Every record takes at least its type byte, so the loop ends with the bytes.
  for (std::size_t record = 1; !reader.AtEnd(); ++record) {
    const std::size_t offset = reader.Position();
    const uint8_t type = *reader.Read<uint8_t>();
    TElementFault fault = TElementFault::kNone;
    if (type == static_cast<uint8_t>(TOrbitalKind::kAsteroid)) {
      fault = ReadInto(reader, lists.asteroids);
    } else if (type == static_cast<uint8_t>(TOrbitalKind::kComet)) {
      fault = ReadInto(reader, lists.comets);
    } else {
      return TObjectFileFault{record, offset, type, TElementFault::kNone};
    }
    if (fault != TElementFault::kNone) return TObjectFileFault{record, offset, type, fault};
  }
  return lists;
}

std::string WriteObjectFile(const TOrbitalLists& lists) {
  velplatform::TByteWriter writer;
  for (const auto& asteroid : lists.asteroids) asteroid->WriteRecord(writer);
  for (const auto& comet : lists.comets) comet->WriteRecord(writer);
  return writer.Bytes();
}

std::string DescribeObjectFileFault(const TObjectFileFault& fault, std::string_view fileName,
                                    bool russian) {
  using velplatform::Cp1251;
  using velplatform::IntegerToText;
  const std::string record = IntegerToText(static_cast<int64_t>(fault.recordNumber));
  const std::string offset = IntegerToText(static_cast<int64_t>(fault.byteOffset));
  return velplatform::Concat({fileName, Cp1251(russian ? ", запись " : ", record "), record,
                              Cp1251(russian ? " (байт " : " (byte "), offset,
                              "): ", Cp1251(FaultText(fault.element, russian))});
}

}  // namespace velarion::orbits

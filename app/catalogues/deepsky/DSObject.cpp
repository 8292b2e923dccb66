#include "DSObject.h"

#include "Cp1251.h"

namespace velarion::catalogues {

namespace {

bool NumberPrecedes(int16_t a, int16_t b) {
  if (a == 0 || b == 0) return a != 0 && b == 0;
  return a < b;
}

bool NamePrecedes(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return !a.empty() && b.empty();
  return velplatform::UpperCp1251(a) < velplatform::UpperCp1251(b);
}

const TDSObject& Row(const groups::TObjectList& rows, int32_t i) {
  return static_cast<const TDSObject&>(*rows.Items(i));
}

}  // namespace

bool Precedes(const TDSObject& a, const TDSObject& b, TDeepFindColumn column) {
  switch (column) {
    case TDeepFindColumn::kMessier:
      return NumberPrecedes(a.messier, b.messier);
    case TDeepFindColumn::kNgc:
      return NumberPrecedes(a.ngc, b.ngc);
    case TDeepFindColumn::kType:
      return a.type < b.type;
    case TDeepFindColumn::kName:
      return NamePrecedes(a.name, b.name);
  }
  return false;
}

void SortRows(groups::TObjectList& rows, TDeepFindColumn column) {
  for (int32_t place = 0; place < rows.Count(); ++place) {
    int32_t smallest = place;
    for (int32_t i = place + 1; i < rows.Count(); ++i) {
      if (Precedes(Row(rows, i), Row(rows, smallest), column)) smallest = i;
    }
    if (smallest != place) rows.Insert(place, rows.Extract(smallest));
  }
}

}  // namespace velarion::catalogues

// What the tests that hold the program's reports of named objects against oracle rows
// share: the program's names of the oracle's objects, times of day compared across
// midnight, and the largest differences reported at the end.
#ifndef VELARION_TESTS_ORACLE_OBJECTS_H
#define VELARION_TESTS_ORACLE_OBJECTS_H

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>

namespace veltest {

// The program's name of an object the oracle calls by its English name; stars go by their
// HR numbers in both.
inline std::string ProgramObjectName(const std::string& object) {
  static const std::map<std::string, std::string> kNames{
      {"Sun", "Солнце"}, {"Moon", "Луна"},      {"Mercury", "Меркурий"}, {"Venus", "Венера"},
      {"Mars", "Марс"},  {"Jupiter", "Юпитер"}, {"Saturn", "Сатурн"}};
  const auto found = kNames.find(object);
  return found == kNames.end() ? object : found->second;
}

// Minutes between two times of day, across midnight: 23h 59.8m is printed as 0h 0m.
inline double MinutesApart(double a, double b) {
  constexpr double kMinutesPerDay = 1440.0;
  return std::fabs(std::remainder(a - b, kMinutesPerDay));
}

// The largest difference so far of each quantity, per object ("stars" for all stars).
class TLargestDifferences {
 public:
  void Add(const std::string& object, const std::string& quantity, double difference) {
    const std::string kind = (object.starts_with("HR ") ? "stars" : object) + " " + quantity;
    largest_[kind] = std::max(largest_[kind], difference);
  }
  std::string Text() const {
    std::ostringstream text;
    for (const auto& [kind, value] : largest_) text << kind << ' ' << value << "; ";
    return text.str();
  }

 private:
  std::map<std::string, double> largest_;
};

}  // namespace veltest

#endif

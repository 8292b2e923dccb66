#include "ObjectByName.h"

#include "ByteFields.h"
#include "ConstellationRecord.h"
#include "Cp1251.h"
#include "DeepSkyObjectRecord.h"
#include "FindForm.h"
#include "MarkupText.h"
#include "Numbers.h"
#include "StarDataRecord.h"
#include "StarSearchDialog.h"

#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace velarion::ui {

namespace {

using velplatform::GetField;

// The Greek small letters alpha to omega (final sigma left out), in the order of the Bayer
// letters' Latin keys.
constexpr std::array<std::string_view, 24> kGreekLetters = {"α", "β", "γ", "δ", "ε", "ζ", "η", "θ",
                                                            "ι", "κ", "λ", "μ", "ν", "ξ", "ο", "π",
                                                            "ρ", "σ", "τ", "υ", "φ", "χ", "ψ", "ω"};

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    if (c == ' ') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

std::optional<int32_t> Number(std::string_view text) {
  const auto n = velplatform::ParseInteger(text);
  if (!n || *n <= 0 || *n > 100000) return std::nullopt;
  return static_cast<int32_t>(*n);
}

// The Latin key of a Bayer letter written as α or as its name (Alp, alpha's three letters).
std::optional<char> BayerKey(std::string_view utf8Word) {
  for (std::size_t i = 0; i < kGreekLetters.size(); ++i) {
    if (utf8Word == kGreekLetters[i]) return catalogues::kBayerLetters[i];
  }
  for (const char key : catalogues::kBayerLetters) {
    const std::string_view name = sky::GreekLetterName(key);
    if (name.size() == utf8Word.size() &&
        std::equal(name.begin(), name.end(), utf8Word.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) ==
                 std::tolower(static_cast<unsigned char>(b));
        })) {
      return key;
    }
  }
  return std::nullopt;
}

template <typename TMatch>
std::optional<sky::TSelectedObject> FirstObject(groups::TSkyObjectGroup* group, TMatch match) {
  if (group == nullptr) return std::nullopt;
  std::array<std::byte, 1024> record;
  for (int32_t n = 1; n <= group->GetObjectCount(); ++n) {
    record.fill(std::byte{1});  // the full record is asked for
    const int32_t size = group->GetObjectData(n, record);
    if (size > 0 && match(std::span(record).first(static_cast<std::size_t>(size)))) {
      return sky::TSelectedObject{group, n};
    }
  }
  return std::nullopt;
}

std::optional<int32_t> ConstellationNumber(groups::TGroupList& list,
                                           std::string_view abbreviation) {
  namespace c = catalogues::constellation_record;
  const auto found = FirstObject(
      list.FindGroup(catalogues::kConstellationNamesCode), [&](std::span<const std::byte> r) {
        const std::string a = velplatform::GetText(r, c::kAbbreviation, c::kAbbreviationWidth);
        return velplatform::LowerCp1251(a) == velplatform::LowerCp1251(abbreviation);
      });
  if (!found) return std::nullopt;
  return found->index;
}

std::optional<sky::TSelectedObject> FindCatalogueNumber(groups::TGroupList& list,
                                                        const std::vector<std::string>& words) {
  namespace d = catalogues::deep_sky_object;
  namespace s = catalogues::star_data;
  if (words.size() != 2) return std::nullopt;
  const std::string catalogue = velplatform::LowerCp1251(words[0]);
  if (const auto n = Number(words[1])) {
    if (catalogue == "m" || catalogue == "ngc") {
      const std::size_t offset = catalogue == "m" ? d::kMessier : d::kNgc;
      return FirstObject(list.FindGroup("DEEPS"), [&](std::span<const std::byte> r) {
        return r.size() == d::kRecordSize && GetField<int16_t>(r, offset) == *n;
      });
    }
    if (catalogue == "hr") {
      return FirstObject(list.FindGroup("BSC5P"), [&](std::span<const std::byte> r) {
        return r.size() == s::kSize && GetField<uint16_t>(r, s::kHr) == *n;
      });
    }
  }
  return std::nullopt;
}

// "α CMa", "Alp2 Cap", "61 Cyg": the bright star of that letter or number in the constellation.
std::optional<sky::TSelectedObject> FindDesignation(groups::TGroupList& list,
                                                    const std::vector<std::string>& utf8Words) {
  namespace s = catalogues::star_data;
  if (utf8Words.size() != 2) return std::nullopt;
  const std::optional<int32_t> constellation = ConstellationNumber(list, utf8Words[1]);
  if (!constellation) return std::nullopt;
  std::string letter = utf8Words[0];
  std::optional<int32_t> index;
  if (!letter.empty() && std::isdigit(static_cast<unsigned char>(letter.back())) &&
      !std::isdigit(static_cast<unsigned char>(letter.front()))) {
    index = letter.back() - '0';
    letter.pop_back();
  }
  const std::optional<char> key = BayerKey(letter);
  const std::optional<int32_t> flamsteed = key ? std::nullopt : Number(utf8Words[0]);
  if (!key && !flamsteed) return std::nullopt;
  return FirstObject(list.FindGroup("BSC5P"), [&](std::span<const std::byte> r) {
    if (r.size() != s::kSize || GetField<uint8_t>(r, s::kConstellation) != *constellation)
      return false;
    if (flamsteed) return GetField<uint8_t>(r, s::kFlamsteed) == *flamsteed;
    return GetField<char>(r, s::kBayerLetter) == *key &&
           (!index || GetField<uint8_t>(r, s::kBayerIndex) == *index);
  });
}

// The names an object answers to: its name before any bracket, comma or semicolon, the
// text in its last brackets, and each part of a name listed with semicolons.
std::vector<std::string> NamesOf(std::string_view markedUpName) {
  const std::string plain = sky::PlainText(markedUpName);
  std::vector<std::string> names;
  const auto add = [&](std::string_view text) {
    std::string name = catalogues::NormaliseName(text);
    std::erase(name, '"');
    if (!name.empty()) names.push_back(catalogues::NormaliseName(name));
  };
  std::string_view rest = plain;
  if (const std::size_t open = rest.rfind('('); open != std::string_view::npos) {
    const std::size_t close = rest.find(')', open);
    add(rest.substr(open + 1, close == std::string_view::npos ? close : close - open - 1));
    rest = rest.substr(0, open);
  }
  std::size_t start = 0;
  for (std::size_t i = 0; i <= rest.size(); ++i) {
    if (i == rest.size() || rest[i] == ';' || rest[i] == ',') {
      add(rest.substr(start, i - start));
      if (i < rest.size() && rest[i] == ',') break;  // a deep-sky object's type follows
      start = i + 1;
    }
  }
  return names;
}

std::optional<sky::TSelectedObject> FindProperName(groups::TGroupList& list,
                                                   std::string_view name) {
  const std::string wanted = catalogues::NormaliseName(name);
  for (int32_t i = 0; i < list.Count(); ++i) {
    groups::TSkyObjectGroup* group = list.Element(i).Group();
    if (group == nullptr) continue;
    for (int32_t n = 1; n <= group->GetObjectCount(); ++n) {
      for (const std::string& candidate : NamesOf(group->GetObjectName(n))) {
        if (candidate == wanted) return sky::TSelectedObject{group, n};
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<sky::TSelectedObject> FindObjectByName(groups::TGroupList& groups,
                                                     std::string_view utf8Name) {
  const std::vector<std::string> utf8Words = Words(utf8Name);
  if (utf8Words.empty()) return std::nullopt;
  const std::string name = velplatform::Utf8ToCp1251(utf8Name);
  if (auto found = FindCatalogueNumber(groups, Words(name))) return found;
  if (auto found = FindDesignation(groups, utf8Words)) return found;
  return FindProperName(groups, name);
}

}  // namespace velarion::ui

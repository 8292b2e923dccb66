#include "MarkupText.h"

#include <array>
#include <utility>

namespace velarion::sky {

namespace {

constexpr std::array<std::pair<char, std::string_view>, 24> kGreekNames = {{
    {'a', "Alp"}, {'b', "Bet"}, {'g', "Gam"}, {'d', "Del"}, {'e', "Eps"}, {'z', "Zet"},
    {'h', "Eta"}, {'q', "The"}, {'i', "Iot"}, {'k', "Kap"}, {'l', "Lam"}, {'m', "Mu"},
    {'n', "Nu"},  {'x', "Xi"},  {'o', "Omi"}, {'p', "Pi"},  {'r', "Rho"}, {'s', "Sig"},
    {'t', "Tau"}, {'u', "Ups"}, {'j', "Phi"}, {'c', "Chi"}, {'y', "Psi"}, {'w', "Ome"},
}};

bool IsCode(char c) { return c >= 1 && c <= 11; }

}  // namespace

std::string_view GreekLetterName(char latinKey) {
  for (const auto& [key, name] : kGreekNames) {
    if (key == latinKey) return name;
  }
  return {};
}

std::string PlainText(std::string_view markedUp) {
  std::string plain;
  bool greek = false;
  for (char c : markedUp) {
    if (c == '\0') break;
    if (IsCode(c)) {
      if (c == kMarkupItalicOn || c == kMarkupItalicOff) plain += '*';
      if (c == kMarkupGreek) greek = true;
      if (c == kMarkupNormal || c == kMarkupSymbol) greek = false;
      continue;
    }
    const std::string_view name = greek ? GreekLetterName(c) : std::string_view();
    if (name.empty()) {
      plain += c;
    } else {
      plain += name;
    }
  }
  return plain;
}

}  // namespace velarion::sky

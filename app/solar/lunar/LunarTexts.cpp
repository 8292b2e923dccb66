#include "LunarTexts.h"

#include "Cp1251.h"

#include <array>
#include <string_view>

namespace velarion::lunar {

namespace {

struct TTextPair {
  std::string_view russian;  // UTF-8 source literal
  std::string_view english;
};

constexpr int kFirst = static_cast<int>(TLunarText::kPenumbral);

constexpr std::array<TTextPair, 27> kTexts = {{
    {"Полутеневое", "Penumbral"},
    {"Частное", "Partial"},
    {"Полное", "Total"},
    {"лунное затмение", "Lunar eclipse"},
    {"Максимальная фаза:", "Maximum phase:"},
    {"Обстоятельства (Время = UT ", "Circumstances (Time = UT "},
    {"ч", "h"},
    {"Из текущей точки не видно.", "Is not visible at the current location."},
    {"Из текущей точки видно начало полной фазы.",
     "At the current location is visible the beginning of total eclipse."},
    {"Из текущей точки виден конец полной фазы.",
     "At the current location is visible the ending of total eclipse."},
    {"Из текущей точки видно начало частного затмения.",
     "At the current location is visible the beginning of partial eclipse."},
    {"Из текущей точки виден конец частного затмения.",
     "At the current location is visible the ending of partial eclipse."},
    {"Из текущей точки видно начало полутеневого затмения.",
     "At the current location is visible the beginning of penumbral eclipse."},
    {"Из текущей точки виден конец полутеневого затмения.",
     "At the current location is visible the ending of penumbral eclipse."},
    {"Начало полутеневого затмения:", "Beginning of penumbral eclipse:"},
    {"Начало частного затмения:", "Beginning of partial eclipse:"},
    {"Начало полного затмения:", "Beginning of total eclipse:"},
    {"Конец полного затмения:", "Ending of total eclipse:"},
    {"Конец частного затмения:", "Ending of partial eclipse:"},
    {"Конец полутеневого затмения:", "Ending of penumbral eclipse:"},
    {"Позиционные углы:", "Position angles:"},
    {"с", "s"},
    {"Новолуние:", "New Moon:"},
    {"Первая четверть:", "First quarter:"},
    {"Полнолуние:", "Full Moon:"},
    {"Третья четверть:", "Last quarter:"},
    {"(Время = UT", "(Time = UT"},
}};

}  // namespace

std::string LunarText(TLunarText text, sky::TLanguage language) {
  const TTextPair& pair = kTexts.at(static_cast<std::size_t>(static_cast<int>(text) - kFirst));
  return language == sky::TLanguage::kRussian ? velplatform::Cp1251(pair.russian)
                                              : std::string(pair.english);
}

}  // namespace velarion::lunar

// The checks before a path is computed, in the order the window reports them, and when a
// computed path is computed again.
#include "PathParameters.h"

#include "Cp1251.h"
#include "velastro.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::ui;
using velarion::paths::TMarkUnit;
using velarion::paths::TTimeSpan;
using velplatform::Cp1251;

TPathParameterFields Fields(TDateEntry start, TDateEntry end,
                            velarion::paths::TPathMarks marks = {}) {
  return {start, end, marks};
}

constexpr TDateEntry kJan2000{1, 1, 2000, false, 0.0};
constexpr TDateEntry kJan2050{1, 1, 2050, false, 0.0};
constexpr TDateEntry kJan2020{1, 1, 2020, false, 0.0};

struct TRefusal {
  const char* name;
  TPathParameterFields fields;
  const char* captionUtf8;
  const char* messageUtf8;
};

const char* const kStartCaption = "Ошибка в дате начала траектории";
const char* const kEndCaption = "Ошибка в дате окончания траектории";

TEST(PathParameters, RefusalsInTheOrderTheWindowTellsThem) {
  const TRefusal refusals[] = {
      {"typed year 0", Fields({1, 1, 0, false, 0.0}, kJan2000), kStartCaption,
       "Неверный номер года"},
      {"year 10000 BC", Fields(kJan2000, {1, 1, 10000, true, 0.0}), kEndCaption,
       "Неверный номер года"},
      {"year 10000", Fields(kJan2000, {1, 1, 10000, false, 0.0}), kEndCaption,
       "Неверный номер года"},
      {"hour 24", Fields({1, 1, 2000, false, 24.0}, kJan2050), kStartCaption,
       "Время должно быть от 0 до 24 ч."},
      {"negative hour", Fields(kJan2000, {1, 1, 2050, false, -0.1}), kEndCaption,
       "Время должно быть от 0 до 24 ч."},
      {"year before hour", Fields({1, 1, -5, false, 30.0}, kJan2000), kStartCaption,
       "Неверный номер года"},
      {"February 30 2024", Fields({30, 2, 2024, false, 0.0}, kJan2050), kStartCaption,
       "День должен быть от 1 до 29"},
      {"February 29 1900", Fields(kJan2000, {29, 2, 1900, false, 0.0}), kEndCaption,
       "День должен быть от 1 до 28"},
      {"day 0", Fields({0, 4, 2024, false, 0.0}, kJan2050), kStartCaption,
       "День должен быть от 1 до 30"},
      {"the start's fault told first", Fields({31, 4, 2024, false, 0.0}, {30, 2, 2024, false, 0.0}),
       kStartCaption, "День должен быть от 1 до 30"},
      {"multiplier 0", Fields(kJan2000, kJan2050, {TMarkUnit::kDay, 0, 1}), "Ошибка",
       "Неверный множитель шага меток"},
      {"multiplier 10000", Fields(kJan2050, kJan2000, {TMarkUnit::kYear, 10000, 1}), "Ошибка",
       "Неверный множитель шага меток"},
      {"end before start", Fields(kJan2050, kJan2000), "Ошибка",
       "Дата окончания траектории должна быть больше даты начала"},
      {"an hour too early", Fields({1, 1, 2000, false, 1.0}, kJan2000), "Ошибка",
       "Дата окончания траектории должна быть больше даты начала"},
      {"18262 daily marks", Fields(kJan2000, kJan2050, {TMarkUnit::kDay, 1, 1}), "Ошибка",
       "Максимальное количество меток - 16384"},
      {"16385 seconds",
       Fields(kJan2000, {1, 1, 2000, false, 16385.0 / 3600.0}, {TMarkUnit::kSecond, 1, 0}),
       "Ошибка", "Максимальное количество меток - 16384"},
  };
  for (const TRefusal& r : refusals) {
    const auto result = CheckPathParameters(r.fields, 0.0);
    ASSERT_TRUE(std::holds_alternative<TPathParameterError>(result)) << r.name;
    EXPECT_EQ(std::get<TPathParameterError>(result),
              (TPathParameterError{Cp1251(r.captionUtf8), Cp1251(r.messageUtf8)}))
        << r.name;
  }
}

struct TAcceptance {
  const char* name;
  TPathParameterFields fields;
};

TEST(PathParameters, AcceptedSpansAreTheLocalMomentsLessTheZone) {
  const TAcceptance accepted[] = {
      {"7305 daily marks", Fields(kJan2000, kJan2020, {TMarkUnit::kDay, 1, 1})},
      {"16383 seconds",
       Fields(kJan2000, {1, 1, 2000, false, 16383.0 / 3600.0}, {TMarkUnit::kSecond, 1, 0})},
      {"no marks, any multiplier", Fields(kJan2000, kJan2050, {TMarkUnit::kNone, 0, 0})},
      {"start equals end", Fields(kJan2000, kJan2000)},
      {"9999 BC to AD 9999", Fields({1, 1, 9999, true, 0.0}, {31, 12, 9999, false, 23.99})},
      {"October 31 1582", Fields({31, 10, 1582, false, 12.0}, kJan2000)},
  };
  for (const TAcceptance& a : accepted) {
    const auto result = CheckPathParameters(a.fields, 3.0);
    ASSERT_TRUE(std::holds_alternative<TTimeSpan>(result)) << a.name;
    const TTimeSpan span = std::get<TTimeSpan>(result);
    const TDateEntry& s = a.fields.start;
    const int32_t year = s.beforeChrist ? 1 - s.year : s.year;
    EXPECT_DOUBLE_EQ(span.tStart, GetT(MJD(s.day, s.month, year, s.hours) - 3.0 / 24.0)) << a.name;
  }
}

TEST(PathParameters, APathIsComputedAgainOnlyWhenAnEndMovedByMoreThanAMillisecond) {
  const TTimeSpan computed{0.25, 0.26};
  EXPECT_TRUE(PathSpanMoved(std::nullopt, computed));
  EXPECT_FALSE(PathSpanMoved(computed, computed));
  EXPECT_FALSE(PathSpanMoved(computed, {0.25 + 2.9e-10, 0.26 - 2.9e-10}));
  EXPECT_TRUE(PathSpanMoved(computed, {0.25 + 3.1e-10, 0.26}));
  EXPECT_TRUE(PathSpanMoved(computed, {0.25, 0.26 - 3.1e-10}));
}

}  // namespace

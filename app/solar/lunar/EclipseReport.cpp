#include "EclipseReport.h"

#include "Cp1251.h"
#include "ReportPieces.h"
#include "ValueFormat.h"

namespace velarion::lunar {

namespace {

constexpr std::array<TLunarText, kContactCount> kHeadings = {
    TLunarText::kP1, TLunarText::kU1, TLunarText::kU2, TLunarText::kMaximumPhase,
    TLunarText::kU3, TLunarText::kU4, TLunarText::kP4};

bool Seen(const std::array<bool, kContactCount>& visible, TContact c) {
  return visible[static_cast<int>(c)];
}

std::string TypeText(TEclipseType type, sky::TLanguage language) {
  if (type == TEclipseType::kNone) return {};
  return LunarText(static_cast<TLunarText>(static_cast<int>(TLunarText::kPenumbral) +
                                           static_cast<int>(type) - 1),
                   language);
}

}  // namespace

std::optional<TLunarText> VisibilityMessage(TEclipseType type,
                                            const std::array<bool, kContactCount>& visible) {
  if (Seen(visible, TContact::kGreatest)) return std::nullopt;
  const bool total = type == TEclipseType::kTotal;
  const bool umbral = total || type == TEclipseType::kPartial;
  if (!Seen(visible, TContact::kP1) && !Seen(visible, TContact::kP4)) {
    return TLunarText::kNotVisible;
  }
  if (total && Seen(visible, TContact::kU2)) return TLunarText::kSeenTotalBegins;
  if (total && Seen(visible, TContact::kU3)) return TLunarText::kSeenTotalEnds;
  if (umbral && Seen(visible, TContact::kU1)) return TLunarText::kSeenPartialBegins;
  if (umbral && Seen(visible, TContact::kU4)) return TLunarText::kSeenPartialEnds;
  if (Seen(visible, TContact::kP1)) return TLunarText::kSeenPenumbralBegins;
  return TLunarText::kSeenPenumbralEnds;
}

std::vector<std::string> EclipseReportLines(const TLunarEclipse& eclipse,
                                            const std::array<bool, kContactCount>& visible,
                                            double zoneHours, sky::TLanguage language) {
  const auto text = [language](TLunarText t) { return LunarText(t, language); };
  const auto ut = [&eclipse](TContact c) {
    return eclipse.At(c).value_or(eclipse.greatestMjdTt) - eclipse.deltaTDays;
  };
  const double zoneDays = zoneHours / 24.0;
  const auto localSpan = [&](double offset) {
    return DateSpanText(RoundedToTenthMinute(ut(TContact::kP1) + offset),
                        RoundedToTenthMinute(ut(TContact::kP4) + offset), language);
  };
  std::vector<std::string> lines = {
      TypeText(eclipse.type, language) + " " + text(TLunarText::kLunarEclipse),
      localSpan(0.0),
      "",
      text(TLunarText::kMaximumPhase) + " " + sky::FixedToText(3, eclipse.ShownMagnitude()),
      " ",
      text(TLunarText::kCircumstances) + ZoneText(zoneHours) + text(TLunarText::kHourLetter) + "):",
      localSpan(zoneDays)};
  if (const auto message = VisibilityMessage(eclipse.type, visible)) {
    lines.push_back(text(*message));
  }
  lines.emplace_back();
  for (int c = 0; c < kContactCount; ++c) {
    if (!eclipse.mjdTt[c]) continue;
    lines.push_back(text(kHeadings[c]) + " " +
                    TimeOfDayText(*eclipse.mjdTt[c] - eclipse.deltaTDays + zoneDays, language));
  }
  lines.emplace_back();
  lines.push_back(text(TLunarText::kPositionAngles));
  for (int c = 0; c < kContactCount; ++c) {
    if (!eclipse.positionAngleDeg[c]) continue;
    lines.push_back(text(kHeadings[c]) + " " + sky::FixedToText(1, *eclipse.positionAngleDeg[c]) +
                    velplatform::Cp1251("°"));
  }
  lines.emplace_back();
  lines.push_back("ET-UT = " + DeltaTText(eclipse.deltaTDays) + text(TLunarText::kSecondLetter));
  return lines;
}

}  // namespace velarion::lunar

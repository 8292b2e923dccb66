// Which ET - UT the Moon's reports use: the standard value at each moment shown, or the
// one fixed value of a view whose ΔT the user set by hand.
#ifndef VELARION_APP_SOLAR_LUNAR_DELTATRULE_H
#define VELARION_APP_SOLAR_LUNAR_DELTATRULE_H

namespace velarion::lunar {

class TDeltaTRule {
 public:
  // The view's rule: standard when its ΔT (mjdTt - mjdUt) is the standard one at mjdTt to
  // within 1e-6 day, else that fixed ΔT.
  static TDeltaTRule ForView(double mjdUt, double mjdTt);
  static TDeltaTRule Standard() { return TDeltaTRule(true, 0.0); }
  static TDeltaTRule Fixed(double deltaTDays) { return TDeltaTRule(false, deltaTDays); }

  bool IsStandard() const { return standard_; }
  // ΔT in days for a moment in dynamical time.
  double DaysAt(double mjdTt) const;
  double UtOf(double mjdTt) const { return mjdTt - DaysAt(mjdTt); }

 private:
  TDeltaTRule(bool standard, double fixedDays) : standard_(standard), fixedDays_(fixedDays) {}

  bool standard_;
  double fixedDays_;
};

}  // namespace velarion::lunar

#endif

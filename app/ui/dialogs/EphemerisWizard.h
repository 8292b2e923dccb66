// TEphemerisWizard ("Таблицы эфемерид"): the pages that choose the kind of table, its
// objects or its object and period, and its columns; "Вычислить" has the table written into
// the output console. The table-object list belongs to the console, so that it outlives the
// window.
#ifndef VELARION_APP_UI_DIALOGS_EPHEMERISWIZARD_H
#define VELARION_APP_UI_DIALOGS_EPHEMERISWIZARD_H

#include "Dialogs.h"
#include "EphemerisColumns.h"
#include "MomentFields.h"
#include "SkyPopupMenu.h"
#include "TablePeriod.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace velarion::ui {

// What the wizard needs of the program.
class TEphemerisHost {
 public:
  virtual ~TEphemerisHost() = default;
  // The selected objects the program knows something of, the last selected first.
  virtual std::vector<TMenuObject> SelectedObjects() = 0;
  // The selected-objects menu: what the user chose of them (nothing when none).
  virtual std::vector<TMenuObject> ChooseSelected() = 0;
  virtual double ViewLocalMjd() const = 0;
  // Write the tables into the console; false when the user cancelled.
  virtual bool WriteGroupTable(const std::vector<TMenuObject>& objects,
                               const ephemeris::TColumnChoice& columns) = 0;
  virtual bool WritePeriodTable(const TMenuObject& object, const ephemeris::TPeriod& period,
                                const ephemeris::TColumnChoice& columns) = 0;
};

// The page the window opens on.
enum class TEphemerisPage : int32_t { kKind = 1, kGroup = 2, kPeriod = 3, kColumns = 4 };

class TEphemerisWizard final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kPages = 101;
  static constexpr int32_t kBack = 102;
  static constexpr int32_t kNext = 103;
  static constexpr int32_t kCompute = 104;
  static constexpr int32_t kGroupKind = 111;
  static constexpr int32_t kPeriodKind = 112;
  static constexpr int32_t kTableObjects = 121;
  static constexpr int32_t kAddSelected = 122;
  static constexpr int32_t kRemove = 123;
  static constexpr int32_t kClear = 124;
  static constexpr int32_t kSelectedObjects = 131;
  static constexpr TMomentFieldIds kStart{141};
  static constexpr TMomentFieldIds kEnd{151};
  static constexpr int32_t kStepDays = 161;
  static constexpr int32_t kStepHours = 162;
  static constexpr int32_t kStepHoursButton = 163;
  // Check box of column kind k: kFirstColumn + k (the name column has none).
  static constexpr int32_t kFirstColumn = 170;
  static constexpr int32_t kEquatorialPrecision = 190;
  static constexpr int32_t kCataloguePrecision = 191;
  static constexpr int32_t kHourAngle = 192;
  static constexpr int32_t kRightAscension = 193;

  // `tableObjects` is the console's list; `firstPeriodObject` the selected object to
  // preselect on the period page (an index into the host's selected objects).
  TEphemerisWizard(TEphemerisHost& host, std::vector<TMenuObject>& tableObjects,
                   TEphemerisPage page, int32_t firstPeriodObject = 0,
                   velplatform::TWindowHandle owner = 0);

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;

 private:
  TEphemerisPage Page(const velplatform::TDialogControls& controls) const;
  void ShowPage(velplatform::TDialogControls& controls, TEphemerisPage page);
  bool PeriodTable(const velplatform::TDialogControls& controls) const;
  void Next(velplatform::TDialogControls& controls);
  void Back(velplatform::TDialogControls& controls);
  void ShowTableObjects(velplatform::TDialogControls& controls) const;
  void AddSelected(velplatform::TDialogControls& controls);
  void Remove(velplatform::TDialogControls& controls);
  void Clear(velplatform::TDialogControls& controls);
  // The period the page shows, none (after telling the user why) when it cannot be made.
  std::optional<ephemeris::TPeriod> CheckedPeriod(const velplatform::TDialogControls& controls);
  ephemeris::TColumnChoice ReadColumns(const velplatform::TDialogControls& controls) const;
  void Compute(velplatform::TDialogControls& controls);

  TEphemerisHost& host_;
  std::vector<TMenuObject>& tableObjects_;
  std::vector<TMenuObject> selected_;
  TEphemerisPage firstPage_;
  int32_t firstPeriodObject_;
  velplatform::TWindowHandle owner_;
};

}  // namespace velarion::ui

#endif

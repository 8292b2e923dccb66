// TObjectPathsForm ("Траектории объектов"): the list of paths with the moments they span
// and their marks; "Применить" computes the chosen path, "Удалить" removes it, and two
// buttons (Ctrl+F, Ctrl+B) draw the paths over or under the other groups.
#ifndef VELARION_APP_UI_DIALOGS_OBJECTPATHSFORM_H
#define VELARION_APP_UI_DIALOGS_OBJECTPATHSFORM_H

#include "Dialogs.h"
#include "MomentFields.h"
#include "PathParameters.h"
#include "SkyPopupMenu.h"

#include <cstdint>
#include <vector>

namespace velarion::ui {

// One entry of the list: an object and the path the fields ask for.
struct TPathEntry {
  TMenuObject object;
  TPathParameterFields fields;
  bool computed = false;  // a path exists for exactly these fields
};

// A new entry for the object: start and end at the local moment, no marks yet (a step of
// one, every mark labelled, once marks are turned on).
TPathEntry NewPathEntry(const TMenuObject& object, double localMjd);

// What the window needs of the program.
class TPathsHost {
 public:
  virtual ~TPathsHost() = default;
  // The selected-objects menu of the objects that have a place: what the user chose.
  virtual std::vector<TMenuObject> ChooseSelected() = 0;
  virtual double ViewLocalMjd() const = 0;
  virtual double TimeZoneHours() const = 0;
  // Creates or recomputes the entry's path over the span (T of universal time) its checked
  // fields give, and redraws; false when cancelled.
  virtual bool ComputePath(const TPathEntry& entry, const paths::TTimeSpan& span) = 0;
  virtual void RemovePath(const TPathEntry& entry) = 0;
  virtual bool PathsFirst() const = 0;
  virtual void SetPathsFirst(bool first) = 0;
};

class TObjectPathsForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kPaths = 101;
  static constexpr int32_t kAdd = 102;
  static constexpr int32_t kDelete = 103;
  static constexpr TMomentFieldIds kStart{111};
  static constexpr TMomentFieldIds kEnd{121};
  static constexpr int32_t kMarks = 131;
  static constexpr int32_t kMultiplier = 132;
  static constexpr int32_t kUnit = 133;
  static constexpr int32_t kLabels = 134;
  static constexpr int32_t kApply = 135;
  static constexpr int32_t kFront = 136;
  static constexpr int32_t kBack = 137;

  // `entries` are the program's, kept while it runs.
  TObjectPathsForm(TPathsHost& host, std::vector<TPathEntry>& entries,
                   velplatform::TWindowHandle owner = 0);

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  bool KeyPressed(velplatform::TDialogControls& controls,
                  const velplatform::TDialogKey& key) override;

 private:
  TPathEntry* Current(const velplatform::TDialogControls& controls);
  void ShowEntries(velplatform::TDialogControls& controls, int32_t select);
  void ShowEntry(velplatform::TDialogControls& controls);
  void ShowMarkFields(velplatform::TDialogControls& controls);
  TPathParameterFields ReadFields(const velplatform::TDialogControls& controls) const;
  void UpdateApply(velplatform::TDialogControls& controls);
  void Add(velplatform::TDialogControls& controls);
  void Delete(velplatform::TDialogControls& controls);
  void Apply(velplatform::TDialogControls& controls);
  void ShowOrder(velplatform::TDialogControls& controls);
  void SetOrder(velplatform::TDialogControls& controls, bool first);

  TPathsHost& host_;
  std::vector<TPathEntry>& entries_;
  velplatform::TWindowHandle owner_;
  bool updating_ = false;
};

}  // namespace velarion::ui

#endif

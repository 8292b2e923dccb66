// TDeepFindForm: the deep-sky search window. A table of every object in four columns
// ("M", "NGC", "Тип", "Собств. имя"), sorted by the column whose header is clicked, under a
// field that selects the first row whose name or catalogue number begins with the typed
// text; OK gives the selected object's number.
#ifndef VELARION_APP_CATALOGUES_DEEPSKY_DEEPFINDFORM_H
#define VELARION_APP_CATALOGUES_DEEPSKY_DEEPFINDFORM_H

#include "DSObject.h"
#include "DeepSkyFile.h"
#include "Dialogs.h"
#include "tContain.h"

#include <optional>

namespace velarion::catalogues {

class TDeepFindForm : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kSearchEdit = 101;
  static constexpr int32_t kTable = 102;  // columns in the order of TDeepFindColumn
  static constexpr int32_t kFindButton = 1;
  static constexpr int32_t kCancelButton = 2;
  static constexpr int32_t kInitialCapacity = 150;

  explicit TDeepFindForm(const TDeepSkyFile& file);

  static velplatform::TDialogLayout Layout();

  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  void HeaderClicked(velplatform::TDialogControls& controls, int32_t id, int32_t column) override;
  bool DoubleClicked(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;

  // The object chosen with OK.
  std::optional<int32_t> Chosen() const { return chosen_; }
  TDeepFindColumn SortedBy() const { return sortedBy_; }
  const groups::TObjectList& Rows() const { return rows_; }

 private:
  const TDSObject& Row(int32_t index) const;
  int32_t RowOf(int32_t number) const;
  int32_t FirstRowBeginningWith(std::string_view typed) const;
  void FillTable(velplatform::TDialogControls& controls) const;

  groups::TObjectList rows_{true, kInitialCapacity};
  TDeepFindColumn sortedBy_ = TDeepFindColumn::kMessier;
  std::optional<int32_t> chosen_;
};

}  // namespace velarion::catalogues

#endif

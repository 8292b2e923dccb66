// TDeepFindForm: the deep-sky search window. A list of every object in four columns
// ("M", "NGC", "Тип", "Собств. имя"), sorted by the column whose header is pressed; OK
// gives the selected object's number.
#ifndef VELARION_APP_CATALOGUES_DEEPSKY_DEEPFINDFORM_H
#define VELARION_APP_CATALOGUES_DEEPSKY_DEEPFINDFORM_H

#include "DSObject.h"
#include "DeepSkyFile.h"
#include "Dialogs.h"
#include "tContain.h"

#include <array>
#include <optional>

namespace velarion::catalogues {

class TDeepFindForm : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kList = 101;
  static constexpr int32_t kMessierHeader = 102;  // the headers in column order
  static constexpr int32_t kNgcHeader = 103;
  static constexpr int32_t kTypeHeader = 104;
  static constexpr int32_t kNameHeader = 105;
  static constexpr int32_t kInitialCapacity = 150;
  static constexpr char kSortedMark[] = "* ";  // before the sorted column's header

  explicit TDeepFindForm(const TDeepSkyFile& file);

  static velplatform::TDialogLayout Layout();

  void Init(velplatform::TDialogControls& controls) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  bool DoubleClicked(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;

  // The object chosen with OK.
  std::optional<int32_t> Chosen() const { return chosen_; }
  TDeepFindColumn SortedBy() const { return sortedBy_; }
  const groups::TObjectList& Rows() const { return rows_; }
  // A row as the list shows it, the columns padded to their widest text.
  std::string RowText(const TDSObject& row) const;

 private:
  void AddRow(TDSObject row);
  void FillList(velplatform::TDialogControls& controls) const;
  void MarkHeaders(velplatform::TDialogControls& controls) const;

  groups::TObjectList rows_{true, kInitialCapacity};
  std::array<std::size_t, 4> widths_{};
  TDeepFindColumn sortedBy_ = TDeepFindColumn::kMessier;
  std::optional<int32_t> chosen_;
};

}  // namespace velarion::catalogues

#endif

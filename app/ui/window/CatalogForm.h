// TCatalogForm ("Интерфейсы каталогов и групп объектов"): every group of the main list in
// drawing order with its record count and version, moved up and down (buttons, Shift+Up and
// Shift+Down, dragging), switched on or off for the quick and the detailed view (click or
// Space), and its options opened. Order and views reach the list only on "В&ерно".
#ifndef VELARION_APP_UI_WINDOW_CATALOGFORM_H
#define VELARION_APP_UI_WINDOW_CATALOGFORM_H

#include "CatalogRows.h"

#include <QDialog>

#include <functional>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velarion::ui {

class TCatalogForm final : public QDialog {
 public:
  // `detailedView`: the view the sky is in, whose shown groups are named in dark red.
  // `optionsChanged` runs when a group's options dialog changed something.
  TCatalogForm(QWidget* owner, groups::TGroupList& list, bool detailedView,
               std::function<void()> optionsChanged);

  QTreeWidget& Table() { return *table_; }
  const TCatalogRows& Rows() const { return rows_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum TColumn { kName, kCount, kVersion, kQuick, kDetailed };

  void BuildTable();
  void ShowRows(int32_t selected);
  void FillRow(QTreeWidgetItem& item, const TCatalogRow& row) const;
  int32_t SelectedRow() const;
  void Clicked(QTreeWidgetItem* item, int column);
  void MoveSelected(int32_t to);
  void EditOptions();
  void UpdateOptionsButton();
  void Accept();

  groups::TGroupList& list_;
  TCatalogRows rows_;
  bool detailedView_;
  std::function<void()> optionsChanged_;
  QTreeWidget* table_ = nullptr;
  QPushButton* options_ = nullptr;
};

}  // namespace velarion::ui

#endif

#include "CatalogForm.h"

#include "Cp1251.h"
#include "WindowTexts.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <string>

namespace velarion::ui {

namespace {

const QColor kShownName(0x80, 0, 0);  // dark red: the group is drawn in the current view
const QColor kHeading(0, 0, 0x80);    // navy
const QColor kCaption(0x80, 0, 0);
constexpr char kChecked[] = "☑";
constexpr char kUnchecked[] = "☐";

// The rows of the window: a drop moves the dragged row to the row under the pointer.
class TGroupTable final : public QTreeWidget {
 public:
  std::function<void(int32_t from, int32_t to)> moved;

 protected:
  void dropEvent(QDropEvent* event) override {
    const int32_t from = indexOfTopLevelItem(currentItem());
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    const int32_t to = target != nullptr ? indexOfTopLevelItem(target) : topLevelItemCount() - 1;
    event->setDropAction(Qt::IgnoreAction);  // the rows are rebuilt from the working copy
    event->accept();
    if (from >= 0 && moved) moved(from, to);
  }
};

// "« «  Порядок прорисовки  « «" written upwards beside the order buttons.
class TVerticalCaption final : public QWidget {
 public:
  explicit TVerticalCaption(QWidget* parent) : QWidget(parent) {
    setMinimumWidth(fontMetrics().height() + 4);
    setMinimumHeight(fontMetrics().horizontalAdvance(Text()) + 8);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(kCaption);
    painter.translate(width() / 2 + fontMetrics().ascent() / 2, height() - 4);
    painter.rotate(-90);
    painter.drawText(0, 0, Text());
  }

 private:
  static QString Text() { return Ru("« «  Порядок прорисовки  « «"); }
};

QString Shown(const std::string& cp1251) {
  return QString::fromStdString(velplatform::Cp1251ToUtf8(cp1251));
}

}  // namespace

TCatalogForm::TCatalogForm(QWidget* owner, groups::TGroupList& list, bool detailedView,
                           std::function<void()> optionsChanged)
    : QDialog(owner),
      list_(list),
      rows_(list),
      detailedView_(detailedView),
      optionsChanged_(std::move(optionsChanged)) {
  setWindowTitle(Ru("Интерфейсы каталогов и групп объектов"));
  BuildTable();
  auto* up = new QToolButton(this);
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(this);
  down->setArrowType(Qt::DownArrow);
  connect(up, &QToolButton::clicked, [this] { MoveSelected(SelectedRow() - 1); });
  connect(down, &QToolButton::clicked, [this] { MoveSelected(SelectedRow() + 1); });
  auto* order = new QVBoxLayout;
  order->addStretch();
  order->addWidget(new TVerticalCaption(this));
  order->addWidget(up);
  order->addWidget(down);
  auto* top = new QHBoxLayout;
  top->addWidget(table_, 1);
  top->addLayout(order);

  options_ = new QPushButton(Ru("П&араметры"), this);
  auto* ok = new QPushButton(Ru("В&ерно"), this);
  auto* cancel = new QPushButton(Ru("О&тмена"), this);
  ok->setDefault(true);
  connect(options_, &QPushButton::clicked, [this] { EditOptions(); });
  connect(ok, &QPushButton::clicked, [this] { Accept(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {options_, ok, cancel}) buttons->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  ShowRows(rows_.Rows().empty() ? -1 : 0);
  resize(table_->header()->length() + 80, 360);
}

void TCatalogForm::BuildTable() {
  auto* table = new TGroupTable;
  table->moved = [this](int32_t from, int32_t to) { ShowRows(rows_.Move(from, to)); };
  table_ = table;
  table_->setParent(this);
  table_->setColumnCount(5);
  table_->setHeaderLabels({Ru("Группа объектов"), Ru("Кол.записей"), Ru("Версия"),
                           Ru("Быстр.просм."), Ru("Дет.просм.")});
  for (int column = 0; column < 5; ++column) {
    table_->headerItem()->setForeground(column, kHeading);
    if (column >= kQuick) table_->headerItem()->setTextAlignment(column, Qt::AlignCenter);
  }
  table_->setRootIsDecorated(false);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setDragDropMode(QAbstractItemView::InternalMove);
  table_->header()->setStretchLastSection(false);
  table_->installEventFilter(this);
  connect(table_, &QTreeWidget::itemPressed,
          [this](QTreeWidgetItem* item, int column) { Clicked(item, column); });
  connect(table_, &QTreeWidget::itemDoubleClicked, [this] { EditOptions(); });
  connect(table_, &QTreeWidget::itemSelectionChanged, [this] { UpdateOptionsButton(); });
}

void TCatalogForm::FillRow(QTreeWidgetItem& item, const TCatalogRow& row) const {
  const groups::TSkyObjectGroup& group = *row.group;
  item.setText(kName, Shown(group.Name));
  item.setText(kCount, QString::number(row.group->GetObjectCount()));
  item.setText(kVersion, Shown(group.Version));
  item.setTextAlignment(kCount, Qt::AlignRight | Qt::AlignVCenter);
  item.setText(kQuick, row.OffersQuick() ? (row.quick ? kChecked : kUnchecked) : "");
  item.setText(kDetailed, row.OffersDetailed() ? (row.detailed ? kChecked : kUnchecked) : "");
  item.setTextAlignment(kQuick, Qt::AlignCenter);
  item.setTextAlignment(kDetailed, Qt::AlignCenter);
  const bool shown = detailedView_ ? row.detailed : row.quick;
  if (shown) item.setForeground(kName, kShownName);
  item.setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
}

void TCatalogForm::ShowRows(int32_t selected) {
  table_->clear();
  for (const TCatalogRow& row : rows_.Rows()) {
    auto* item = new QTreeWidgetItem(table_);
    FillRow(*item, row);
  }
  // Columns as wide as their widest text; the user may widen them.
  for (int column = 0; column < 5; ++column) table_->resizeColumnToContents(column);
  if (selected >= 0 && selected < table_->topLevelItemCount()) {
    table_->setCurrentItem(table_->topLevelItem(selected));
  }
  UpdateOptionsButton();
}

int32_t TCatalogForm::SelectedRow() const {
  return table_->currentItem() != nullptr ? table_->indexOfTopLevelItem(table_->currentItem()) : -1;
}

void TCatalogForm::Clicked(QTreeWidgetItem* item, int column) {
  const int32_t row = table_->indexOfTopLevelItem(item);
  if (column == kQuick) rows_.ToggleQuick(row);
  if (column == kDetailed) rows_.ToggleDetailed(row);
  if (column == kQuick || column == kDetailed) FillRow(*item, rows_.Rows()[row]);
}

void TCatalogForm::MoveSelected(int32_t to) {
  const int32_t row = SelectedRow();
  if (row >= 0) ShowRows(rows_.Move(row, to));
}

bool TCatalogForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != table_ || event->type() != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  const int32_t row = SelectedRow();
  if (row < 0) return false;
  if (key.key() == Qt::Key_Space) {
    rows_.StepViews(row);
    FillRow(*table_->topLevelItem(row), rows_.Rows()[row]);
    return true;
  }
  if ((key.modifiers() & Qt::ShiftModifier) && key.key() == Qt::Key_Up) {
    MoveSelected(row - 1);
    return true;
  }
  if ((key.modifiers() & Qt::ShiftModifier) && key.key() == Qt::Key_Down) {
    MoveSelected(row + 1);
    return true;
  }
  return false;
}

void TCatalogForm::UpdateOptionsButton() {
  const int32_t row = SelectedRow();
  options_->setEnabled(row >= 0 && rows_.Rows()[row].group->HasOptions);
}

void TCatalogForm::EditOptions() {
  const int32_t row = SelectedRow();
  if (row < 0 || !rows_.Rows()[row].group->HasOptions) return;
  const bool wasEnabled = isEnabled();
  setEnabled(false);
  const bool changed =
      rows_.Rows()[row].group->EditOptions(reinterpret_cast<velplatform::TWindowHandle>(this));
  setEnabled(wasEnabled);
  if (changed && optionsChanged_) optionsChanged_();
}

void TCatalogForm::Accept() {
  rows_.Apply(list_);
  accept();
}

}  // namespace velarion::ui

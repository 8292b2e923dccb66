#include "QtDialogs.h"

#include "Clipboard.h"
#include "Cp1251.h"
#include "DialogGeometry.h"
#include "FileChooser.h"
#include "FolderChooser.h"
#include "Fonts.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>

#include <algorithm>

namespace velplatform {

namespace {

QString ToQt(std::string_view cp1251) {
  const std::u16string text = Cp1251ToUtf16(cp1251);
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text) {
  return Utf16ToCp1251(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                           static_cast<std::size_t>(text.size())));
}

// Dialog units: a quarter of the average character width, an eighth of the line height.
struct TDialogUnits {
  double x;
  double y;
  // Edges round, not lengths, so that controls meeting in the table meet on the screen.
  QRect Rect(const TDialogRect& r) const {
    const int left = qRound(r.x * x);
    const int top = qRound(r.y * y);
    return {left, top, qRound((r.x + r.width) * x) - left, qRound((r.y + r.height) * y) - top};
  }
};

TDialogUnits UnitsOf(const QWidget& widget) {
  const QFontMetrics metrics(widget.font());
  return {metrics.averageCharWidth() / 4.0, metrics.height() / 8.0};
}

QWidget* OwnerWidget(TWindowHandle owner) { return reinterpret_cast<QWidget*>(owner); }

// List and combo-box items show their text, in the Greek font when it begins with
// kGreekItem, and keep it as added for Item().
QString ItemDisplay(std::string_view text) {
  if (!text.starts_with(kGreekItem)) return ToQt(text);
  const std::u16string greek = GreekText(Cp1251ToUtf16(text.substr(1)));
  return QString::fromUtf16(greek.data(), static_cast<qsizetype>(greek.size()));
}

QVariant ItemData(std::string_view text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ItemText(const QVariant& data) { return data.toByteArray().toStdString(); }

QTreeWidget* MakeTable(QWidget* parent) {
  auto* table = new QTreeWidget(parent);
  table->setRootIsDecorated(false);
  table->setItemsExpandable(false);
  table->setUniformRowHeights(true);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->header()->setSectionsClickable(true);
  table->header()->setSectionsMovable(false);
  table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return table;
}

Qt::Alignment AlignmentOf(TColumnAlignment alignment) {
  return (alignment == TColumnAlignment::kRight ? Qt::AlignRight : Qt::AlignLeft) |
         Qt::AlignVCenter;
}

TDialogRect ToDialogRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

QRect ToQRect(const TDialogRect& r) { return {r.x, r.y, r.width, r.height}; }

// A captioned button's least width in some styles (80 pixels in Fusion) is a fashion, not a
// need: ask the style for the caption's room with the caption left out of the option.
QSize ButtonRoom(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  if (button.isDefault()) option.features |= QStyleOptionButton::DefaultButton;
  const QSize caption = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
  return {
      button.style()->sizeFromContents(QStyle::CT_PushButton, &option, caption, &button).width(),
      button.sizeHint().height()};
}

// The least size a control's widget needs to show its text whole; 0 where the table's size
// serves (lists, the length of edits and sliders).
QSize RoomFor(const QWidget& widget) {
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) return ButtonRoom(*button);
  if (qobject_cast<const QLineEdit*>(&widget) != nullptr) return {0, widget.sizeHint().height()};
  if (const auto* slider = qobject_cast<const QSlider*>(&widget)) {
    const QSize hint = slider->sizeHint();
    return slider->orientation() == Qt::Horizontal ? QSize(0, hint.height())
                                                   : QSize(hint.width(), 0);
  }
  if (qobject_cast<const QGroupBox*>(&widget) != nullptr) return widget.minimumSizeHint();
  if (qobject_cast<const QLabel*>(&widget) != nullptr ||
      qobject_cast<const QAbstractButton*>(&widget) != nullptr ||
      qobject_cast<const QComboBox*>(&widget) != nullptr) {
    return widget.sizeHint();
  }
  return {};
}

// A group box keeps what it surrounds clear of its border and title.
std::optional<TInsets> FrameOf(const QWidget& widget) {
  if (qobject_cast<const QGroupBox*>(&widget) == nullptr) return std::nullopt;
  const QMargins margins = widget.contentsMargins();
  return TInsets{margins.left(), margins.top(), margins.right(), margins.bottom()};
}

}  // namespace

// The page control, able to tell the room its frame and tab bar take around a page.
class TPageControl final : public QTabWidget {
 public:
  using QTabWidget::QTabWidget;

  QSize Overhead(QSize size) const {
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(), size);
    return size - style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).size();
  }
};

TQtDialog::TQtDialog(QWidget* parent, const TDialogLayout& layout, TDialogLogic& logic)
    : QDialog(parent), logic_(logic) {
  setWindowTitle(ToQt(layout.caption));
  const TDialogUnits units = UnitsOf(*this);
  tableSize_ = units.Rect({0, 0, layout.width, layout.height}).size();
  setFixedSize(tableSize_);
  QWidget* radioGroup = nullptr;
  for (const TControlLayout& control : layout.controls) {
    QWidget* parentWidget = ParentOf(control);
    QWidget* widget = MakeControl(control, parentWidget, radioGroup);
    const QRect tableRect = units.Rect(control.rect);
    widget->setGeometry(tableRect);
    placed_.push_back({widget, tableRect, parentWidget == this ? 0 : control.page, {}});
    if (!control.hint.empty()) widget->setToolTip(ToQt(control.hint));
    controls_[control.id] = widget;
    widget->installEventFilter(this);
    Connect(control, widget);
  }
  // Group boxes are frames drawn under the controls they surround.
  for (QGroupBox* box : findChildren<QGroupBox*>()) box->lower();
  logic_.Init(*this);
  LayOut();
  if (layout.centredOnScreen && screen() != nullptr) {
    move(screen()->availableGeometry().center() - rect().center());
  }
  initialising_ = false;
}

// The pages first, then the dialog's own controls. Needs only grow, so a dialog never
// shrinks under the user's hands.
void TQtDialog::LayOut() {
  for (TPlacedControl& control : placed_) {
    control.need = control.need.expandedTo(RoomFor(*control.widget));
  }
  if (pages_ != nullptr) FitPages();
  setFixedSize(StretchSurface(0, tableSize_));
}

// Each page's controls stretch in the page's own grid; the page control then needs room for
// the largest page besides its frame and tab bar, and for every tab in one row.
void TQtDialog::FitPages() {
  TPlacedControl& pageControl = *std::find_if(placed_.begin(), placed_.end(),
                                              [this](const auto& c) { return c.widget == pages_; });
  const QSize tableSize = pageControl.tableRect.size();
  const QSize overhead = pages_->Overhead(tableSize);
  QSize content;
  for (int32_t page = 1; page <= pages_->count(); ++page) {
    content = content.expandedTo(StretchSurface(page, tableSize - overhead));
  }
  pageControl.need = pageControl.need.expandedTo(content + overhead).expandedTo(pages_->sizeHint());
}

QSize TQtDialog::StretchSurface(int32_t page, QSize tableSize) {
  std::vector<TControlRoom> rooms;
  std::vector<QWidget*> widgets;
  for (const TPlacedControl& control : placed_) {
    if (control.page != page) continue;
    rooms.push_back({ToDialogRect(control.tableRect), control.need.width(), control.need.height(),
                     FrameOf(*control.widget)});
    widgets.push_back(control.widget);
  }
  const TStretchedLayout stretched = StretchToNeeds(rooms, tableSize.width(), tableSize.height());
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    widgets[i]->setGeometry(ToQRect(stretched.rects[i]));
  }
  return {stretched.width, stretched.height};
}

void TQtDialog::GrowFor(const QWidget* widget) {
  if (initialising_) return;
  const auto control = std::find_if(placed_.begin(), placed_.end(),
                                    [widget](const auto& c) { return c.widget == widget; });
  if (control == placed_.end()) return;
  const QSize need = RoomFor(*widget);
  if (need.width() > control->need.width() || need.height() > control->need.height()) LayOut();
}

QWidget* TQtDialog::ParentOf(const TControlLayout& control) {
  if (pages_ == nullptr || control.page < 1 || control.page > pages_->count()) return this;
  return pages_->widget(control.page - 1);
}

QWidget* TQtDialog::MakeControl(const TControlLayout& control, QWidget* parent,
                                QWidget*& lastRadioGroup) {
  const QString text = ToQt(control.text);
  if (control.kind != TControlKind::kRadioButton) lastRadioGroup = nullptr;
  switch (control.kind) {
    case TControlKind::kLabel:
      return new QLabel(text, parent);
    case TControlKind::kEdit: {
      auto* edit = new QLineEdit(text, parent);
      return edit;
    }
    case TControlKind::kCheckBox:
      return new QCheckBox(text, parent);
    case TControlKind::kRadioButton: {
      auto* radio = new QRadioButton(text, parent);
      // Each run of radio buttons is one exclusive group.
      if (lastRadioGroup == nullptr) lastRadioGroup = radio;
      auto* group = lastRadioGroup->findChild<QButtonGroup*>();
      if (group == nullptr) group = new QButtonGroup(lastRadioGroup);
      group->addButton(radio);
      return radio;
    }
    case TControlKind::kGroupBox:
      return new QGroupBox(text, parent);
    case TControlKind::kButton:
    case TControlKind::kOkButton:
    case TControlKind::kCancelButton: {
      auto* button = new QPushButton(text, parent);
      button->setAutoDefault(false);
      button->setDefault(control.kind == TControlKind::kOkButton);
      return button;
    }
    case TControlKind::kList:
      return new QListWidget(parent);
    case TControlKind::kComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);  // measured with its items
      return combo;
    }
    case TControlKind::kPageControl: {
      auto* pages = new TPageControl(parent);
      for (const QString& name : text.split(u'\n')) pages->addTab(new QWidget, name);
      if (control.tabsHidden) pages->tabBar()->hide();
      if (pages_ == nullptr) pages_ = pages;
      return pages;
    }
    case TControlKind::kTable:
      return MakeTable(parent);
    case TControlKind::kSlider: {
      const bool across = control.rect.width >= control.rect.height;
      auto* slider = new QSlider(across ? Qt::Horizontal : Qt::Vertical, parent);
      slider->setTickPosition(QSlider::TicksBelow);
      slider->setTickInterval(1);
      return slider;
    }
  }
  return new QWidget(parent);
}

void TQtDialog::Connect(const TControlLayout& control, QWidget* widget) {
  const int32_t id = control.id;
  const auto changed = [this, id] {
    if (!initialising_ && !writing_) logic_.Changed(*this, id);
  };
  const auto doubleClicked = [this, id] {
    if (logic_.DoubleClicked(*this, id)) accept();
  };
  switch (control.kind) {
    case TControlKind::kEdit:
      connect(static_cast<QLineEdit*>(widget), &QLineEdit::textChanged, this, changed);
      edits_[widget] = id;
      break;
    case TControlKind::kSlider:
      connect(static_cast<QSlider*>(widget), &QSlider::valueChanged, this, changed);
      break;
    case TControlKind::kPageControl:
      connect(static_cast<QTabWidget*>(widget), &QTabWidget::currentChanged, this, changed);
      break;
    case TControlKind::kCheckBox:
    case TControlKind::kRadioButton:
      connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::toggled, this, changed);
      break;
    case TControlKind::kList: {
      auto* list = static_cast<QListWidget*>(widget);
      // A click makes an entry current before it selects it: the selection is what changed.
      connect(list, &QListWidget::itemSelectionChanged, this, changed);
      connect(list, &QListWidget::itemDoubleClicked, this, doubleClicked);
      break;
    }
    case TControlKind::kTable: {
      auto* table = static_cast<QTreeWidget*>(widget);
      connect(table, &QTreeWidget::itemSelectionChanged, this, changed);
      connect(table, &QTreeWidget::itemDoubleClicked, this, doubleClicked);
      connect(table->header(), &QHeaderView::sectionClicked, this,
              [this, id](int column) { logic_.HeaderClicked(*this, id, column); });
      break;
    }
    case TControlKind::kComboBox:
      connect(static_cast<QComboBox*>(widget), &QComboBox::currentIndexChanged, this, changed);
      break;
    case TControlKind::kButton:
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, [this, id] {
        if (logic_.Command(*this, id)) accept();
      });
      break;
    case TControlKind::kOkButton:
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, [this] {
        if (logic_.Accept(*this)) accept();
      });
      break;
    case TControlKind::kCancelButton:
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, &QDialog::reject);
      break;
    case TControlKind::kLabel:
    case TControlKind::kGroupBox:
      break;
  }
}

bool TQtDialog::RouteKey(const QKeyEvent& event) {
  // A key no control takes travels on to the dialog as the same event: ask only once.
  if (&event == lastRoutedKey_ && event.timestamp() == lastRoutedTime_) return false;
  lastRoutedKey_ = &event;
  lastRoutedTime_ = event.timestamp();
  const bool control = (event.modifiers() & Qt::ControlModifier) != 0;
  // With Ctrl the text is a control code; the key itself names the letter.
  char32_t character = 0;
  if (!control && !event.text().isEmpty()) {
    character = event.text().toUcs4().value(0);
  } else if (event.key() < 0x110000) {
    character = QChar::toLower(static_cast<char32_t>(event.key()));
  }
  return character != 0 && logic_.KeyPressed(*this, {character, control});
}

void TQtDialog::keyPressEvent(QKeyEvent* event) {
  if (!RouteKey(*event)) QDialog::keyPressEvent(event);
}

bool TQtDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && RouteKey(*static_cast<QKeyEvent*>(event))) return true;
  if (event->type() == QEvent::FocusOut) ReportLeft(watched, *static_cast<QFocusEvent*>(event));
  return QDialog::eventFilter(watched, event);
}

void TQtDialog::ReportLeft(QObject* watched, const QFocusEvent& event) {
  // An edit's own context menu takes the focus only for a while.
  if (closed_ || initialising_ || event.reason() == Qt::PopupFocusReason) return;
  const auto edit = edits_.find(watched);
  if (edit != edits_.end()) logic_.Left(*this, edit->second);
}

void TQtDialog::done(int result) {
  closed_ = true;
  QDialog::done(result);
}

void TQtDialog::closeEvent(QCloseEvent* event) {
  if (!appliesWhenClosedOutside_ || closed_) {
    QDialog::closeEvent(event);
    return;
  }
  done(logic_.Accept(*this) ? Accepted : Rejected);
  event->accept();
}

QWidget* TQtDialog::Control(int32_t id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

std::string TQtDialog::Text(int32_t id) const {
  QWidget* w = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return FromQt(edit->text());
  if (auto* label = qobject_cast<QLabel*>(w)) return FromQt(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return FromQt(button->text());
  if (auto* box = qobject_cast<QGroupBox*>(w)) return FromQt(box->title());
  if (auto* combo = qobject_cast<QComboBox*>(w)) return ItemText(combo->currentData());
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    return list->currentItem() != nullptr ? ItemText(list->currentItem()->data(Qt::UserRole)) : "";
  }
  return "";
}

void TQtDialog::SetText(int32_t id, std::string_view text) {
  const QScopedValueRollback writing(writing_, true);
  QWidget* w = Control(id);
  const QString qt = ToQt(text);
  if (auto* edit = qobject_cast<QLineEdit*>(w))
    edit->setText(qt);
  else if (auto* label = qobject_cast<QLabel*>(w))
    label->setText(qt);
  else if (auto* button = qobject_cast<QAbstractButton*>(w))
    button->setText(qt);
  else if (auto* box = qobject_cast<QGroupBox*>(w))
    box->setTitle(qt);
  GrowFor(w);
}

bool TQtDialog::Checked(int32_t id) const {
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  return button != nullptr && button->isChecked();
}

void TQtDialog::SetChecked(int32_t id, bool checked) {
  const QScopedValueRollback writing(writing_, true);
  if (auto* button = qobject_cast<QAbstractButton*>(Control(id))) button->setChecked(checked);
}

void TQtDialog::SetEnabled(int32_t id, bool enabled) {
  if (QWidget* w = Control(id)) w->setEnabled(enabled);
}

bool TQtDialog::Enabled(int32_t id) const {
  QWidget* w = Control(id);
  return w != nullptr && w->isEnabled();
}

void TQtDialog::Focus(int32_t id) {
  if (QWidget* w = Control(id)) w->setFocus();
}

void TQtDialog::ClearItems(int32_t id) {
  const QScopedValueRollback writing(writing_, true);
  QWidget* w = Control(id);
  if (auto* list = qobject_cast<QListWidget*>(w))
    list->clear();
  else if (auto* combo = qobject_cast<QComboBox*>(w))
    combo->clear();
  else if (auto* table = qobject_cast<QTreeWidget*>(w))
    table->clear();
}

void TQtDialog::AddItem(int32_t id, std::string_view text) {
  const QScopedValueRollback writing(writing_, true);
  QWidget* w = Control(id);
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    auto* item = new QListWidgetItem(ItemDisplay(text), list);
    item->setData(Qt::UserRole, ItemData(text));
    if (list->isSortingEnabled()) list->sortItems();
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    combo->addItem(ItemDisplay(text), ItemData(text));
    GrowFor(w);
  }
}

void TQtDialog::SetSorted(int32_t id, bool sorted) {
  const QScopedValueRollback writing(writing_, true);
  if (auto* list = qobject_cast<QListWidget*>(Control(id))) list->setSortingEnabled(sorted);
}

int32_t TQtDialog::ItemCount(int32_t id) const {
  QWidget* w = Control(id);
  if (auto* list = qobject_cast<QListWidget*>(w)) return list->count();
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->count();
  if (auto* table = qobject_cast<QTreeWidget*>(w)) return table->topLevelItemCount();
  return 0;
}

std::string TQtDialog::Item(int32_t id, int32_t index) const {
  QWidget* w = Control(id);
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    const QListWidgetItem* item = list->item(index);
    return item != nullptr ? ItemText(item->data(Qt::UserRole)) : "";
  }
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    return index >= 0 && index < combo->count() ? ItemText(combo->itemData(index)) : "";
  }
  return "";
}

int32_t TQtDialog::Selected(int32_t id) const {
  QWidget* w = Control(id);
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    return list->currentItem() != nullptr && list->currentItem()->isSelected() ? list->currentRow()
                                                                               : -1;
  }
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentIndex();
  if (auto* table = qobject_cast<QTreeWidget*>(w)) {
    QTreeWidgetItem* current = table->currentItem();
    return current != nullptr && current->isSelected() ? table->indexOfTopLevelItem(current) : -1;
  }
  return -1;
}

void TQtDialog::Select(int32_t id, int32_t index) {
  const QScopedValueRollback writing(writing_, true);
  QWidget* w = Control(id);
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    if (index < 0 || index >= list->count()) {
      list->setCurrentRow(-1);
      list->clearSelection();
    } else {
      list->setCurrentRow(index);
      list->scrollToItem(list->item(index));
    }
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    combo->setCurrentIndex(index < combo->count() ? index : -1);
  } else if (auto* table = qobject_cast<QTreeWidget*>(w)) {
    QTreeWidgetItem* row = table->topLevelItem(index);
    table->setCurrentItem(row);
    if (row != nullptr)
      table->scrollToItem(row);
    else
      table->clearSelection();
  }
}

void TQtDialog::SetColumns(int32_t id, std::span<const TTableColumn> columns) {
  auto* table = qobject_cast<QTreeWidget*>(Control(id));
  if (table == nullptr) return;
  table->setColumnCount(static_cast<int>(columns.size()));
  QTreeWidgetItem* header = table->headerItem();
  for (int column = 0; column < table->columnCount(); ++column) {
    const TTableColumn& given = columns[static_cast<std::size_t>(column)];
    header->setText(column, ToQt(given.title));
    header->setTextAlignment(column, AlignmentOf(given.alignment));
  }
}

void TQtDialog::AddRow(int32_t id, std::span<const std::string> cells) {
  const QScopedValueRollback writing(writing_, true);
  auto* table = qobject_cast<QTreeWidget*>(Control(id));
  if (table == nullptr) return;
  auto* row = new QTreeWidgetItem(table);
  const int columns = std::min(table->columnCount(), static_cast<int>(cells.size()));
  for (int column = 0; column < columns; ++column) {
    row->setText(column, ToQt(cells[static_cast<std::size_t>(column)]));
    row->setTextAlignment(column,
                          Qt::Alignment::fromInt(table->headerItem()->textAlignment(column)));
  }
}

// An arrow in its header marks the column the rows are sorted by.
void TQtDialog::MarkSortedColumn(int32_t id, int32_t column) {
  auto* table = qobject_cast<QTreeWidget*>(Control(id));
  if (table == nullptr) return;
  const QIcon arrow = style()->standardIcon(QStyle::SP_ArrowUp);
  for (int c = 0; c < table->columnCount(); ++c) {
    table->headerItem()->setIcon(c, c == column ? arrow : QIcon());
  }
}

void TQtDialog::SetRange(int32_t id, int32_t minimum, int32_t maximum) {
  const QScopedValueRollback writing(writing_, true);
  if (auto* slider = qobject_cast<QSlider*>(Control(id))) slider->setRange(minimum, maximum);
}

int32_t TQtDialog::Position(int32_t id) const {
  const auto* slider = qobject_cast<QSlider*>(Control(id));
  return slider != nullptr ? slider->value() : 0;
}

void TQtDialog::SetPosition(int32_t id, int32_t position) {
  const QScopedValueRollback writing(writing_, true);
  if (auto* slider = qobject_cast<QSlider*>(Control(id))) slider->setValue(position);
}

int32_t TQtDialog::CurrentPage(int32_t id) const {
  const auto* pages = qobject_cast<QTabWidget*>(Control(id));
  return pages != nullptr ? pages->currentIndex() + 1 : 0;
}

void TQtDialog::SelectPage(int32_t id, int32_t page) {
  const QScopedValueRollback writing(writing_, true);
  auto* pages = qobject_cast<QTabWidget*>(Control(id));
  if (pages != nullptr && page >= 1 && page <= pages->count()) pages->setCurrentIndex(page - 1);
}

namespace {

QMessageBox::StandardButtons ButtonsOf(TMessageButtons buttons) {
  switch (buttons) {
    case TMessageButtons::kOk:
      return QMessageBox::Ok;
    case TMessageButtons::kOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case TMessageButtons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case TMessageButtons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(TMessageIcon icon) {
  switch (icon) {
    case TMessageIcon::kNone:
      return QMessageBox::NoIcon;
    case TMessageIcon::kInformation:
      return QMessageBox::Information;
    case TMessageIcon::kWarning:
      return QMessageBox::Warning;
    case TMessageIcon::kError:
      return QMessageBox::Critical;
    case TMessageIcon::kQuestion:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

TMessageAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return TMessageAnswer::kYes;
    case QMessageBox::No:
      return TMessageAnswer::kNo;
    case QMessageBox::Cancel:
      return TMessageAnswer::kCancel;
    default:
      return TMessageAnswer::kOk;
  }
}

}  // namespace

QPoint PopupPosition(const TScreenRect& anchor, QSize size, const QRect& screen) {
  const int above = anchor.y - size.height();
  const int y = above >= screen.top() ? above : anchor.y + anchor.height;
  return {std::clamp(anchor.x, screen.left(),
                     std::max(screen.left(), screen.right() + 1 - size.width())),
          std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()))};
}

namespace {

void ShowQtPopup(TWindowHandle owner, const TDialogLayout& layout,
                 std::shared_ptr<TDialogLogic> logic, TScreenRect anchor, TPopupClosed closed) {
  auto* dialog = new TQtDialog(OwnerWidget(owner), layout, *logic);
  dialog->setWindowFlags(Qt::Popup);
  dialog->SetAppliesWhenClosedOutside();
  // The logic lives as long as the dialog that uses it.
  QObject::connect(dialog, &QDialog::finished, dialog,
                   [dialog, logic, closed = std::move(closed)](int result) {
                     dialog->deleteLater();
                     if (closed) closed(result == QDialog::Accepted);
                   });
  const QScreen* screen = dialog->screen();
  const QRect free =
      screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
  dialog->show();
  // Placed once shown, by the size of its frame where the desktop draws one.
  dialog->move(PopupPosition(anchor, dialog->frameGeometry().size(), free));
  // Typing goes to the first field at once, replacing what it shows, as when tabbed into.
  if (dialog->focusWidget() == nullptr) {
    for (QWidget* next = dialog->nextInFocusChain(); next != dialog;
         next = next->nextInFocusChain()) {
      if (next->isEnabled() && next->focusPolicy() & Qt::TabFocus) {
        next->setFocus(Qt::TabFocusReason);
        break;
      }
    }
  }
}

}  // namespace

namespace {

// The standard buttons and dialogs (Yes, No, Cancel, the file and colour choosers) in
// Russian, like the rest of the program; without the translation files they stay English.
void InstallRussianStandardTexts() {
  static bool installed = false;
  if (installed) return;
  auto* translator = new QTranslator(qApp);  // lives as long as the application
  if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
    installed = true;
  } else {
    delete translator;
  }
}

}  // namespace

void InstallQtDialogRunners() {
  InstallRussianStandardTexts();
  InstallQtProgressRunner();
  SetDialogRunner([](TWindowHandle owner, const TDialogLayout& layout, TDialogLogic& logic) {
    TQtDialog dialog(OwnerWidget(owner), layout, logic);
    return dialog.exec() == QDialog::Accepted;
  });
  SetPopupRunner(ShowQtPopup);
  SetMessageBoxRunner([](TWindowHandle owner, const TMessageBoxRequest& request) {
    QMessageBox box(IconOf(request.icon), ToQt(request.title), ToQt(request.text),
                    ButtonsOf(request.buttons), OwnerWidget(owner));
    return AnswerOf(box.exec());
  });
  SetBeepRunner([] { QApplication::beep(); });
  SetClipboardRunner([](std::string_view text) {
    QString lines = ToQt(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));  // the desktop's line ends
    QApplication::clipboard()->setText(lines);
  });
  SetFolderChooserRunner([](TWindowHandle owner, std::string_view title,
                            std::string_view initial) -> std::optional<std::string> {
    const QString chosen = QFileDialog::getExistingDirectory(
        OwnerWidget(owner), ToQt(title), QString::fromUtf8(initial.data(), initial.size()));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
  });
  // The overwrite question is the calling dialog's, asked when its OK is pressed.
  SetSaveFileRunner([](TWindowHandle owner,
                       const TSaveFileRequest& request) -> std::optional<std::string> {
    const QString pattern = QStringLiteral("*.") + QString::fromStdString(request.defaultExtension);
    QFileDialog dialog(OwnerWidget(owner), QString(), QString::fromStdString(request.file),
                       ToQt(request.filterCaption) + QStringLiteral(" (") + pattern + ')');
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
  });
  SetColourRunner([](TWindowHandle owner, uint32_t initial) -> std::optional<uint32_t> {
    const QColor chosen = QColorDialog::getColor(
        QColor(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF), OwnerWidget(owner));
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<uint32_t>(chosen.red()) | (static_cast<uint32_t>(chosen.green()) << 8) |
           (static_cast<uint32_t>(chosen.blue()) << 16);
  });
}

}  // namespace velplatform

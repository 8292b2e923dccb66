#include "EphemerisWizard.h"

#include "Cp1251.h"
#include "DialogFields.h"

#include <algorithm>
#include <string>
#include <variant>

namespace velarion::ui {

using ephemeris::TEphemColumn;
using velplatform::Cp1251;
using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

constexpr int32_t kPage = 12;  // the height of a check box row
constexpr int32_t kStepHourDecimals = 6;

// The column page's check boxes in their order, with their captions; the name column has
// none (the group table always has it, the period table never).
struct TColumnBox {
  TEphemColumn kind;
  const char* caption;
};
constexpr TColumnBox kColumnBoxes[] = {
    {TEphemColumn::kDate, "Дата и время"},
    {TEphemColumn::kJulianDate, "Юлианская дата (JD)"},
    {TEphemColumn::kModifiedJulianDate, "Модифицированная юлианская дата (MJD)"},
    {TEphemColumn::kEquatorialOfDate, "Текущие экваториальные координаты:"},
    {TEphemColumn::kEquatorialOfCatalogue, "Экваториальные координаты эпохи объекта:"},
    {TEphemColumn::kHorizontal, "Горизонтальные координаты"},
    {TEphemColumn::kRiseSet, "Восход/Заход"},
    {TEphemColumn::kRiseSetAzimuths, "Азимуты точек восхода и захода"},
    {TEphemColumn::kCulmination, "Кульминация (время/высота над горизонтом)"},
    {TEphemColumn::kMagnitude, "Звездная величина"},
    {TEphemColumn::kSize, "Угловой размер"},
    {TEphemColumn::kPhase, "Фаза"},
    {TEphemColumn::kDistance, "Расстояние"},
};

constexpr int32_t BoxId(TEphemColumn kind) {
  return TEphemerisWizard::kFirstColumn + static_cast<int32_t>(kind);
}

bool IsPeriodColumn(TEphemColumn kind) {
  return kind == TEphemColumn::kDate || kind == TEphemColumn::kJulianDate ||
         kind == TEphemColumn::kModifiedJulianDate;
}

// The controls after those of `to`, on page `page` (0: the dialog itself).
void Append(std::vector<velplatform::TControlLayout>& to,
            std::vector<velplatform::TControlLayout> controls, int32_t page = 0) {
  for (auto& control : controls) {
    control.page = page;
    to.push_back(std::move(control));
  }
}

std::vector<velplatform::TControlLayout> ColumnPage() {
  std::vector<velplatform::TControlLayout> controls;
  int32_t y = 4;
  for (const TColumnBox& box : kColumnBoxes) {
    controls.push_back(
        Control(BoxId(box.kind), TControlKind::kCheckBox, {6, y, 170, 10}, box.caption));
    if (box.kind == TEphemColumn::kEquatorialOfDate) {
      controls.push_back(Control(TEphemerisWizard::kEquatorialPrecision, TControlKind::kComboBox,
                                 {180, y - 1, 104, 12}));
      y += kPage;
      controls.push_back(Control(TEphemerisWizard::kHourAngle, TControlKind::kRadioButton,
                                 {18, y, 80, 10}, "Часовой угол"));
      controls.push_back(Control(TEphemerisWizard::kRightAscension, TControlKind::kRadioButton,
                                 {100, y, 90, 10}, "Прямое восхождение"));
    }
    if (box.kind == TEphemColumn::kEquatorialOfCatalogue) {
      controls.push_back(Control(TEphemerisWizard::kCataloguePrecision, TControlKind::kComboBox,
                                 {180, y - 1, 104, 12}));
    }
    y += kPage;
  }
  return controls;
}

std::vector<velplatform::TControlLayout> KindPage() {
  return {
      Control(TEphemerisWizard::kGroupKind, TControlKind::kRadioButton, {12, 20, 260, 10},
              "Эфемериды группы объектов на текущий момент"),
      Control(TEphemerisWizard::kPeriodKind, TControlKind::kRadioButton, {12, 36, 260, 10},
              "Эфемериды одного объекта на период времени"),
  };
}

std::vector<velplatform::TControlLayout> GroupPage() {
  return {
      Control(0, TControlKind::kLabel, {6, 4, 200, 8}, "Объекты таблицы:"),
      Control(TEphemerisWizard::kTableObjects, TControlKind::kList, {6, 14, 180, 160}),
      Control(TEphemerisWizard::kAddSelected, TControlKind::kButton, {192, 14, 94, 14},
              "Добавить выделенный объект"),
      Control(TEphemerisWizard::kRemove, TControlKind::kButton, {192, 32, 94, 14},
              "Удалить объект"),
      Control(TEphemerisWizard::kClear, TControlKind::kButton, {192, 50, 94, 14},
              "Очистить список"),
  };
}

std::vector<velplatform::TControlLayout> PeriodPage() {
  std::vector<velplatform::TControlLayout> controls = {
      Control(0, TControlKind::kLabel, {6, 4, 200, 8}, "Выделенные объекты:"),
      Control(TEphemerisWizard::kSelectedObjects, TControlKind::kList, {6, 14, 280, 70}),
      Control(0, TControlKind::kLabel, {6, 160, 60, 8}, "Шаг таблицы:"),
      Control(TEphemerisWizard::kStepDays, TControlKind::kEdit, {66, 158, 30, 12}),
      Control(0, TControlKind::kLabel, {100, 160, 30, 8}, "дней"),
      Control(TEphemerisWizard::kStepHours, TControlKind::kEdit, {132, 158, 52, 12}),
      Control(TEphemerisWizard::kStepHoursButton, TControlKind::kButton, {186, 158, 12, 12}, "ч"),
  };
  Append(controls,
         MomentFieldControls(TEphemerisWizard::kStart, 6, 90, "Начало таблицы (местное время):"));
  Append(controls,
         MomentFieldControls(TEphemerisWizard::kEnd, 6, 122, "Окончание таблицы (местное время):"));
  return controls;
}

}  // namespace

TEphemerisWizard::TEphemerisWizard(TEphemerisHost& host, std::vector<TMenuObject>& tableObjects,
                                   TEphemerisPage page, int32_t firstPeriodObject,
                                   velplatform::TWindowHandle owner)
    : host_(host),
      tableObjects_(tableObjects),
      firstPage_(page),
      firstPeriodObject_(firstPeriodObject),
      owner_(owner) {}

velplatform::TDialogLayout TEphemerisWizard::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = Cp1251("Таблицы эфемерид");
  layout.width = 300;
  layout.height = 222;
  velplatform::TControlLayout pages = Control(kPages, TControlKind::kPageControl, {4, 4, 292, 192},
                                              "Таблица\nОбъекты\nПериод\nСтолбцы");
  pages.tabsHidden = true;
  layout.controls.push_back(std::move(pages));
  Append(layout.controls, KindPage(), static_cast<int32_t>(TEphemerisPage::kKind));
  Append(layout.controls, GroupPage(), static_cast<int32_t>(TEphemerisPage::kGroup));
  Append(layout.controls, PeriodPage(), static_cast<int32_t>(TEphemerisPage::kPeriod));
  Append(layout.controls, ColumnPage(), static_cast<int32_t>(TEphemerisPage::kColumns));
  Append(layout.controls,
         {
             Control(kBack, TControlKind::kButton, {56, 202, 56, 14}, "< Назад"),
             Control(kNext, TControlKind::kButton, {114, 202, 56, 14}, "Дальше >"),
             Control(kCompute, TControlKind::kButton, {176, 202, 56, 14}, "Вычислить"),
             Control(2, TControlKind::kCancelButton, {238, 202, 56, 14}, "Закрыть"),
         });
  return layout;
}

void TEphemerisWizard::Init(TDialogControls& controls) {
  selected_ = host_.SelectedObjects();
  for (const TMenuObject& object : selected_) controls.AddItem(kSelectedObjects, object.caption);
  if (!selected_.empty()) {
    controls.Select(kSelectedObjects,
                    std::clamp(firstPeriodObject_, 0, static_cast<int32_t>(selected_.size()) - 1));
  }
  ShowTableObjects(controls);
  const double now = host_.ViewLocalMjd();
  ShowMoment(controls, kStart, now, kStepHourDecimals);
  ShowMoment(controls, kEnd, now, kStepHourDecimals);
  controls.SetText(kStepDays, "1");
  controls.SetText(kStepHours, "0");
  for (const int32_t combo : {kEquatorialPrecision, kCataloguePrecision}) {
    for (const std::string& name : ephemeris::EquatorialPrecisionNames())
      controls.AddItem(combo, name);
    controls.Select(combo, 0);
  }
  CheckRadio(controls, kHourAngle, kRightAscension);
  controls.SetChecked(BoxId(TEphemColumn::kDate), true);
  controls.SetChecked(BoxId(TEphemColumn::kEquatorialOfDate), true);
  const bool period = firstPage_ == TEphemerisPage::kPeriod;
  CheckRadio(controls, period ? kPeriodKind : kGroupKind, period ? kGroupKind : kPeriodKind);
  ShowPage(controls, firstPage_);
}

TEphemerisPage TEphemerisWizard::Page(const TDialogControls& controls) const {
  return static_cast<TEphemerisPage>(controls.CurrentPage(kPages));
}

bool TEphemerisWizard::PeriodTable(const TDialogControls& controls) const {
  return controls.Checked(kPeriodKind);
}

void TEphemerisWizard::ShowPage(TDialogControls& controls, TEphemerisPage page) {
  controls.SelectPage(kPages, static_cast<int32_t>(page));
  controls.SetEnabled(kBack, page != TEphemerisPage::kKind);
  controls.SetEnabled(kNext, page != TEphemerisPage::kColumns);
  controls.SetEnabled(kCompute, page == TEphemerisPage::kColumns);
  const bool period = PeriodTable(controls);
  for (const TColumnBox& box : kColumnBoxes) {
    if (IsPeriodColumn(box.kind)) controls.SetEnabled(BoxId(box.kind), period);
  }
}

void TEphemerisWizard::Changed(TDialogControls& controls, int32_t id) {
  // The tabs are hidden; should a page be turned some other way, the buttons follow it.
  if (id == kPages) ShowPage(controls, Page(controls));
}

bool TEphemerisWizard::Command(TDialogControls& controls, int32_t id) {
  switch (id) {
    case kNext:
      Next(controls);
      break;
    case kBack:
      Back(controls);
      break;
    case kCompute:
      Compute(controls);
      break;
    case kAddSelected:
      AddSelected(controls);
      break;
    case kRemove:
      Remove(controls);
      break;
    case kClear:
      Clear(controls);
      break;
    case kStart.HoursButton():
      EditHoursField(owner_, controls, kStart.Hours(), kStepHourDecimals);
      break;
    case kEnd.HoursButton():
      EditHoursField(owner_, controls, kEnd.Hours(), kStepHourDecimals);
      break;
    case kStepHoursButton:
      EditHoursField(owner_, controls, kStepHours, kStepHourDecimals);
      break;
    default:
      break;
  }
  return false;
}

// Enter computes on the column page and turns the page elsewhere; the window stays open.
bool TEphemerisWizard::Accept(TDialogControls& controls) {
  Command(controls, Page(controls) == TEphemerisPage::kColumns ? kCompute : kNext);
  return false;
}

void TEphemerisWizard::Next(TDialogControls& controls) {
  switch (Page(controls)) {
    case TEphemerisPage::kKind:
      ShowPage(controls, PeriodTable(controls) ? TEphemerisPage::kPeriod : TEphemerisPage::kGroup);
      return;
    case TEphemerisPage::kGroup:
      if (tableObjects_.empty()) return velplatform::Beep();
      ShowPage(controls, TEphemerisPage::kColumns);
      return;
    case TEphemerisPage::kPeriod:
      if (controls.Selected(kSelectedObjects) < 0) return velplatform::Beep();
      if (CheckedPeriod(controls)) ShowPage(controls, TEphemerisPage::kColumns);
      return;
    case TEphemerisPage::kColumns:
      return;
  }
}

void TEphemerisWizard::Back(TDialogControls& controls) {
  switch (Page(controls)) {
    case TEphemerisPage::kGroup:
    case TEphemerisPage::kPeriod:
      return ShowPage(controls, TEphemerisPage::kKind);
    case TEphemerisPage::kColumns:
      return ShowPage(controls,
                      PeriodTable(controls) ? TEphemerisPage::kPeriod : TEphemerisPage::kGroup);
    case TEphemerisPage::kKind:
      return;
  }
}

void TEphemerisWizard::ShowTableObjects(TDialogControls& controls) const {
  controls.ClearItems(kTableObjects);
  for (const TMenuObject& object : tableObjects_) controls.AddItem(kTableObjects, object.caption);
}

void TEphemerisWizard::AddSelected(TDialogControls& controls) {
  const std::vector<TMenuObject> chosen = host_.ChooseSelected();
  if (chosen.empty()) return velplatform::Beep();
  for (const TMenuObject& object : chosen) {
    const bool listed =
        std::any_of(tableObjects_.begin(), tableObjects_.end(),
                    [&object](const TMenuObject& entry) { return entry.object == object.object; });
    if (!listed) tableObjects_.push_back(object);
  }
  ShowTableObjects(controls);
  controls.Select(kTableObjects, static_cast<int32_t>(tableObjects_.size()) - 1);
}

void TEphemerisWizard::Remove(TDialogControls& controls) {
  const int32_t current = controls.Selected(kTableObjects);
  if (current < 0 || current >= static_cast<int32_t>(tableObjects_.size())) return;
  const velplatform::TMessageBoxRequest ask{Cp1251("Удалить объект?"), Cp1251("Предупреждение"),
                                            velplatform::TMessageButtons::kYesNo,
                                            velplatform::TMessageIcon::kWarning};
  if (velplatform::ShowMessageBox(owner_, ask) != velplatform::TMessageAnswer::kYes) return;
  tableObjects_.erase(tableObjects_.begin() + current);
  ShowTableObjects(controls);
  if (!tableObjects_.empty()) {
    controls.Select(kTableObjects,
                    std::min(current, static_cast<int32_t>(tableObjects_.size()) - 1));
  }
}

void TEphemerisWizard::Clear(TDialogControls& controls) {
  if (tableObjects_.empty()) return;
  const velplatform::TMessageBoxRequest ask{
      Cp1251("Удалить все объекты?"), Cp1251("Предупреждение"),
      velplatform::TMessageButtons::kYesNo, velplatform::TMessageIcon::kWarning};
  if (velplatform::ShowMessageBox(owner_, ask) != velplatform::TMessageAnswer::kYes) return;
  tableObjects_.clear();
  ShowTableObjects(controls);
}

std::optional<ephemeris::TPeriod> TEphemerisWizard::CheckedPeriod(const TDialogControls& controls) {
  const auto checked = ephemeris::ValidatePeriod(
      ReadMoment(controls, kStart), ReadMoment(controls, kEnd),
      {FieldInteger(controls, kStepDays), FieldNumber(controls, kStepHours)});
  const auto* period = std::get_if<ephemeris::TPeriod>(&checked);
  const std::optional<ephemeris::TEntryError> error =
      period != nullptr ? ephemeris::RowLimitError(*period)
                        : std::get<ephemeris::TEntryError>(checked);
  if (!error) return *period;
  velplatform::ShowMessageBox(owner_,
                              {error->message, error->caption, velplatform::TMessageButtons::kOk,
                               velplatform::TMessageIcon::kError});
  return std::nullopt;
}

ephemeris::TColumnChoice TEphemerisWizard::ReadColumns(const TDialogControls& controls) const {
  ephemeris::TColumnChoice choice;
  const bool period = PeriodTable(controls);
  for (const TColumnBox& box : kColumnBoxes) {
    if (IsPeriodColumn(box.kind) && !period) continue;
    choice.Show(box.kind, controls.Checked(BoxId(box.kind)));
  }
  choice.Show(TEphemColumn::kName, !period);
  choice.equatorialPrecision = std::max(0, controls.Selected(kEquatorialPrecision));
  choice.cataloguePrecision = std::max(0, controls.Selected(kCataloguePrecision));
  choice.hourAngle = controls.Checked(kHourAngle);
  return choice;
}

void TEphemerisWizard::Compute(TDialogControls& controls) {
  const ephemeris::TColumnChoice columns = ReadColumns(controls);
  if (!PeriodTable(controls)) {
    host_.WriteGroupTable(tableObjects_, columns);
    return;
  }
  const int32_t object = controls.Selected(kSelectedObjects);
  if (object < 0 || object >= static_cast<int32_t>(selected_.size())) return velplatform::Beep();
  if (const std::optional<ephemeris::TPeriod> period = CheckedPeriod(controls)) {
    host_.WritePeriodTable(selected_[object], *period, columns);
  }
}

}  // namespace velarion::ui

#include "MainCommands.h"

#include "MainUnit.h"
#include "SkyImage.h"
#include "WindowTexts.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>
#include <iterator>
#include <map>
#include <vector>

namespace velarion::ui {

namespace {

using F = TVelarionMainForm;
using enum TMenuPlace;
using namespace sky::visibility;  // the switches behind the visibility buttons

constexpr bool kCheckable = true;
constexpr bool kSeparatorBefore = true;

// clang-format off
constexpr TCommandRow kCommands[] = {
  // menu, caption, shortcut, action, {tool-bar place, hint, caption}, checkable
  {kMenuBar, "П&росмотр", {}, TSubmenu{kView}},
  {kView, "В&ращать вперед", Qt::CTRL | Qt::Key_F, &F::RotateFClick,
   {3, "Вращать вперёд", "▶"}},
  {kView, "Вр&ащать назад", Qt::CTRL | Qt::Key_B, &F::RotateBClick,
   {2, "Вращать назад", "◀"}},
  {kView, "Т&екущее время", Qt::CTRL | Qt::Key_N, &F::RotateNowClick,
   {4, "Текущее время", "●"}},
  {kView, "&Сохранить состояние", Qt::Key_F2, &F::SaveStateClick},
  {kView, "&Восстановить состояние", Qt::Key_F3, &F::RestoreStateClick},
  {kView},
  {kView, "Режим автовра&щения", Qt::CTRL | Qt::Key_G, &F::AutorotationMenuItemClick,
   {15, "Автовращение изображения", "Авто"}, kCheckable},
  {kView, "Ре&жим отслеживания объектов", Qt::CTRL | Qt::Key_L, &F::TrackMenuItemClick,
   {8, "Отслеживание объектов", "Отсл."}, kCheckable},
  {kView, "Со&хранить как файл", Qt::CTRL | Qt::Key_S, &F::FileSaveWorkClick},
  {kView},
  {kView, "Тест скорости", Qt::SHIFT | Qt::CTRL | Qt::Key_F1, &F::N22Click},
  {kView, "В&ыход", {}, &F::N7Click},

  {kMenuBar, "Опера&ции", {}, TSubmenu{kOperations}},
  {kOperations, "&Найти...", {}, TSubmenu{kSearch}},  // filled from the groups once loaded
  {kOperations, "Найти &точку...", {}, TSubmenu{kGotoPoint}},
  {kGotoPoint, "по &экват. координатам", {}, &F::GotoEquatorialPoint},
  {kGotoPoint, "по &горизонт. координатам", {}, &F::GotoHorizontalPoint},
  {kOperations, "&Эфемериды", {}, &F::EphemeridesMIClick},
  {kOperations, "Траектории объектов", {}, &F::ObjPathMIClick},
  {kOperations, "&Информация о ...", {}, TSubmenu{kInfoAbout}},
  {kInfoAbout, "&Солнце", {}, TObjectInfo{"SUN", 1}},
  {kInfoAbout, "&Луне", {}, TObjectInfo{"MOON", 1}},
  {kInfoAbout, "&Меркурии", {}, TObjectInfo{"PLAN", 1}},
  {kInfoAbout, "&Венере", {}, TObjectInfo{"PLAN", 2}},
  {kInfoAbout, "Ма&рсе", {}, TObjectInfo{"PLAN", 3}},
  {kInfoAbout, "&Юпитере", {}, TObjectInfo{"PLAN", 4}},
  {kInfoAbout, "Са&турне", {}, TObjectInfo{"PLAN", 5}},
  {kInfoAbout, "&Уране", {}, TObjectInfo{"PLAN", 6}},
  {kInfoAbout, "&Нептуне", {}, TObjectInfo{"PLAN", 7}},
  {kInfoAbout, "&Плутоне", {}, TObjectInfo{"PLAN", 8}},
  {kInfoAbout},
  {kInfoAbout, "в&ыделенных объектах", Qt::CTRL | Qt::Key_I, &F::OTHERInfoClick},
  {kOperations, "&Общая информация", {}, &F::CommonInformClick},

  {kMenuBar, "П&араметры", {}, TSubmenu{kParameters}},
  {kParameters, "К&аталоги и группы объектов", Qt::Key_F9, &F::N21Click,
   {26, "Каталоги и группы объектов", "☰"}},
  {kParameters, "&Дата и время", Qt::CTRL | Qt::Key_D, &F::SpeedButton4Click,
   {12, "Установить время", "Вр"}},
  {kParameters, "&Шаг вращения", Qt::CTRL | Qt::Key_R, &F::SetRAngleBtnClick,
   {9, "Шаг вращения", "Δt"}},
  {kParameters, "Параметры автовра&щения", Qt::CTRL | Qt::Key_T, &F::SetAutoRParamsBtnClick,
   {16, "Параметры автовращения", "⚙t"}},
  {kParameters, "Угол поворота по а&зимуту", Qt::CTRL | Qt::Key_A, &F::SpeedButton2Click,
   {10, "Угол поворота", "∡"}},
  {kParameters, "&Увеличение", Qt::CTRL | Qt::Key_Z, &F::SpeedButton3Click,
   {11, "Задать увеличение", "×"}},
  {kParameters, "&Всплывающая панель настроек", {}, &F::N24Click, {}, kCheckable},
  {kParameters, "&Координатные сетки", {}, TSubmenu{kGrids}},
  {kGrids, "&Горизонтальная", Qt::CTRL | Qt::Key_H, &F::N26Click, {18, "", "H"}, kCheckable},
  {kGrids, "&Экваториальная", Qt::CTRL | Qt::Key_E, &F::N27Click,
   {17, "", "E", kSeparatorBefore}, kCheckable},
  {kGrids, "&Настройка", {}, &F::N28Click},
  {kParameters, "&Цветовые схемы", Qt::Key_F5, &F::EditColorSchemesClick},
  {kParameters, "Установка &параметров", {}, &F::N11Click, {14, "Точка наблюдения", "Место"}},

  {kMenuBar, "К&онсоль", {}, TSubmenu{kConsole}},
  {kConsole, "Показать &консоль вывода", Qt::Key_F4, &F::ShowConsoleMIClick, {}, kCheckable},
  {kConsole, "Со&хранить как файл", {}, &F::ConsoleSaveClick},
  {kConsole, "&Очистить", {}, &F::ConsoleClearClick},
  {kConsole, "&Параметры консоли", {}, &F::N34Click},

  {kMenuBar, "О &программе...", {}, &F::N3Click},

  // The tool bar's own buttons: the sky tools and the visibility switches.
  {kNone, "", {}, TSkyTool::kZoom, {1, "Увеличить/Уменьшить", "±"}, kCheckable},
  {kNone, "", {}, TSkyTool::kRegionZoom, {5, "Увеличить область", "▭"}, kCheckable},
  {kNone, "", {}, TSkyTool::kRotation, {6, "Вращение по азимуту", "↻"}, kCheckable},
  {kNone, "", {}, TSkyTool::kSelection, {7, "Выделение объектов", "↖"}, kCheckable},
  {kNone, "", {}, TSkyTool::kAngle, {13, "Угловое расстояние\nмежду точками", "∠"}, kCheckable},
  {kNone, "", {}, TVisibilityButton{kStars}, {19, "Звёзды", "★"}, kCheckable},
  {kNone, "", {}, TVisibilityButton{kBoundaries}, {20, "Границы созвездий", "Гр"}, kCheckable},
  {kNone, "", {}, TVisibilityButton{kNames}, {21, "Наименования созвездий", "A"}, kCheckable},
  {kNone, "", {}, TVisibilityButton{kSolarSystem}, {22, "Объекты солнечной системы", "☉"},
   kCheckable},
  {kNone, "", {}, TVisibilityButton{kFigures}, {23, "Фигуры созвездий", "⋰"}, kCheckable},
  {kNone, "", {}, TVisibilityButton{kDeepSky}, {24, "Галактики, туманности, зв.скопления", "✺"},
   kCheckable},
  {kNone, "", {}, &F::GroupOptionsButtonClick, {25, "Параметры групп объектов", "⚙"}},
};
// clang-format on

}  // namespace

void TVelarionMainForm::CreateCommands() {
  std::map<TMenuPlace, QMenu*> menus;
  const auto widgetOf = [&](TMenuPlace place) -> QWidget* {
    if (place == kNone) return nullptr;
    if (place == kMenuBar) return menuBar();
    return menus.at(place);
  };
  for (const TCommandRow& row : kCommands) {
    QWidget* const menu = widgetOf(row.menu);
    if (std::holds_alternative<std::monostate>(row.action)) {
      menu->addAction(QString())->setSeparator(true);
    } else if (const auto* submenu = std::get_if<TSubmenu>(&row.action)) {
      menus[submenu->menu] = new QMenu(Ru(row.caption), menu);
      menu->addAction(menus[submenu->menu]->menuAction());
    } else {
      commandItems_.push_back({&row, CreateCommandAction(row, menu)});
    }
  }
  AddToolButtons();
  operationsMenu_ = menus.at(kOperations);
  searchMenu_ = menus.at(kSearch);
  gotoPointMenu_ = menus.at(kGotoPoint);
}

QAction* TVelarionMainForm::CreateCommandAction(const TCommandRow& row, QWidget* menu) {
  // A button without a menu item is named by its caption.
  auto* action = new QAction(Ru(menu != nullptr ? row.caption : row.button.caption), this);
  if (menu != nullptr) menu->addAction(action);
  if (row.shortcut.key() != Qt::Key_unknown) action->setShortcut(row.shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setCheckable(row.checkable);
  ConnectCommand(*action, row.action);
  return action;
}

// A button and its menu item are one action: they are enabled and checked together.
void TVelarionMainForm::AddToolButtons() {
  std::vector<TCommandItem> buttons;
  std::ranges::copy_if(commandItems_, std::back_inserter(buttons),
                       [](const TCommandItem& item) { return item.row->button.place > 0; });
  std::ranges::sort(buttons, {}, [](const TCommandItem& item) { return item.row->button.place; });
  for (const auto& [row, action] : buttons) {
    if (row->button.separatorBefore) toolBar_->addSeparator();
    action->setIconText(Ru(row->button.caption));
    if (!row->button.hint.empty()) action->setToolTip(Ru(row->button.hint));
    toolBar_->addAction(action);
  }
}

void TVelarionMainForm::ConnectCommand(QAction& action, const TCommandAction& command) {
  if (const auto* handler = std::get_if<TCommandHandler>(&command)) {
    connect(&action, &QAction::triggered, this, [this, h = *handler] { (this->*h)(); });
  } else if (const auto* tool = std::get_if<TSkyTool>(&command)) {
    connect(&action, &QAction::triggered, this, [this, t = *tool] { SelectTool(t); });
  } else if (const auto* info = std::get_if<TObjectInfo>(&command)) {
    connect(
        &action, &QAction::triggered, this,
        [this, code = info->groupCode, number = info->number] { ShowObjectInfo(code, number); });
  } else if (const auto* shown = std::get_if<TVisibilityButton>(&command)) {
    connect(&action, &QAction::triggered, this,
            [this, position = shown->position](bool on) { SetVisibility(position, on); });
  }
}

QAction* TVelarionMainForm::CommandAction(TCommandHandler handler) const {
  const auto item = std::ranges::find_if(commandItems_, [handler](const TCommandItem& i) {
    const auto* h = std::get_if<TCommandHandler>(&i.row->action);
    return h != nullptr && *h == handler;
  });
  return item != commandItems_.end() ? item->action : nullptr;
}

}  // namespace velarion::ui

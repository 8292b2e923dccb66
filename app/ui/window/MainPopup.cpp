// The sky's right-click menu: information, paths and ephemerides for each selected object
// (drawn as on the map), the main menu's search and pointing commands, zoom and rotation.
// What an entry asks for is posted, so it happens once the menu has closed.
#include "MainUnit.h"

#include "Cp1251.h"
#include "MarkupMenuEntry.h"
#include "SkyPopupMenu.h"
#include "WindowTexts.h"

#include <QFontInfo>
#include <QMenu>
#include <QMouseEvent>

namespace velarion::ui {

namespace {

TObjectReference ReferenceTo(const sky::TSelectedObject& object) {
  return {object.group->Code, object.index};
}

}  // namespace

std::optional<kit::TCommonObject> TVelarionMainForm::CommonRecordOf(
    const sky::TSelectedObject& object) {
  return commonRecords_.Get(*object.group, object.index, Image().Mjd(), Image().ViewGeneration());
}

bool TVelarionMainForm::SelectOnly(const TObjectReference& object) {
  groups::TSkyObjectGroup* group = session_->Groups().FindGroup(object.groupCode);
  if (group == nullptr || object.number < 1 || object.number > group->GetObjectCount()) {
    return false;
  }
  Image().SelectSkyObject(group, object.number);
  return true;
}

TMarkupFonts TVelarionMainForm::MenuFonts() const {
  const QFont font = QMenu().font();
  return {velplatform::Utf16ToCp1251(font.family().toStdU16String()), session_->Image().GreekFont(),
          QFontInfo(font).pixelSize() * 4 / 3};
}

void TVelarionMainForm::ShowSkyPopupMenu(QPoint at) {
  const std::vector<TMenuObject> objects = MenuObjects(
      Image().Selection(), [this](const sky::TSelectedObject& s) { return CommonRecordOf(s); });
  QMenu menu(this);
  const TMarkupFonts fonts = MenuFonts();
  QMenu* information = menu.addMenu(Ru("Информация..."));
  menu.addSeparator();
  QMenu* search = menu.addMenu(searchMenu_->title());
  search->addActions(searchMenu_->actions());
  QMenu* point = menu.addMenu(gotoPointMenu_->title());
  point->addActions(gotoPointMenu_->actions());
  menu.addSeparator();
  QMenu* current = menu.addMenu(Ru("Эфемериды (текущие)"));
  QMenu* interval = menu.addMenu(Ru("Эфемериды (интервал времени)"));
  QMenu* path = menu.addMenu(Ru("Траектория объекта"));
  menu.addSeparator();
  menu.addAction(CommandAction(&TVelarionMainForm::SpeedButton3Click));
  menu.addAction(CommandAction(&TVelarionMainForm::SpeedButton2Click));

  const auto post = [this](TMainRequest request) {
    return [this, request = std::move(request)] { requests_.Post(request); };
  };
  for (const TMenuObject& entry : objects) {
    const TObjectReference object = ReferenceTo(entry.object);
    AddMarkupEntry(*information, entry.caption, false, fonts,
                   post(TShowSelectionRequest{true, object}));
    if (entry.hasPosition)
      AddMarkupEntry(*path, entry.caption, false, fonts, post(TPathsRequest{false, object}));
    AddMarkupEntry(*current, entry.caption, false, fonts, post(TEphemerisRequest{1, object}));
    AddMarkupEntry(*interval, entry.caption, false, fonts, post(TEphemerisRequest{0, object}));
  }
  const std::string all = velplatform::Cp1251("Все выделенные объекты");
  for (const auto& [submenu, request] :
       {std::pair<QMenu*, TMainRequest>{information, TShowSelectionRequest{false, std::nullopt}},
        {path, TPathsRequest{true, {}}},
        {current, TEphemerisRequest{2, {}}}}) {
    if (submenu->actions().isEmpty()) continue;
    submenu->addSeparator();
    AddMarkupEntry(*submenu, all, true, fonts, post(request));
  }
  const TSkyMenuStates states =
      SkyMenuStates(objects, searchMenu_->isEnabled(), autoRotation_.On());
  information->setEnabled(states.information);
  search->setEnabled(states.search);
  path->setEnabled(states.paths);
  current->setEnabled(states.currentEphemerides);
  interval->setEnabled(states.intervalEphemerides);
  menu.exec(at);
}

}  // namespace velarion::ui

#include "SelectedPopupMenu.h"

#include "Cp1251.h"
#include "MarkupMenuEntry.h"

#include <QMenu>

namespace velarion::ui {

bool PopupSelectedObjects(QWidget& owner, QPoint at, TSelectedObjectsChoice& choice,
                          const TMarkupFonts& fonts) {
  choice.ChooseNothing();
  QMenu menu(&owner);
  const std::vector<TMenuObject>& objects = choice.Objects();
  for (std::size_t k = 0; k < objects.size(); ++k) {
    AddMarkupEntry(menu, objects[k].caption, false, fonts,
                   [&choice, k] { choice.Choose(static_cast<int32_t>(k)); });
  }
  menu.addSeparator();
  AddMarkupEntry(menu, velplatform::Cp1251("Все выделенные объекты"), true, fonts,
                 [&choice] { choice.ChooseAll(); });
  menu.exec(at);
  return choice.ChosenCount() > 0;
}

}  // namespace velarion::ui

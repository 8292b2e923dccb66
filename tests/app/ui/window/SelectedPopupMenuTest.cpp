#include "SelectedPopupMenu.h"

#include "ObjectGroup.h"
#include "StdGroup.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QWidgetAction>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

class TThreeObjects : public kit::TObjectGroup {
 public:
  void Init() override { ObjectCount = 3; }
};

// Acts on the menu once it is up: clicks its entry `entry` (from 0), or leaves with Esc.
void WhenMenuShows(int entry) {
  QTimer::singleShot(50, [entry] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    if (entry < 0) {
      QTest::keyClick(menu, Qt::Key_Escape);
      return;
    }
    int k = 0;
    for (QAction* action : menu->actions()) {
      auto* widget = qobject_cast<QWidgetAction*>(action);
      if (widget != nullptr && k++ == entry)
        QTest::mouseClick(widget->defaultWidget(), Qt::LeftButton);
    }
  });
}

TEST(SelectedPopupMenu, OneObjectAllOfThemOrNothing) {
  groups::TStdGroup group(kit::MakeGroup<TThreeObjects>());
  const std::vector<sky::TSelectedObject> selection{{&group, 1}, {&group, 2}, {&group, 3}};
  TSelectedObjectsChoice choice;
  choice.Build(selection, [](const sky::TSelectedObject& s) -> std::optional<kit::TCommonObject> {
    return kit::TCommonObject{kit::kObjectName, "Object " + std::to_string(s.index)};
  });
  QWidget owner;
  const TMarkupFonts fonts{"DejaVu Sans", "Symbol", 14};
  WhenMenuShows(1);
  ASSERT_TRUE(PopupSelectedObjects(owner, {100, 100}, choice, fonts));
  EXPECT_EQ(choice.ChosenCount(), 1);
  EXPECT_EQ(choice.Chosen(0)->index, 2);  // the last selected first: 3, 2, 1
  WhenMenuShows(3);                       // "all of them" after the three
  ASSERT_TRUE(PopupSelectedObjects(owner, {100, 100}, choice, fonts));
  EXPECT_EQ(choice.ChosenCount(), 3);
  WhenMenuShows(-1);
  EXPECT_FALSE(PopupSelectedObjects(owner, {100, 100}, choice, fonts));
}

}  // namespace
}  // namespace velarion::ui

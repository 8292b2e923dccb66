// A row of the main window's command table: where the command's menu item stands, its
// caption and shortcut, what it does, and its tool-bar button. The table, and the menus and
// tool bar built from it, are in MainCommands.cpp; a command's texts stand in one place.
#ifndef VELARION_APP_UI_WINDOW_MAINCOMMANDS_H
#define VELARION_APP_UI_WINDOW_MAINCOMMANDS_H

#include "SkyTools.h"

#include <QKeyCombination>

#include <cstdint>
#include <string_view>
#include <variant>

namespace velarion::ui {

class TVelarionMainForm;

// The menu bar and its menus.
enum class TMenuPlace : uint8_t {
  kNone,  // on the tool bar only
  kMenuBar,
  kView,
  kOperations,
  kSearch,
  kGotoPoint,
  kInfoAbout,
  kParameters,
  kGrids,
  kConsole,
};

using TCommandHandler = void (TVelarionMainForm::*)();
// A switch of the sky image's visibility of a kind of object (sky::visibility).
struct TVisibilityButton {
  int position;
};
// The row's caption opens this menu.
struct TSubmenu {
  TMenuPlace menu;
};
// Selects an object of a group and opens its information window.
struct TObjectInfo {
  std::string_view groupCode;
  int32_t number;
};
// std::monostate: a separator.
using TCommandAction = std::variant<std::monostate, TCommandHandler, TSkyTool, TVisibilityButton,
                                    TSubmenu, TObjectInfo>;

struct TToolButton {
  // Rows leave out what they do not have.
  constexpr TToolButton(int place = 0, std::string_view hint = {}, std::string_view caption = {},
                        bool separatorBefore = false)
      : place(place), hint(hint), caption(caption), separatorBefore(separatorBefore) {}

  int place;              // the order on the tool bar, from 1; 0: no button
  std::string_view hint;  // empty: the menu caption
  std::string_view caption;
  bool separatorBefore;
};

struct TCommandRow {
  constexpr TCommandRow(TMenuPlace menu, std::string_view caption = {},
                        QKeyCombination shortcut = {}, TCommandAction action = {},
                        TToolButton button = {}, bool checkable = false)
      : menu(menu),
        caption(caption),
        shortcut(shortcut),
        action(action),
        button(button),
        checkable(checkable) {}

  TMenuPlace menu;
  std::string_view caption;  // UTF-8
  QKeyCombination shortcut;
  TCommandAction action;
  TToolButton button;
  bool checkable;
};

}  // namespace velarion::ui

#endif

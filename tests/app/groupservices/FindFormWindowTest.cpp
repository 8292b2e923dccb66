// The name search window as the program shows it, through the Qt runner off screen: a name
// typed letter by letter, and a click on an entry.
#include "FindForm.h"

#include "Cp1251.h"
#include "QtDialogUser.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

using velarion::catalogues::TFindForm;
using velplatform::Cp1251;

// The window the planets show: their names in their order.
std::optional<std::string> RunPlanetSearch(std::function<void(velplatform::TQtDialog&)> act) {
  TFindForm form(Cp1251("Поиск планеты"));
  form.SetSorted(false);
  for (const char* name :
       {"Меркурий", "Венера", "Марс", "Юпитер", "Сатурн", "Уран", "Нептун", "Плутон"}) {
    form.AddName(Cp1251(name));
  }
  const veltest::TQtDialogUser user(std::move(act));
  return form.Run(0);
}

// What the field and the list show (UTF-8) once the user is done, before OK.
struct TShown {
  std::string field;
  std::string selected;
};

TShown ShownIn(velplatform::TQtDialog& dialog) {
  const auto* field = static_cast<QLineEdit*>(dialog.Control(TFindForm::kNameEdit));
  const auto* list = static_cast<QListWidget*>(dialog.Control(TFindForm::kNamesList));
  const QListWidgetItem* current = list->currentItem();
  const bool selected = current != nullptr && current->isSelected();
  return {field->text().toStdString(), selected ? current->text().toStdString() : ""};
}

void PressFind(velplatform::TQtDialog& dialog) {
  static_cast<QPushButton*>(dialog.Control(TFindForm::kFindButton))->click();
}

TEST(FindFormWindow, ANameTypedLetterByLetterStaysAsTypedAndIsFound) {
  TShown shown;
  const auto found = RunPlanetSearch([&](velplatform::TQtDialog& dialog) {
    veltest::TypeKeys(*dialog.Control(TFindForm::kNameEdit), QString::fromUtf8("Марс"));
    shown = ShownIn(dialog);
    PressFind(dialog);
  });
  EXPECT_EQ(shown.field, "Марс");
  EXPECT_EQ(shown.selected, "Марс");
  EXPECT_EQ(found, Cp1251("Марс"));
}

TEST(FindFormWindow, AClickedEntryIsCopiedIntoTheField) {
  TShown shown;
  const auto found = RunPlanetSearch([&](velplatform::TQtDialog& dialog) {
    veltest::TypeKeys(*dialog.Control(TFindForm::kNameEdit), QString::fromUtf8("Ма"));
    auto& list = *static_cast<QListWidget*>(dialog.Control(TFindForm::kNamesList));
    veltest::ClickRow(list, list.model()->index(3, 0));
    shown = ShownIn(dialog);
    PressFind(dialog);
  });
  EXPECT_EQ(shown.field, "Юпитер");
  EXPECT_EQ(shown.selected, "Юпитер");
  EXPECT_EQ(found, Cp1251("Юпитер"));
}

}  // namespace

// The bright-star search window as the program shows it, through the Qt runner off screen.
#include "Stars.h"

#include "Cp1251.h"
#include "QtDialogUser.h"
#include "StarSearchDialog.h"
#include "StarsTestSupport.h"

#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using namespace velarion::catalogues;
namespace ids = star_search_dialog;

TEST(StarSearchWindow, TheBayerLettersShowInGreekAndTheClickedOneIsFound) {
  // Beta first in the file, then alpha, both in the one constellation.
  const veltest::TStarFolder folder(
      {{.hr = 9001, .magnitude = 300, .constellation = 1, .bayerLetter = 'b'},
       {.hr = 9002, .magnitude = 100, .constellation = 1, .bayerLetter = 'a'}});
  veltest::THostGroups host;
  host.Add<veltest::TFakeConstellations>(
      std::vector<veltest::TConstellationSpec>{{velplatform::Cp1251("Альфачи"), "Abc"}});
  auto& stars = host.Add<TStars>(MakeStarsGroup(folder.Path()));
  ASSERT_TRUE(stars.InitResources(0));
  const struct {
    int letterRow;
    int32_t star;
  } cases[] = {{0, 2}, {1, 1}};
  for (const auto& c : cases) {
    QStringList shown;
    const veltest::TQtDialogUser user([&](velplatform::TQtDialog& dialog) {
      auto& letters = *static_cast<QListWidget*>(dialog.Control(ids::kLetterList));
      for (int row = 0; row < letters.count(); ++row) shown << letters.item(row)->text();
      // The other letter first, so that the choice is the last click's.
      for (const int row : {1 - c.letterRow, c.letterRow}) {
        veltest::ClickRow(letters, letters.model()->index(row, 0));
      }
      static_cast<QPushButton*>(dialog.Control(ids::kFind))->click();
    });
    EXPECT_EQ(stars.SelectObjectForSearch(0), c.star) << c.letterRow;
    EXPECT_TRUE(user.Messages().empty());  // no "Такая звезда в каталоге отсутствует"
    EXPECT_EQ(shown.join("").toStdString(), "αβγδεζηθικλμνξοπρστυφχψω");
  }
}

}  // namespace

// The deep-sky search window as the program shows it, through the Qt runner off screen.
#include "DeepFindForm.h"

#include "DeepSkyFixture.h"
#include "DeepSkyGroup.h"
#include "QtDialogUser.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using velarion::catalogues::TDeepFindForm;

QString CellOf(const QTreeWidget& table, int row, int column) {
  return table.topLevelItem(row)->text(column);
}

TEST(DeepFindWindow, ShowsTheColumnsSortsOnAHeaderClickAndFindsTheTypedObject) {
  const auto group = velarion::catalogues::MakeDeepSkyGroup(
      veltest::WriteDeepSkyFolder("window", veltest::SearchWindowEntries()));
  ASSERT_TRUE(group->InitResources(0));
  veltest::TQtDialogUser user([](velplatform::TQtDialog& dialog) {
    auto* table = qobject_cast<QTreeWidget*>(dialog.Control(TDeepFindForm::kTable));
    ASSERT_NE(table, nullptr);
    const QStringList titles = {"M", "NGC", QString::fromUtf8("Тип"),
                                QString::fromUtf8("Собств. имя")};
    ASSERT_EQ(table->columnCount(), titles.size());
    for (int column = 0; column < titles.size(); ++column) {
      EXPECT_EQ(table->headerItem()->text(column), titles[column]);
    }
    ASSERT_EQ(table->topLevelItemCount(), 5);
    EXPECT_EQ(CellOf(*table, 0, 0), "13");  // sorted by "M" to begin with
    EXPECT_EQ(table->topLevelItem(0)->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    const QFontMetrics metrics(table->font());
    EXPECT_GE(table->columnWidth(2), metrics.horizontalAdvance(QString::fromUtf8("расс.скопл.")));

    QHeaderView& header = *table->header();
    const QPoint ngcHeader(header.sectionViewportPosition(1) + header.sectionSize(1) / 2,
                           header.height() / 2);
    QTest::mouseClick(header.viewport(), Qt::LeftButton, Qt::NoModifier, ngcHeader);
    const QStringList ngcOrder = {"869", "1976", "6205", "7000", ""};
    for (int row = 0; row < ngcOrder.size(); ++row)
      EXPECT_EQ(CellOf(*table, row, 1), ngcOrder[row]);
    EXPECT_FALSE(table->headerItem()->icon(1).isNull());
    EXPECT_TRUE(table->headerItem()->icon(0).isNull());

    auto* field = dialog.Control(TDeepFindForm::kSearchEdit);
    veltest::TypeKeys(*field, "ori");
    EXPECT_EQ(static_cast<QLineEdit*>(field)->text(), "ori");
    EXPECT_EQ(table->currentItem(), table->topLevelItem(1));
    static_cast<QPushButton*>(dialog.Control(TDeepFindForm::kFindButton))->click();
  });
  EXPECT_EQ(group->SelectObjectForSearch(0), 2);  // Orion
}

}  // namespace

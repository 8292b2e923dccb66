// The user of a dialog shown by the program's own Qt runner, off screen: while a
// TQtDialogUser lives, RunDialog shows real Qt dialogs and `act` runs on the next one as soon
// as it is up (a dialog `act` leaves open is cancelled, so a failing test ends). Message boxes
// are recorded, never shown. Needs a QApplication.
#ifndef VELARION_TESTS_SUPPORT_QTDIALOGUSER_H
#define VELARION_TESTS_SUPPORT_QTDIALOGUSER_H

#include "QtDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace veltest {

class TQtDialogUser {
 public:
  explicit TQtDialogUser(std::function<void(velplatform::TQtDialog&)> act) {
    velplatform::InstallQtDialogRunners();
    velplatform::SetMessageBoxRunner(
        [this](velplatform::TWindowHandle, const velplatform::TMessageBoxRequest& request) {
          messages_.push_back(request);
          return velplatform::TMessageAnswer::kOk;
        });
    velplatform::SetBeepRunner([] {});
    QTimer::singleShot(0, [act = std::move(act)] {
      auto* dialog = dynamic_cast<velplatform::TQtDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr) << "no dialog is up";
      act(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
  }
  ~TQtDialogUser() {
    velplatform::SetDialogRunner(nullptr);
    velplatform::SetMessageBoxRunner(nullptr);
    velplatform::SetColourRunner(nullptr);
    velplatform::SetBeepRunner(nullptr);
  }
  TQtDialogUser(const TQtDialogUser&) = delete;
  TQtDialogUser& operator=(const TQtDialogUser&) = delete;

  const std::vector<velplatform::TMessageBoxRequest>& Messages() const { return messages_; }

 private:
  std::vector<velplatform::TMessageBoxRequest> messages_;
};

// Types `text` key by key, as a keyboard of any layout would (QTest::keyClicks types
// Latin-1 only).
inline void TypeKeys(QWidget& widget, const QString& text) {
  for (const QChar letter : text) {
    const auto key = static_cast<Qt::Key>(letter.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, &widget, key, QString(letter), Qt::NoModifier);
  }
}

// A click on the row of a list or table, as the mouse gives it.
inline void ClickRow(QAbstractItemView& view, const QModelIndex& row) {
  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, view.visualRect(row).center());
}

}  // namespace veltest

#endif

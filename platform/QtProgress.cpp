// The progress window of long work: a modal bar with a cancel button over the owner. The
// work runs on the window's own thread and keeps the window alive by reporting.
#include "Cp1251.h"
#include "Progress.h"
#include "QtDialogs.h"

#include <QApplication>
#include <QProgressDialog>

namespace velplatform {

void InstallQtProgressRunner() {
  SetProgressRunner([](TWindowHandle owner, std::string_view text, const TProgressWork& work) {
    QProgressDialog dialog(QString::fromStdString(Cp1251ToUtf8(text)), QStringLiteral("Отмена"), 0,
                           100, reinterpret_cast<QWidget*>(owner));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setValue(0);
    return work([&dialog](int32_t percent) {
      dialog.setValue(percent);
      QApplication::processEvents();
      return !dialog.wasCanceled();
    });
  });
}

}  // namespace velplatform

// TInfoForm: the modeless "Информация" window. It shows the content built for the selected
// objects (lines drawn in the sky's fonts, a title marker per object, a button per extra
// command), scrolls, copies its text, keeps its placement when asked to, and hands the keys
// it does not use to the main window.
#ifndef VELARION_APP_UI_WINDOW_INFOFORM_H
#define VELARION_APP_UI_WINDOW_INFOFORM_H

#include "Inform.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>

class QCheckBox;
class QScrollArea;

namespace velarion::ui {

// Left, top, right, bottom on the screen, as the settings keep it.
using TInfoPlacement = std::array<int32_t, 4>;

class TInfoForm final : public QWidget {
 public:
  struct THooks {
    std::function<void()> closed;                         // the window was closed
    std::function<bool(QKeyEvent&)> passKey;              // a key for the main window
    std::function<void(const solar::TInfoCommand&)> run;  // an extra command's button
  };

  TInfoForm(QWidget* owner, std::string greekFont, THooks hooks);

  // The selected objects' blocks, the scroll position kept unless `scrollToTop`.
  void Rebuild(std::span<const sky::TSelectedObject> selection, bool scrollToTop);
  const solar::TInfoContent& Content() const { return content_; }
  int32_t LineHeight() const { return lineHeight_; }

  // Centred over the owner, or at the remembered placement brought onto the screen.
  void Place(const QWidget& owner, const std::optional<TInfoPlacement>& remembered);
  // The placement to remember: the window's, when "Сохранять параметры окна" is ticked.
  std::optional<TInfoPlacement> PlacementToKeep() const;

  void CopyToClipboard() const;
  void CopyToConsole() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class TPaintBox;

  void ClearChildren();
  void AddTitleMarkers();
  void AddCommandButtons();

  THooks hooks_;
  std::string greekFont_;
  int32_t lineHeight_ = 16;
  solar::TInfoContent content_;
  QScrollArea* scroll_ = nullptr;
  TPaintBox* box_ = nullptr;
  QCheckBox* keepPlacement_ = nullptr;
};

}  // namespace velarion::ui

#endif

// TSkyHintWindow: the small window that names the objects under a resting pointer, in the
// tooltip's colours, each name drawn as on the map (Greek letters, symbols).
#ifndef VELARION_APP_UI_WINDOW_SKYHINTWINDOW_H
#define VELARION_APP_UI_WINDOW_SKYHINTWINDOW_H

#include "MarkupPainter.h"
#include "ObjHints.h"

#include <QPoint>
#include <QWidget>

#include <span>
#include <string>
#include <vector>

namespace velarion::ui {

class TSkyHintWindow final : public QWidget {
 public:
  explicit TSkyHintWindow(QWidget* owner);

  // Names the objects picked at `skyPoint` (sky-image pixels) below the pointer at
  // `pointer` (screen pixels); nothing is shown when none has a name.
  void ShowFor(std::span<const sky::TSelectedObject> picked, QPoint skyPoint, QPoint pointer,
               const TMarkupFonts& fonts);
  void HideHint();
  bool Shown() const { return shown_; }
  QPoint ShownAt() const { return shownAt_; }
  const std::vector<std::string>& Lines() const { return lines_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<std::string> lines_;
  TMarkupFonts fonts_;
  QPoint shownAt_;
  bool shown_ = false;
};

}  // namespace velarion::ui

#endif

// Keeps a Qt GUI application for the life of the object, as painting on images and fonts
// need one: the program's own when it has made one, else one made here (on the off-screen
// platform when there is no display and QT_QPA_PLATFORM does not choose). Sessions nest;
// the application made here ends with the last of them. Main thread only.
#ifndef VELARION_PLATFORM_GUISESSION_H
#define VELARION_PLATFORM_GUISESSION_H

namespace velplatform {

class TGuiSession {
 public:
  TGuiSession();
  TGuiSession(const TGuiSession&) = delete;
  TGuiSession& operator=(const TGuiSession&) = delete;
  ~TGuiSession();

  // False when a Qt application without a GUI (a core one) already runs, so that none
  // with a GUI can be made.
  bool Active() const;
};

}  // namespace velplatform

#endif

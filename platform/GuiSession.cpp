#include "GuiSession.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace velplatform {

namespace {

// The application made here and the sessions using it.
struct TSharedApplication {
  std::unique_ptr<QGuiApplication> application;
  int sessions = 0;
  // Qt keeps references to the arguments for the application's life, and takes the
  // options it knows out of them.
  int argc = 0;
  char name[9] = "velarion";
  char platformOption[10] = "-platform";
  char platform[10] = "offscreen";
  char* argv[4] = {};

  void MakeApplication(bool offscreen) {
    argv[0] = name;
    argv[1] = platformOption;
    argv[2] = platform;
    argc = offscreen ? 3 : 1;
    argv[argc] = nullptr;
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
};

// Without a login session (CI, a service) Qt warns on every start that it falls back to a
// runtime folder of its own; that is harmless and only hides real messages.
QtMessageHandler gPreviousHandler = nullptr;
bool gFilterInstalled = false;

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  if (gPreviousHandler != nullptr) {
    gPreviousHandler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  }
}

TSharedApplication& Shared() {
  static TSharedApplication shared;
  return shared;
}

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

bool Offscreen() {
  return !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY") && !IsSet("QT_QPA_PLATFORM");
}

}  // namespace

TGuiSession::TGuiSession() {
  TSharedApplication& shared = Shared();
  ++shared.sessions;
  if (QCoreApplication::instance() != nullptr) return;
  if (!gFilterInstalled) {
    gPreviousHandler = qInstallMessageHandler(FilterMessages);
    gFilterInstalled = true;
  }
  shared.MakeApplication(Offscreen());
}

TGuiSession::~TGuiSession() {
  TSharedApplication& shared = Shared();
  if (--shared.sessions == 0) shared.application.reset();
}

bool TGuiSession::Active() const {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace velplatform

#include "display_guard.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace movla {

namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

QList<HeldMessage> *held = nullptr;

void holdOrGiveUp(QtMsgType type, const QMessageLogContext &context, const QString &text) {
  if (type != QtFatalMsg) {
    held->append({type, context.category, text});
    return;
  }
  const bool noDisplaySet = qEnvironmentVariableIsEmpty("DISPLAY") &&
                            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
  if (noDisplaySet)
    std::fputs("movla: cannot open a display: no X11 or Wayland display is set\n", stderr);
  else if (!qEnvironmentVariableIsEmpty("DISPLAY"))
    std::fprintf(stderr, "movla: cannot open a display: cannot connect to the X11 display %s\n",
                 qgetenv("DISPLAY").constData());
  else
    std::fprintf(stderr, "movla: cannot open a display: the platform \"%s\" could not be started\n",
                 qgetenv("QT_QPA_PLATFORM").constData());
  // Qt is half-way through creating the application: leave without running
  // any destructor.
  std::fflush(stderr);
  std::_Exit(1);
}

} // namespace

DisplayGuard::DisplayGuard() {
  held = new QList<HeldMessage>;
  previous_ = qInstallMessageHandler(holdOrGiveUp);
}

void DisplayGuard::release() {
  if (!held)
    return;
  qInstallMessageHandler(previous_);
  for (const HeldMessage &message : *held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    previous_(message.type, context, message.text);
  }
  delete held;
  held = nullptr;
}

} // namespace movla

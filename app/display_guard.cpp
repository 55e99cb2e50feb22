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
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray x11 = qgetenv("DISPLAY");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  std::fputs("movla: cannot open a display: ", stderr);
  if (!platform.isEmpty())
    std::fprintf(stderr, "the platform \"%s\" could not be started\n", platform.constData());
  else if (!x11.isEmpty())
    std::fprintf(stderr, "cannot connect to the X11 display %s\n", x11.constData());
  else if (!wayland.isEmpty())
    std::fprintf(stderr, "cannot connect to the Wayland display %s\n", wayland.constData());
  else
    std::fputs("no X11 or Wayland display is set\n", stderr);
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

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "display_guard.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace movla {

namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

QList<HeldMessage> *held = nullptr;

// Standard error while it is held: the real one, and the file that takes
// its place.
int real_stderr = -1;
std::FILE *held_stderr = nullptr;

void holdStderr() {
#ifdef Q_OS_UNIX
  std::fflush(stderr);
  held_stderr = std::tmpfile();
  if (!held_stderr)
    return;
  real_stderr = dup(STDERR_FILENO);
  if (real_stderr < 0 || dup2(fileno(held_stderr), STDERR_FILENO) < 0) {
    if (real_stderr >= 0)
      close(real_stderr);
    real_stderr = -1;
    std::fclose(held_stderr);
    held_stderr = nullptr;
  }
#endif
}

/// Puts the real standard error back, after passing on what was held when
/// the program goes on.
void releaseStderr(bool pass_on) {
#ifdef Q_OS_UNIX
  if (real_stderr < 0)
    return;
  std::fflush(stderr);
  dup2(real_stderr, STDERR_FILENO);
  close(real_stderr);
  real_stderr = -1;
  if (pass_on) {
    std::rewind(held_stderr);
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, held_stderr))
      std::fwrite(buffer, 1, n, stderr);
  }
  std::fclose(held_stderr);
  held_stderr = nullptr;
#else
  (void)pass_on;
#endif
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext &context, const QString &text) {
  if (type != QtFatalMsg) {
    held->append({type, context.category, text});
    return;
  }
  releaseStderr(false);
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray x11 = qgetenv("DISPLAY");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  // libwayland finds a socket named by a relative WAYLAND_DISPLAY only in
  // XDG_RUNTIME_DIR, which must be an absolute path.
  const bool no_runtime_dir =
      !wayland.startsWith('/') && !qgetenv("XDG_RUNTIME_DIR").startsWith('/');
  std::fputs("movla: cannot open a display: ", stderr);
  if (!platform.isEmpty())
    std::fprintf(stderr, "the platform \"%s\" could not be started\n", platform.constData());
  else if (!x11.isEmpty())
    std::fprintf(stderr, "cannot connect to the X11 display %s\n", x11.constData());
  else if (!wayland.isEmpty())
    std::fprintf(stderr, "cannot connect to the Wayland display %s%s\n", wayland.constData(),
                 no_runtime_dir ? " (XDG_RUNTIME_DIR is not set)" : "");
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
  holdStderr();
}

void DisplayGuard::release() {
  if (!held)
    return;
  qInstallMessageHandler(previous_);
  releaseStderr(true);
  for (const HeldMessage &message : *held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    previous_(message.type, context, message.text);
  }
  delete held;
  held = nullptr;
}

} // namespace movla

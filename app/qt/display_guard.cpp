// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "display_guard.h"

#include <QByteArray>
#include <QGuiApplication>
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

// Says in one line why no display could be opened, and leaves with status 1.
[[noreturn]] void giveUp(const QByteArray &why) {
  releaseStderr(false);
  std::fprintf(stderr, "movla: cannot open a display: %s\n", why.constData());
  std::fflush(stderr);
  // Qt is half-way through creating the application, or has made one with
  // nowhere to show a window: leave without running any destructor.
  std::_Exit(1);
}

// The platform named by -platform, which Qt prefers to QT_QPA_PLATFORM.
QByteArray platform_option;

void holdOrGiveUp(QtMsgType type, const QMessageLogContext &context, const QString &text) {
  if (type != QtFatalMsg) {
    held->append({type, context.category, text});
    return;
  }
  const QByteArray platform =
      platform_option.isEmpty() ? qgetenv("QT_QPA_PLATFORM") : platform_option;
  const QByteArray x11 = qgetenv("DISPLAY");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  // libwayland finds a socket named by a relative WAYLAND_DISPLAY only in
  // XDG_RUNTIME_DIR, which must be an absolute path.
  const bool no_runtime_dir =
      !wayland.startsWith('/') && !qgetenv("XDG_RUNTIME_DIR").startsWith('/');
  if (!platform.isEmpty())
    giveUp("the platform \"" + platform + "\" could not be started");
  if (!x11.isEmpty())
    giveUp("cannot connect to the X11 display " + x11);
  if (!wayland.isEmpty())
    giveUp("cannot connect to the Wayland display " + wayland +
           (no_runtime_dir ? " (XDG_RUNTIME_DIR is not set)" : ""));
  giveUp("no X11 or Wayland display is set");
}

} // namespace

DisplayGuard::DisplayGuard(int argc, char *argv[]) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
      platform_option = argv[i + 1];
  }
  held = new QList<HeldMessage>;
  previous_ = qInstallMessageHandler(holdOrGiveUp);
  holdStderr();
}

void DisplayGuard::release() {
  if (!held)
    return;
  // A platform without a framebuffer (linuxfb, eglfs) starts with no screen.
  if (QGuiApplication::instance() && QGuiApplication::screens().isEmpty())
    giveUp("the platform \"" + QGuiApplication::platformName().toLocal8Bit() + "\" has no screen");
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

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "display_guard.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <utility>

namespace movla::qt {

namespace {

QByteArray platform_option; // named by -platform, which Qt prefers to QT_QPA_PLATFORM
QtMessageHandler qt_handler = nullptr;
std::FILE *held = nullptr; // takes standard error's place while it is held
int real_stderr = -1;

/// Puts the real standard error back, after passing on what was held when
/// the program goes on.
void releaseStderr(bool pass_on) {
  std::fflush(stderr);
  if (real_stderr >= 0) {
    dup2(real_stderr, STDERR_FILENO);
    close(std::exchange(real_stderr, -1));
    std::rewind(held);
    char buffer[4096];
    while (const std::size_t n = pass_on ? std::fread(buffer, 1, sizeof buffer, held) : 0)
      std::fwrite(buffer, 1, n, stderr);
  }
  if (held)
    std::fclose(std::exchange(held, nullptr));
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

void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &text) {
  if (type != QtFatalMsg) {
    qt_handler(type, context, text);
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

std::unique_ptr<QApplication> openDisplay(int &argc, char *argv[]) {
  for (int i = 1; i + 1 < argc; ++i)
    if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
      platform_option = argv[i + 1];
  std::fflush(stderr);
  held = std::tmpfile();
  if (held && (real_stderr = dup(STDERR_FILENO)) >= 0 && dup2(fileno(held), STDERR_FILENO) < 0) {
    close(real_stderr);
    real_stderr = -1;
  }
  qt_handler = qInstallMessageHandler(onMessage);
  auto application = std::make_unique<QApplication>(argc, argv);
  // A platform without a framebuffer (linuxfb, eglfs) starts with no screen.
  if (QGuiApplication::screens().isEmpty())
    giveUp("the platform \"" + QGuiApplication::platformName().toLocal8Bit() + "\" has no screen");
  qInstallMessageHandler(qt_handler);
  releaseStderr(true);
  return application;
}

} // namespace movla::qt

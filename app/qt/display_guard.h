// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Qt ends a program that cannot open a display with qFatal, which aborts and
// dumps core after several lines of advice. While a DisplayGuard lives (that
// is, while QApplication is being created) Qt's messages are held back, and
// so is everything else written to standard error: the libraries under Qt
// print their own complaints (libwayland a line of its own when
// XDG_RUNTIME_DIR is not set). If Qt gives up, or starts a platform with no
// screen to show a window on, one line says why and the program exits with
// status 1. Once released, the held output goes out as usual.

#include <QtGlobal>

namespace movla {

class DisplayGuard {
public:
  /// Takes the command line to name the platform that -platform asks for.
  DisplayGuard(int argc, char *argv[]);
  ~DisplayGuard() { release(); }
  DisplayGuard(const DisplayGuard &) = delete;
  DisplayGuard &operator=(const DisplayGuard &) = delete;

  /// Restores Qt's message handler and standard error, and passes on what
  /// was held; or, when the application has no screen, gives up.
  void release();

private:
  QtMessageHandler previous_ = nullptr;
};

} // namespace movla

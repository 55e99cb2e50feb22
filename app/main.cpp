// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "command_line.h"
#include "display_guard.h"
#include "fMovla.h"
#include "placement.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  if (const auto status = movla::answerCommandLine(argc, argv))
    return *status;
  movla::DisplayGuard guard(argc, argv);
  QApplication app(argc, argv);
  guard.release();
  movla::setApplicationInfo();

  fMovla window;
  movla::ui::centreOnScreen(&window, window.screen());
  window.show();
  return QApplication::exec();
}

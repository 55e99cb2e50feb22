// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "command_line.h"
#include "display_guard.h"
#include "open_window.h"

int main(int argc, char *argv[]) {
  if (const auto status = movla::qt::answerCommandLine(argc, argv))
    return *status;
  const auto application = movla::qt::openDisplay(argc, argv);
  movla::qt::setApplicationInfo();

  const auto window = movla::qt::openCalculator();
  window->show();
  return QApplication::exec();
}

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "command_line.h"
#include "display_guard.h"
#include "open_window.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  if (const auto status = movla::answerCommandLine(argc, argv))
    return *status;
  movla::DisplayGuard guard(argc, argv);
  QApplication app(argc, argv);
  guard.release();
  movla::qt::setApplicationInfo();

  const auto window = movla::qt::openCalculator();
  window->show();
  return QApplication::exec();
}

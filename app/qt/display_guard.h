// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Qt 6.4 ends a program that cannot open a display with qFatal, which aborts
// and dumps core after several lines of advice, and the libraries under Qt
// print complaints of their own (libwayland a line when XDG_RUNTIME_DIR is
// not set). While the application is being created, standard error is held
// back; if Qt gives up, or starts a platform with no screen to show a window
// on, one line says why and the program exits with status 1. Otherwise
// what was held goes out as usual.

#include <QApplication>

#include <memory>

namespace movla::qt {

/// The application, on the display the environment and the command line
/// name; `argc` and `argv` must outlive it, as for QApplication.
std::unique_ptr<QApplication> openDisplay(int &argc, char *argv[]);

} // namespace movla::qt

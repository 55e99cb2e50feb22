// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Decides what the command line asks before any window or display exists, so
// that --help, --version and a mistyped option are answered on a machine with
// no display, and a mistake never opens a window. Qt's own options
// (-platform, -style, ...) are accepted and left in argv for QApplication,
// which reads them itself; no option changes how the calculator behaves.

#include <optional>

namespace movla::qt {

/// Answers --help and --version on standard output (or says in one line on
/// standard error that it could not be written), or reports an unknown
/// option or a stray argument in one line on standard error. Returns the
/// status to exit with when the command line has been answered, and nothing
/// when the calculator should start.
std::optional<int> answerCommandLine(int argc, char *argv[]);

} // namespace movla::qt

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Opens the two windows: the calculator, whose closing ends the program,
// and About, modally over the window `owner`.

#include <windows.h>

namespace movla::win32 {

/// Opens the calculator and runs the program until it ends; returns the
/// exit status.
int run_calculator();

/// Shows the About window modally over `owner`; returns once it has closed.
void open_about(HWND owner);

} // namespace movla::win32

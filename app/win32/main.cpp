// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// movla.exe: opens the calculator window and runs until it closes.
#include "open_window.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  return movla::win32::run_calculator();
}

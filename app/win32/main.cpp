// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// movla.exe: opens the calculator window and runs until it closes.
#include "open_window.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The accessibility annotations are COM objects of this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  const int status = movla::win32::run_calculator();
  if (SUCCEEDED(com))
    CoUninitialize();
  return status;
}

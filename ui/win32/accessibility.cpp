// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "accessibility.h"

#include "text.h"

// The service's and the properties' identifiers, which MinGW's import
// libraries lack, defined here from its header.
#include <initguid.h>

#include <oleacc.h>

#include <utility>

namespace movla::win32 {

void annotate(HWND control, std::string_view name, std::string_view description) {
  // COM only now, for the first screen reader: a program none reads starts
  // without it, and without loading ole32 (4 ms of Wine's start-up).
  static const HMODULE ole32 = LoadLibraryW(L"ole32.dll");
  static const auto create = reinterpret_cast<decltype(&CoCreateInstance)>(
      reinterpret_cast<void (*)()>(GetProcAddress(ole32, "CoCreateInstance")));
  static const bool com =
      create && SUCCEEDED(reinterpret_cast<decltype(&CoInitializeEx)>(reinterpret_cast<void (*)()>(
                              GetProcAddress(ole32, "CoInitializeEx")))(nullptr,
                                                                        COINIT_APARTMENTTHREADED));
  IAccPropServices *services = nullptr;
  if (!com || FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                            IID_IAccPropServices, reinterpret_cast<void **>(&services))))
    return;
  for (const auto &[property, text] :
       {std::pair{PROPID_ACC_NAME, name}, std::pair{PROPID_ACC_DESCRIPTION, description}})
    if (!text.empty())
      services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                               widen(text).c_str());
  services->Release();
}

} // namespace movla::win32

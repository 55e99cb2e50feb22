// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "accessibility.h"

#include "text.h"

// The service's and the properties' identifiers, which MinGW's import
// libraries lack, defined here from its header.
#include <initguid.h>

#include <oleacc.h>

namespace movla::win32 {

void annotate(HWND control, std::string_view name, std::string_view description) {
  IAccPropServices *services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void **>(&services))))
    return;
  const auto set = [&](const MSAAPROPID &property, std::string_view text) {
    return SUCCEEDED(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                              CHILDID_SELF, property, widen(text).c_str()));
  };
  if (set(PROPID_ACC_NAME, name) && !description.empty())
    set(PROPID_ACC_DESCRIPTION, description);
  services->Release();
}

} // namespace movla::win32

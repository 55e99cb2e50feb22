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

namespace {

// `name` of ole32, loaded on the first call: a program no screen reader
// reads starts without ole32 and what it loads (0.8 MiB).
template <class Function> Function *from_ole32(const char *name) {
  static const HMODULE ole32 = LoadLibraryW(L"ole32.dll");
  return reinterpret_cast<Function *>(reinterpret_cast<void (*)()>(GetProcAddress(ole32, name)));
}

} // namespace

void annotate(HWND control, std::string_view name, std::string_view description) {
  // COM only now, for the first screen reader.
  static const auto create = from_ole32<decltype(CoCreateInstance)>("CoCreateInstance");
  static const auto start = from_ole32<decltype(CoInitializeEx)>("CoInitializeEx");
  static const bool com = create && start && SUCCEEDED(start(nullptr, COINIT_APARTMENTTHREADED));
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

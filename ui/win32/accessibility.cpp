// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "accessibility.h"

#include "text.h"

#include <oleacc.h>

namespace movla::win32 {

namespace {

// MinGW's headers declare IAccPropServices, but its import libraries lack
// these identifiers.
constexpr CLSID class_id = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID interface_id = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr MSAAPROPID name_property = {
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr MSAAPROPID description_property = {
    0x4d48dfe4, 0xbd3f, 0x491f, {0xa6, 0x48, 0x49, 0x2d, 0x6f, 0x20, 0xc5, 0x88}};

} // namespace

bool annotate(HWND control, std::string_view name, std::string_view description) {
  IAccPropServices *services = nullptr;
  if (FAILED(CoCreateInstance(class_id, nullptr, CLSCTX_INPROC_SERVER, interface_id,
                              reinterpret_cast<void **>(&services))))
    return false;
  bool done = SUCCEEDED(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                                 CHILDID_SELF, name_property, widen(name).c_str()));
  if (!description.empty())
    done =
        SUCCEEDED(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           description_property, widen(description).c_str())) &&
        done;
  services->Release();
  return done;
}

} // namespace movla::win32

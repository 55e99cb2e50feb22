// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// UTF-8, the text of the core and the tables, to and from UTF-16, the text of
// the W functions.

#include <windows.h>

#include <string>
#include <string_view>

namespace movla::win32 {

std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

/// A window's whole text (WM_GETTEXT).
std::wstring window_text(HWND window);

} // namespace movla::win32

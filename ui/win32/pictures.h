// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// The About window's pictures, from movla.exe's own resources: the build
// converts each JPEG of resources/ into a bitmap resource named after its
// file ("about-left.jpg" becomes ABOUT_LEFT), so that the program decodes
// nothing at run time.

#include <windows.h>

#include <string_view>

namespace movla::win32 {

/// The picture a table names, or null.
HBITMAP load_picture(std::string_view file);

/// Draws `picture` at the top-left corner of `dc`, scaled from 96 dots per
/// inch to `dpi`.
void draw_picture(HDC dc, HBITMAP picture, int dpi);

} // namespace movla::win32

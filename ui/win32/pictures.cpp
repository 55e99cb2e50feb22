// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "pictures.h"

#include "text.h"

#include <cwctype>

namespace movla::win32 {

HBITMAP load_picture(std::string_view file) {
  // "resources/about-left.jpg" is ABOUT_LEFT.
  file = file.substr(file.find_last_of("/:") + 1);
  std::wstring name = widen(file.substr(0, file.find('.')));
  for (wchar_t &c : name)
    c = c == L'-' ? L'_' : static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

void draw_picture(HDC dc, HBITMAP picture, int dpi) {
  BITMAP info{};
  GetObjectW(picture, sizeof info, &info);
  HDC source = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(source, picture);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, 0, 0, MulDiv(info.bmWidth, dpi, 96), MulDiv(info.bmHeight, dpi, 96), source, 0, 0,
             info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

} // namespace movla::win32

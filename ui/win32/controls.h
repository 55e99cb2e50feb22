// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// A window's rows as Win32 child windows.
//
// Every row except the bands and lines, which the window paints beneath its
// children (colours.h), becomes a child: text boxes are edit boxes
// (text_box.h), buttons push buttons, labels and pictures owner-drawn
// statics, so that a transparent label shows the bands beneath it. Children
// are created in tab_order(), which is z-order and the dialog manager's Tab.

#include "form.h"

#include <windows.h>

#include <span>
#include <vector>

namespace movla::win32 {

/// A child window; its font and picture are its window's to delete.
struct Child {
  const ui::Control *row;
  HWND window = nullptr;
  HFONT font = nullptr;
  HBITMAP picture = nullptr; // a picture's image
};

/// The children of `parent` made from `table`, not yet placed; the text
/// boxes are the tools of `tooltip`, which asks `parent` for their texts.
std::vector<Child> create_controls(HWND parent, std::span<const ui::Control> table, HWND tooltip,
                                   UINT dpi);

/// Gives every child its row's font at `dpi`, and its rectangle when `move`.
void lay_out(std::span<Child> children, UINT dpi, bool move = true);

} // namespace movla::win32

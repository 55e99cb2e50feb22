// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What a Win32 edit box needs here beyond its own.
//
// - It holds ui::max_length characters, set: Wine 8.0's default is 30 000.
// - A paste goes in as ui::pasted_line(), as one undo step.
// - A read-only box whose text is cut shows its start and ui::cut_mark, its
//   selection highlighted while it holds the focus, unless the user has
//   scrolled it; hover_text() is what its tooltip shows.
// - The window must tell a focus move between its own controls from a
//   switch to another application, and EN_SETFOCUS and EN_KILLFOCUS do not
//   say which: the box records the other window of each move for
//   focus_partner(). Its parent also hears when a click's button comes up.

#include <windows.h>

#include <string>

namespace movla::win32 {

/// Sent to a box's parent when a mouse button that clicked into the box
/// came up: wparam, whether the box now has a selection; lparam, the box.
inline constexpr UINT box_released = WM_APP + 1;

/// Adds the behaviours above to the edit `box`, whose tool in `tooltip`
/// (TTF_IDISHWND, without TTF_SUBCLASS) it tells of the mouse.
void extend_text_box(HWND box, HWND tooltip);

/// During EN_SETFOCUS or EN_KILLFOCUS: the window that lost or gains the
/// focus (null when it belongs to another application); else null.
extern HWND focus_partner;

/// What hovering a read-only `box` shows in `tooltip`: its whole text
/// wrapped for the screen when the text is cut, else nothing.
std::wstring hover_text(HWND box, HWND tooltip);

} // namespace movla::win32

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What a Win32 edit box does here beyond Windows' own.
//
// - A paste keeps the first line that is not blank, without its break, as
//   one undo step: text copied from a spreadsheet cell or a web page often
//   ends in a line break, and the edit would keep whatever came first, even
//   an empty line.
// - The window must tell a focus move between its own controls (which runs
//   the handlers) from a switch to another application, and EN_SETFOCUS and
//   EN_KILLFOCUS do not say which: the box records the other window of each
//   move for focus_partner().
// - A click into a box leaves the whole text selected, as Tab does, unless
//   the user dragged a selection of their own.
// - A read-only box whose text is too long for it shows its start followed
//   by an ellipsis while it does not hold the focus (it shows its end
//   otherwise, cut off with no mark); text_fits() tells the tooltip when to
//   show the whole value. Focused, it scrolls as any edit does.

#include <windows.h>

#include <string>
#include <string_view>

namespace movla::win32 {

/// Adds the behaviours above to the edit `box`.
void extend_edit_box(HWND box);

/// During EN_SETFOCUS or EN_KILLFOCUS: the window that lost or gains the
/// focus (null when it belongs to another application).
HWND focus_partner();

/// Whether the whole text of `box` fits in it.
bool text_fits(HWND box);

/// What a paste of `text` puts into a one-line box.
std::wstring single_line(std::wstring_view text);

} // namespace movla::win32

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// One element of the page per row of a window's table: its kind, place and
// size in CSS pixels, font, text and access key, in the order that stacks
// the bands beneath everything, the lines above them, and the rest in the
// order of Tab.

#include "form.h"

#include <span>
#include <string>
#include <string_view>

namespace movla::web {

/// Builds every row of `table` into the page's window `window`.
void build_controls(int window, std::span<const ui::Control> table);

/// The CSS font for `font`, with the faces font_face() stands in for it.
std::string css_font(const ui::Font &font);

/// A button's text without its "&", and the character the "&" marks (its
/// index in code points), or -1.
struct AccessKey {
  std::string shown;
  int marked;
};
AccessKey access_key(std::string_view text);

/// The row that Tab (or Shift+Tab, `backwards`) moves the focus to from
/// `row`, round the window; from a row that takes no focus, the first (or
/// last) that does.
int next_tab_stop(std::span<const ui::Control> table, int row, bool backwards);

} // namespace movla::web

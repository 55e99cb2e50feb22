// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Each row's colours under the readable-colour rule (colour_rule.h), with
// the desktop colours the tables name as the page's CSS system colours.

#include "colour_rule.h"
#include "form.h"

#include <string>

namespace movla::web {

/// The system colours that the window must show in their classic light
/// value for the page's colour scheme now.
ui::PinnedColours pinned_colours(const ui::WindowDescription &description);

/// Paints every row of the page's window `window` with `pinned` (again
/// after a change of the page's colour scheme).
void paint(int window, const ui::WindowDescription &description, const ui::PinnedColours &pinned);

/// The CSS colour of an RGB triple.
std::string css_colour(ui::Rgb rgb);

} // namespace movla::web

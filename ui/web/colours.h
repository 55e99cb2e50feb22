// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Each row's colours under the readable-colour rule (colour_rule.h), with
// the desktop colours the tables name as the page's CSS system colours.

#include "form.h"

#include <string>

namespace movla::web {

/// Paints every row of the page's window `window`; again after a change of
/// the page's colour scheme.
void paint_readable(int window, const ui::WindowDescription &description);

/// The CSS colour of an RGB triple.
std::string css_colour(ui::Rgb rgb);

} // namespace movla::web

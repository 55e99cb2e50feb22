// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Each control painted in its row's colours on the desktop's palette, with
// the system colours mapped to the palette's roles and kept readable by the
// rule of colour_rule.h. The window paints again whenever its palette
// changes, so a switch of the desktop theme shows at once. The selection
// and the focus frame stay as the theme paints them.

#include "form.h"

class QWidget;

namespace movla::qt {

/// Paints `window`, built from `description`, and its controls in their
/// rows' colours.
void paintReadable(const ui::WindowDescription &description, QWidget *window);

} // namespace movla::qt

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Each control painted in its row's colours on the desktop's palette, with
// the system colours mapped to the palette's roles and kept readable by the
// rule of colour_rule.h, applied again whenever the window's palette changes,
// so a switch of the desktop theme shows at once. The selection and the focus
// frame stay as the theme paints them.

#include "controls.h"

#include <span>

class QWidget;

namespace movla::qt {

/// Paints `widgets[i]`, the control of `table[i]` in `window`, in the row's
/// colours, now and whenever the window's palette changes. The table must
/// outlive the window.
void paintReadable(std::span<const ui::Control> table, std::span<QWidget *const> widgets,
                   QWidget *window);

} // namespace movla::qt

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Which colour each control is painted in, on whatever palette the desktop has.
//
// The control tables pair fixed colours (navy text) with system colours (the
// window-background colour behind the input boxes and headings), a layout
// drawn against the classic light desktop. On a dark palette such a pair can
// become unreadable, so: every fixed colour stays as it is; where a fixed
// colour meets a system colour and the pair falls below a contrast of 4.5:1
// (WCAG 2), that system colour takes its classic light value (window
// background white, window text black...) in the whole window, and the window
// keeps its designed look on a dark desktop. A pair of two system colours is
// the theme's to keep readable and stays as the theme paints it, as do the
// selection and the focus frame. On a light palette every pair holds and
// nothing changes. The rule is applied again whenever the window's palette
// changes, so a switch of the desktop theme shows at once.

#include "controls.h"

#include <span>

class QWidget;

namespace movla::ui {

/// Paints `widgets[i]`, the control of `table[i]` in `window`, in the row's
/// colours, now and whenever the window's palette changes. The table must
/// outlive the window.
void paintReadable(std::span<const Control> table, std::span<QWidget *const> widgets,
                   QWidget *window);

} // namespace movla::ui

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Where the windows open: centred on the usable part of a screen (without
// panels and docks), the calculator on its own screen and About on the
// calculator's, rather than wherever the window manager would cascade them.

class QScreen;
class QWidget;

namespace movla::ui {

/// Moves `window`, at its current size, to the centre of `screen`'s
/// available area.
void centreOnScreen(QWidget *window, const QScreen *screen);

} // namespace movla::ui

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Where the windows open: centred on the usable part of a screen (without
// panels and docks), the calculator on its own screen and About on the
// calculator's, rather than wherever the window manager would cascade them.
// A window larger than that area (a large font or scale factor on a small
// screen) keeps its frame's top-left corner on it instead: the title bar can
// then still be grabbed and the labels read from their start.

#include <QPoint>

class QRect;
class QScreen;
class QSize;
class QWidget;

namespace movla::ui {

/// The top-left corner of a window frame of size `frame` on a screen whose
/// available area is `available`: centred in each direction it fits in,
/// against the area's top or left edge where it does not.
QPoint framePosition(const QSize &frame, const QRect &available);

/// Moves `window`'s frame, at the window's current size, to its place on
/// `screen`; leaves it to the window system when there is no screen.
void centreOnScreen(QWidget *window, const QScreen *screen);

} // namespace movla::ui

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "placement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace movla::ui {

QPoint framePosition(const QSize &frame, const QRect &available) {
  return available.topLeft() + QPoint(std::max(0, (available.width() - frame.width()) / 2),
                                      std::max(0, (available.height() - frame.height()) / 2));
}

void centreOnScreen(QWidget *window, const QScreen *screen) {
  if (!screen)
    return;
  // move() places the frame, title bar included, where setGeometry() would
  // place the client area. Before the first show the frame's size is not
  // known yet and is taken as the window's.
  window->move(framePosition(window->frameGeometry().size(), screen->availableGeometry()));
}

} // namespace movla::ui

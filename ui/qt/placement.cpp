// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "placement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace movla::ui {

void centreOnScreen(QWidget *window, const QScreen *screen) {
  window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                          screen->availableGeometry()));
}

} // namespace movla::ui

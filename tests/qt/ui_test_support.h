// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Helpers shared by the window tests: where the controls stand, answering
// modal windows without blocking in exec(), and checking that a control's
// text fits it.

#include "form.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFontMetricsF>
#include <QLabel>
#include <QPointer>
#include <QRect>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <functional>
#include <utility>

namespace movla::test {

/// Checks that every control of `window` stands at the rectangle its row of
/// `description` gives it: in logical pixels at 96 dots per inch, and within
/// Qt's rounding of a pixel at the dots per inch the screen really has
/// (144 at QT_SCALE_FACTOR=1.5).
inline void verifyLayout(const QWidget *window, const ui::WindowDescription &description) {
  const qreal ratio = window->devicePixelRatioF();
  const int dpi = qRound(96 * ratio);
  for (const ui::Control &row : description.controls) {
    const auto *control =
        window->findChild<QWidget *>(QString::fromUtf8(row.name), Qt::FindDirectChildrenOnly);
    QVERIFY2(control, row.name);
    const ui::PixelRect logical = ui::pixel_rect(row);
    QCOMPARE(control->geometry(), QRect(logical.left, logical.top, logical.width, logical.height));
    const ui::PixelRect device = ui::pixel_rect(row, dpi);
    const QRectF drawn(QPointF(control->geometry().topLeft()) * ratio,
                       QSizeF(control->size()) * ratio);
    for (const auto &[shown, given] :
         {std::pair(drawn.left(), device.left), std::pair(drawn.top(), device.top),
          std::pair(drawn.width(), device.width), std::pair(drawn.height(), device.height)})
      QVERIFY2(std::abs(shown - given) <= 1,
               qPrintable(QStringLiteral("%1 at %2 dpi").arg(row.name).arg(dpi)));
  }
}

/// Calls `answer` with the next modal window once it is showing. Whatever
/// `answer` leaves open is closed afterwards, so that a failing check ends
/// the modal loop instead of hanging the test.
inline void whenModalOpens(std::function<void(QWidget *)> answer) {
  auto *poll = new QTimer(qApp);
  const QDeadlineTimer deadline(5000);
  QObject::connect(poll, &QTimer::timeout, qApp, [poll, deadline, answer] {
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
      if (deadline.hasExpired())
        poll->deleteLater();
      return;
    }
    poll->stop();
    poll->deleteLater();
    const QPointer<QWidget> open(modal);
    answer(modal);
    if (open && open->isVisible())
      open->close();
  });
  poll->start(10);
}

/// Width of the text as drawn, without the "&" that marks an access key.
inline qreal textWidth(const QWidget *widget, QString text) {
  text.remove(QLatin1Char('&'));
  return QFontMetricsF(widget->font()).horizontalAdvance(text);
}

} // namespace movla::test

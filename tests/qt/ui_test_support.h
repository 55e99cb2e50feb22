// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Helpers shared by the window tests: the layout tables' rows, answering
// modal windows without blocking in exec(), and checking that a control's
// text fits it.

#include <QApplication>
#include <QDeadlineTimer>
#include <QFontMetricsF>
#include <QLabel>
#include <QPointer>
#include <QRect>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace movla::test {

/// The layout tables are drawn up in twips; the tests convert on their own
/// rather than trusting the code under test to do it.
inline QRect pixelRect(const QRect &twips) {
  const auto pixels = [](int t) { return qRound(t / 15.0); };
  return {pixels(twips.left()), pixels(twips.top()), pixels(twips.width()), pixels(twips.height())};
}

/// The columns of a layout table: a control's name and its rectangle in twips.
inline void layoutColumns() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("twips");
}

/// One row of a layout table, as the window's table gives it.
inline void layoutRow(const char *name, int left, int top, int width, int height) {
  QTest::newRow(name) << QString::fromLatin1(name) << QRect(left, top, width, height);
}

/// Checks that the direct child of `window` named `name` stands at `twips`.
inline void verifyPlacement(const QWidget *window, const QString &name, const QRect &twips) {
  const auto *control = window->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
  QVERIFY2(control, qPrintable(name));
  QCOMPARE(control->geometry(), pixelRect(twips));
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

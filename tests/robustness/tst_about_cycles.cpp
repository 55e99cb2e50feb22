// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// Opening and closing the About window many times must leave nothing behind:
// the About window is created on each opening and discarded when it closes.
// Under the asan tree LeakSanitizer checks the same run at exit.

#include "driver.h"

#include "application.h"
#include "open_window.h"

#include <QPushButton>
#include <QTest>

class AboutCycles : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { movla::qt::setApplicationInfo(); }
  void thousandOpeningsLeaveNoWidgets();
};

// State: the calculator shown, its live widgets counted.
// Action: About, then Done, 1,000 times.
// Expected: as many live widgets as before, the inputs and results unchanged.
void AboutCycles::thousandOpeningsLeaveNoWidgets() {
  const auto calculator = movla::qt::openCalculator();
  QWidget &window = *calculator;
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  auto *about = window.findChild<QPushButton *>("bAbout");
  QVERIFY(about);

  movla::test::ModalAnswerer answerer([](QWidget *modal) {
    if (auto *done = modal->findChild<QPushButton *>("bDone"))
      QTest::mouseClick(done, Qt::LeftButton);
    else
      modal->close(); // and fail below: no About window opened
  });
  auto openAndClose = [&] {
    const int before = answerer.answered();
    QTest::mouseClick(about, Qt::LeftButton);
    return answerer.waitUntilAnswered(before + 1) && !QApplication::activeModalWidget();
  };
  auto settle = [] {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  };
  // One round first, so that anything Qt creates once per process (style
  // objects, the tooltip machinery) is already there when counting.
  QVERIFY(openAndClose());
  settle();
  const qsizetype widgetsBefore = QApplication::allWidgets().size();
  const movla::MemoryFields before = movla::test::snapshot(&window);

  for (int i = 0; i < 1000; ++i) {
    QVERIFY2(openAndClose(), qPrintable(QStringLiteral("opening %1").arg(i)));
    settle();
    QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
  }
  const movla::MemoryFields after = movla::test::snapshot(&window);
  for (std::size_t i = 0; i < movla::field_count; ++i) {
    const auto field = static_cast<movla::Field>(i);
    QCOMPARE(after.text(field), before.text(field));
  }
}

QTEST_MAIN(AboutCycles)
#include "tst_about_cycles.moc"

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// A result too long for its box shows its start, whole characters only, and
// an ellipsis, with the whole number on hover; a result that fits looks as in
// any box. The box's text and what screen readers are told stay whole.

#include "controls.h"
#include "open_window.h"
#include "text_box.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

using movla::qt::TextBox;

namespace {

int differingPixels(const QImage &a, const QImage &b) {
  if (a.size() != b.size())
    return std::numeric_limits<int>::max();
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

} // namespace

class tst_ResultBox : public QObject {
  Q_OBJECT

private slots:
  void showsTheStartOfALongResult_data();
  void showsTheStartOfALongResult();

private:
  // A plain box in the place and colours of `box`, holding `text`.
  QImage plainBox(const QLineEdit *box, const QString &text, Qt::Alignment align, bool selected) {
    QLineEdit plain(text, window_.get());
    plain.setGeometry(box->geometry());
    plain.setFont(box->font());
    plain.setPalette(box->palette());
    plain.setAlignment(align);
    plain.setReadOnly(true);
    if (selected)
      plain.setSelection(0, static_cast<int>(text.size()));
    plain.show();
    return plain.grab().toImage();
  }

  std::unique_ptr<QWidget> window_;
};

void tst_ResultBox::showsTheStartOfALongResult_data() {
  QTest::addColumn<QString>("cents");
  QTest::addColumn<QString>("reference");
  QTest::addColumn<QString>("field");
  QTest::addColumn<bool>("cut");
  QTest::addColumn<QString>("leftFor"); // the box clicked once this one is entered
  // clang-format off
  QTest::newRow("30000 cents above 440 Hz") << "30000" << "440" << "Freq_More" << true << "";
  QTest::newRow("30000 cents below 440 Hz") << "30000" << "440" << "Freq_Less" << false << "";
  QTest::newRow("309 digits and a sign") << "100" << "-1e308" << "Freq_Less" << true << "";
  QTest::newRow("100 cents above 440 Hz") << "100" << "440" << "Freq_More" << false << "";
  QTest::newRow("301 digits, left for another box") << "0" << "1e300" << "Freq_Less" << true << "Freq_More";
  QTest::newRow("100 cents, left for another box") << "100" << "440" << "Freq_Less" << false << "Freq_More";
  // clang-format on
}

void tst_ResultBox::showsTheStartOfALongResult() {
  QFETCH(QString, cents);
  QFETCH(QString, reference);
  QFETCH(QString, field);
  QFETCH(bool, cut);
  QFETCH(QString, leftFor);

  // State: the window with both inputs typed; Action: Tab runs the pass.
  window_ = movla::qt::openCalculator(QLocale::c());
  window_->show();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  auto *centsBox = movla::qt::control<QLineEdit>(window_.get(), "Cents_Change");
  movla::qt::control<QLineEdit>(window_.get(), "Ref_Freq1")->setText(reference);
  centsBox->setText(cents);
  QTest::keyClick(centsBox, Qt::Key_Tab);
  auto *box = movla::qt::control<TextBox>(window_.get(), field.toStdString());
  QVERIFY(box);
  const QString text = box->text();
  QCOMPARE(box->isCut(), cut);

  // Expected: a cut text looks like a box holding its start and an ellipsis,
  // left-aligned; one that fits looks like any box holding it.
  const QImage shown = box->grab().toImage();
  const auto startAndMark = [&](qsizetype k, bool selected) {
    return plainBox(box, text.left(k) + QChar(u'\u2026'), Qt::AlignLeft, selected);
  };
  qsizetype kept = 0;
  if (cut) {
    // At a fractional scale the ellipsis may stand a fraction of a pixel off
    // the plain box's: allow a few pixels at its edges.
    std::pair fewest(std::numeric_limits<int>::max(), kept);
    for (qsizetype k = 1; k < text.size(); ++k)
      fewest = std::min(fewest, std::pair(differingPixels(shown, startAndMark(k, false)), k));
    kept = fewest.second;
    QVERIFY2(fewest.first <= shown.height() * 2 && kept >= 5, qPrintable(text.left(kept)));
  } else {
    QCOMPARE(shown, plainBox(box, text, box->alignment(), false));
  }

  // Tab into the box selects it all; a cut box keeps showing its start.
  box->setFocus(Qt::TabFocusReason);
  const QImage focused = box->grab().toImage();
  QCOMPARE(box->selectedText(), text);
  if (cut) {
    QCOMPARE(box->cursorPosition(), 0);
    const QRect inside = QRect(QPoint(0, 0), focused.size()).adjusted(6, 6, -6, -6);
    QVERIFY(differingPixels(focused.copy(inside), startAndMark(kept, true).copy(inside)) <=
            shown.height() * 4);
  }

  // Left for another box, it looks as before it was entered: the selection
  // it keeps is out of sight, the mark's as well as the digits'.
  if (!leftFor.isEmpty()) {
    auto *other = movla::qt::control<QLineEdit>(window_.get(), leftFor.toStdString());
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, other->height() / 2));
    QCOMPARE(box->selectedText(), text);
    QCOMPARE(box->grab().toImage(), shown);
    return;
  }

  // Hovering shows the whole number, broken to fit the screen, only when cut;
  // the description screen readers get is never the number.
  QToolTip::hideText();
  QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), box->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(box, &hover);
  QCOMPARE(QToolTip::isVisible(), cut);
  if (cut) {
    const QStringList lines = QToolTip::text().split(QLatin1Char('\n'));
    QCOMPARE(lines.join(QString()), text);
    QCOMPARE(lines.size() > 1, text.size() > 100);
    for (const QString &line : lines)
      QVERIFY(QFontMetricsF(QToolTip::font()).horizontalAdvance(line) <
              box->screen()->availableGeometry().width());
  }
  QVERIFY(box->toolTip().isEmpty());
  const QString description =
      QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
  QVERIFY2(!description.contains(text.left(4)), qPrintable(description));
  QToolTip::hideText();

  // A part of the number the user selects in the box stays selected.
  if (cut) {
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
      QTest::keyClick(box, Qt::Key_Right);
    for (int i = 0; i < 4; ++i)
      QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    box->grab();
    QCOMPARE(box->selectedText(), text.mid(3, 4));
  }

  // A box widened to hold the whole text shows it as any box does.
  box->clearFocus();
  box->resize(box->width() * 40, box->height());
  QVERIFY(!box->isCut());
  QCOMPARE(box->grab().toImage(), plainBox(box, text, box->alignment(), false));
}

QTEST_MAIN(tst_ResultBox)
#include "tst_result_box.moc"

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The calculator's boxes as a screen reader reads them, through the
// interfaces Qt's AT-SPI bridge asks: one attribute run over the whole text,
// and text, selection, caret and character places that agree with the box.

#include "open_window.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

const QStringList boxes = QStringLiteral("Cents_Change Ref_Freq1 New_Frequency Ref_Freq2 Freq_More "
                                         "Freq_Less Cents_New Semitones_New Octaves_New")
                              .split(u' ');

QAccessibleTextInterface *textOf(QLineEdit *box) {
  return QAccessible::queryAccessibleInterface(box)->textInterface();
}

} // namespace

class tst_AccessibleLineEdit : public QObject {
  Q_OBJECT

private slots:
  // No setApplicationInfo(): a window must bring its boxes' interface along.
  void init() { open(QLocale::c()); }
  void cleanup() { window_.reset(); }

  void boxIsReadWhole_data();
  void boxIsReadWhole();
  void characterPlacesFollowTheDrawnText_data();
  void characterPlacesFollowTheDrawnText();
  void screenReaderEditsOnlyInputs();

private:
  void open(const QLocale &locale) {
    window_ = movla::ui::openCalculator(locale);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  QLineEdit *box(const QString &name) const { return window_->findChild<QLineEdit *>(name); }

  std::unique_ptr<QWidget> window_;
};

void tst_AccessibleLineEdit::boxIsReadWhole_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text"); // null: what the window starts with
  QTest::addColumn<QString>("expected");

  const QStringList point =
      QStringLiteral("100 440 415 440 466.16 415.30 -101.27 -1.01 -0.08").split(u' ');
  QStringList comma = point;
  comma.replaceInStrings(QStringLiteral("."), QStringLiteral(","));
  for (qsizetype i = 0; i < boxes.size(); ++i) {
    QTest::addRow("%s", qPrintable(boxes[i])) << QLocale::c() << boxes[i] << QString() << point[i];
    QTest::addRow("%s, comma", qPrintable(boxes[i]))
        << QLocale(QLocale::German, QLocale::Germany) << boxes[i] << QString() << comma[i];
  }
  const auto row = [](const char *tag, const char *name, const QString &text) {
    QTest::newRow(tag) << QLocale::c() << QString::fromLatin1(name) << text << text;
  };
  row("empty input", "Cents_Change", QStringLiteral(""));
  row("Error", "Freq_Less", QStringLiteral("Error"));
  row("longest paste", "Ref_Freq1", QString(32767, u'9'));
  row("longest result", "Freq_More", QString(32767, u'9'));
}

void tst_AccessibleLineEdit::boxIsReadWhole() {
  QFETCH(QLocale, locale);
  QFETCH(QString, name);
  QFETCH(QString, text);
  QFETCH(QString, expected);

  if (locale != QLocale::c())
    open(locale);
  QLineEdit *edit = box(name);
  if (edit->isReadOnly() && !text.isNull()) {
    edit->setText(text); // as a pass writes it
  } else if (!text.isNull()) {
    QGuiApplication::clipboard()->setText(text);
    edit->selectAll();
    edit->paste();
  }
  QAccessibleTextInterface *accessible = textOf(edit);
  const int length = static_cast<int>(expected.size());
  QCOMPARE(accessible->characterCount(), length);
  QCOMPARE(accessible->text(0, length), expected);
  QCOMPARE(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Value), expected);

  // Whatever offset a screen reader asks at, the run is the whole text.
  for (int offset = 0; offset <= length; ++offset) {
    int start = -1, end = -1;
    accessible->attributes(offset, &start, &end);
    if (start != 0 || end != length)
      QFAIL(qPrintable(QStringLiteral("run %1-%2 at %3").arg(start).arg(end).arg(offset)));
  }
  // Qt's bridge splits "name:value" pairs and cannot take an empty value.
  int start, end;
  for (const QString &pair :
       accessible->attributes(0, &start, &end).split(u';', Qt::SkipEmptyParts))
    QVERIFY2(pair.split(u':', Qt::SkipEmptyParts).size() == 2, qPrintable(pair));
  if (length > 0) {
    QCOMPARE(accessible->textAtOffset(length - 1, QAccessible::LineBoundary, &start, &end),
             expected);
    QCOMPARE(accessible->textAtOffset(length - 1, QAccessible::CharBoundary, &start, &end),
             expected.right(1));
  }

  // Selection and caret as the box has them, and as a screen reader sets them.
  edit->selectAll();
  accessible->selection(0, &start, &end);
  QCOMPARE(std::pair(start, end), length > 0 ? std::pair(0, length) : std::pair(-1, -1));
  QCOMPARE(accessible->selectionCount(), length > 0 ? 1 : 0);
  QCOMPARE(accessible->cursorPosition(), edit->cursorPosition());
  accessible->setSelection(0, length / 2, length);
  QCOMPARE(edit->selectedText(), expected.mid(length / 2));
  accessible->removeSelection(0);
  QVERIFY(!edit->hasSelectedText());
  accessible->setCursorPosition(length / 2);
  QCOMPARE(edit->cursorPosition(), length / 2);
}

void tst_AccessibleLineEdit::characterPlacesFollowTheDrawnText_data() {
  QTest::addColumn<QString>("name");
  for (const QString &name : boxes)
    QTest::newRow(qPrintable(name)) << name;
}

void tst_AccessibleLineEdit::characterPlacesFollowTheDrawnText() {
  QFETCH(QString, name);
  QLineEdit *edit = box(name);
  const int length = static_cast<int>(edit->text().size());

  // The columns that hold ink of the box's navy text, in its own pixels.
  const QImage image = edit->grab().toImage();
  const qreal ratio = image.devicePixelRatio();
  int inkLeft = image.width(), inkRight = -1;
  for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
    for (int x = qRound(4 * ratio); x < image.width() - 4 * ratio; ++x)
      if (qRed(image.pixel(x, y)) < 128) {
        inkLeft = std::min(inkLeft, x);
        inkRight = std::max(inkRight, x);
      }

  QAccessibleTextInterface *accessible = textOf(edit);
  const QPoint origin = edit->mapToGlobal(QPoint(0, 0));
  QVERIFY(std::abs(accessible->characterRect(0).left() - origin.x() - inkLeft / ratio) <= 2);
  QVERIFY(std::abs(accessible->characterRect(length - 1).right() - origin.x() - inkRight / ratio) <=
          2);
  for (int offset = 0; offset < length; ++offset) {
    const QRect rect = accessible->characterRect(offset);
    QVERIFY(edit->rect().translated(origin).contains(rect));
    QCOMPARE(accessible->offsetAtPoint(rect.center()), offset);
  }
}

void tst_AccessibleLineEdit::screenReaderEditsOnlyInputs() {
  QLineEdit *cents = box(QStringLiteral("Cents_Change"));
  QAccessible::queryAccessibleInterface(cents)->editableTextInterface()->replaceText(1, 3, "25");
  QCOMPARE(cents->text(), QStringLiteral("125"));
  cents->undo(); // like typing
  QCOMPARE(cents->text(), QStringLiteral("100"));

  QLineEdit *result = box(QStringLiteral("Freq_More"));
  QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(result);
  accessible->editableTextInterface()->deleteText(0, -1);
  QCOMPARE(result->text(), QStringLiteral("466.16"));
  QVERIFY(accessible->state().readOnly && !accessible->state().editable);
  // Other controls keep Qt's own interfaces.
  QCOMPARE(QAccessible::queryAccessibleInterface(window_->findChild<QWidget *>("bExit"))->role(),
           QAccessible::Button);
}

QTEST_MAIN(tst_AccessibleLineEdit)
#include "tst_accessible_line_edit.moc"

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The calculator's boxes as a screen reader reads them, through the
// interfaces Qt's AT-SPI bridge asks: one attribute run over the whole text,
// and text, selection, caret and character places that agree with the box.
// A text query that never returns hangs the program: ctest's timeout on
// these tests is their deadline.

#include "controls.h"
#include "open_window.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include <limits>
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
  void everyTextQueryIsAnswered_data();
  void everyTextQueryIsAnswered();
  void characterPlacesFollowTheDrawnText_data();
  void characterPlacesFollowTheDrawnText();
  void screenReaderEditsOnlyInputs();

private:
  void open(const QLocale &locale) {
    window_ = movla::qt::openCalculator(locale);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  QLineEdit *box(const QString &name) const {
    return movla::qt::control<QLineEdit>(window_.get(), name.toStdString());
  }

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

void tst_AccessibleLineEdit::everyTextQueryIsAnswered_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("boundary");
  QTest::addColumn<int>("offset"); // the caret is at 1
  QTest::addColumn<QStringList>("beforeAtAfter");

  const auto row = [](const QString &text, QAccessible::TextBoundaryType boundary, int offset,
                      const char *before, const char *at, const char *after) {
    QTest::addRow("%s, boundary %d, offset %d", qPrintable(text), boundary, offset)
        << text << int(boundary) << offset
        << QStringList{QString::fromUtf8(before), QString::fromUtf8(at), QString::fromUtf8(after)};
  };
  const QString number = QStringLiteral("100");
  row(number, QAccessible::CharBoundary, 0, "", "1", "0");
  row(number, QAccessible::CharBoundary, 2, "0", "0", "");
  row(number, QAccessible::CharBoundary, 3, "0", "", "");
  row(number, QAccessible::CharBoundary, -1, "0", "", "");
  row(number, QAccessible::CharBoundary, -2, "1", "0", "0");
  // A digit with a combining mark is one character, wherever it is asked.
  row(QStringLiteral("1\u0301"), QAccessible::CharBoundary, 1, "", "1\u0301", "");
  // Every larger piece is the whole number, the end (where End puts the
  // caret) included; Qt's own code never returns there.
  for (const auto boundary :
       {QAccessible::WordBoundary, QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
        QAccessible::LineBoundary, QAccessible::NoBoundary}) {
    for (const int offset : {0, 3, -1, -2})
      row(number, boundary, offset, "", "100", "");
  }
  row(QString(), QAccessible::WordBoundary, -1, "", "", "");
  for (const auto boundary : {QAccessible::CharBoundary, QAccessible::WordBoundary,
                              QAccessible::SentenceBoundary, QAccessible::LineBoundary}) {
    for (const int offset : {4, 1000000, -3, std::numeric_limits<int>::min()})
      row(number, boundary, offset, "", "", "");
  }
}

void tst_AccessibleLineEdit::everyTextQueryIsAnswered() {
  QFETCH(QString, text);
  QFETCH(int, boundary);
  QFETCH(int, offset);
  QFETCH(QStringList, beforeAtAfter);

  QLineEdit *edit = box(QStringLiteral("Cents_Change"));
  edit->setText(text);
  edit->setCursorPosition(1);
  QAccessibleTextInterface *accessible = textOf(edit);
  const auto type = QAccessible::TextBoundaryType(boundary);
  const bool outside = offset < -2 || offset > text.size();
  const decltype(&QAccessibleTextInterface::textAtOffset) queries[] = {
      &QAccessibleTextInterface::textBeforeOffset, &QAccessibleTextInterface::textAtOffset,
      &QAccessibleTextInterface::textAfterOffset};
  for (int i = 0; i < 3; ++i) {
    int start = -9, end = -9;
    const QString piece = (accessible->*queries[i])(offset, type, &start, &end);
    QCOMPARE(piece, beforeAtAfter[i]);
    // The range holds the text; an empty one has no length.
    if (outside)
      QCOMPARE(std::pair(start, end), std::pair(-1, -1));
    else if (piece.isEmpty())
      QVERIFY(start == end && start >= 0 && start <= text.size());
    else
      QCOMPARE(accessible->text(start, end), piece);
  }
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

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The calculator window as a user meets it: its layout, its start-up state,
// when a calculation pass runs, what gaining the focus selects, and the Exit
// and About buttons, by mouse and by keyboard.

#include "application.h"
#include "controls.h"
#include "fMovla.h"
#include "open_window.h"
#include "ui_test_support.h"
#include "window_rules.h"

#include <movla/calculator.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

using movla::test::textWidth;
using movla::test::whenModalOpens;

namespace {

enum class Move { Tab, Backtab, Click };

} // namespace

Q_DECLARE_METATYPE(Move)

class tst_fMovla : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void init();
  void cleanup();

  void controlsStandWhereTheTablesPutThem();
  void windowHasItsCaptionSizeAndColours();
  void controlsHaveTheirFontsAndColours_data();
  void controlsHaveTheirFontsAndColours();
  void bandsLieBeneathEverything();
  void everyTextFitsItsControl();
  void textBoxesAreNamedForScreenReaders_data();
  void textBoxesAreNamedForScreenReaders();

  void startsWithDefaultsAndTheirResults_data();
  void startsWithDefaultsAndTheirResults();
  void startsInCentsChangeWithTextSelected();
  void tabVisitsControlsInTabIndexOrder();
  void gainingFocusSelectsWholeText_data();
  void gainingFocusSelectsWholeText();
  void typingChangesNothingUntilFocusLeaves();
  void leavingBadInputResetsItBeforeNextIsSelected_data();
  void leavingBadInputResetsItBeforeNextIsSelected();
  void boxLeftKeepsItsSelectionOutOfSight_data();
  void boxLeftKeepsItsSelectionOutOfSight();
  void clickIntoBoxKeepsItsSelectionUnlessDragged_data();
  void clickIntoBoxKeepsItsSelectionUnlessDragged();
  void switchingApplicationRunsNoPass();
  void commaLocaleReadsAndWritesCommas();

  void accessKeyRunsPassBeforeButtonActs_data();
  void accessKeyRunsPassBeforeButtonActs();
  void exitAnsweredNoChangesNothing_data();
  void exitAnsweredNoChangesNothing();
  void aboutTwiceShowsDisclaimerOnceAndChangesNothing();
  // These two run the application's event loop until the program ends.
  void closingWindowEndsProgramWithoutAsking();
  void exitConfirmedEndsProgram();

private:
  QLineEdit *box(std::string_view name) const {
    return movla::qt::control<QLineEdit>(window_.get(), name);
  }
  QPushButton *button(std::string_view name) const {
    return movla::qt::control<QPushButton>(window_.get(), name);
  }
  QStringList fieldTexts() const {
    QStringList texts;
    for (const movla::Field field : movla::all_fields)
      texts << box(movla::field_name(field))->text();
    return texts;
  }
  void click(QWidget *widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
  }
  void showAndActivate(QWidget *window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
  }

  std::unique_ptr<QWidget> window_;
};

void tst_fMovla::initTestCase() {
  movla::qt::setApplicationInfo();
  // Point sizes become pixels at 96 logical dots per inch, as the layout assumes.
  QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
}

void tst_fMovla::init() {
  window_ = movla::qt::openCalculator(QLocale::c());
  showAndActivate(window_.get());
}

void tst_fMovla::cleanup() {
  QWidget *modal = QApplication::activeModalWidget();
  if (modal)
    modal->close();
  window_.reset();
  QVERIFY2(!modal, "a modal window was left open");
}

void tst_fMovla::controlsStandWhereTheTablesPutThem() {
  movla::test::verifyLayout(window_.get(), movla::ui::fMovla::description);
}

void tst_fMovla::windowHasItsCaptionSizeAndColours() {
  QCOMPARE(window_->objectName(), QStringLiteral("fMovla"));
  QCOMPARE(window_->windowTitle(), QStringLiteral("Movla - Cents to Hz Calculator"));
  QCOMPARE(window_->size(), QSize(676, 409));
  QCOMPARE(window_->palette().color(QPalette::Window), QColor(255, 255, 192));
  QVERIFY(!window_->windowIcon().isNull());
  QCOMPARE(window_->windowIcon().availableSizes().size(), 4);
  // A normal, sizable frame.
  QVERIFY(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
  QVERIFY(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
  QVERIFY(window_->maximumSize().width() > 676);
  // Centred in the screen's work area.
  const QRect area = window_->screen()->availableGeometry();
  const QRect frame = window_->frameGeometry();
  const movla::ui::PixelRect placed = movla::ui::frame_rect(
      frame.width(), frame.height(), {area.x(), area.y(), area.width(), area.height()});
  QCOMPARE(frame.topLeft(), QPoint(placed.left, placed.top));
}

void tst_fMovla::controlsHaveTheirFontsAndColours_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<qreal>("points");
  QTest::addColumn<bool>("bold");
  QTest::addColumn<QColor>("text");
  QTest::addColumn<QColor>("background"); // invalid: transparent
  QTest::addColumn<int>("alignment");     // horizontal

  const QColor navy(0, 0, 128);
  const QColor yellow(255, 255, 192);
  const QColor white = QGuiApplication::palette().color(QPalette::Base);
  const QColor none;
  const int left = Qt::AlignLeft;
  const int right = Qt::AlignRight;
  QTest::newRow("heading A") << "lblC_Hz" << 12.0 << true << navy << none << left;
  QTest::newRow("heading B") << "lblHz_C" << 12.0 << true << navy << none << left;
  QTest::newRow("label") << "lblRef_FReq" << 12.0 << false << navy << yellow << left;
  QTest::newRow("right label") << "Label5" << 12.0 << false << navy << yellow << right;
  QTest::newRow("input") << "Cents_Change" << 12.0 << false << navy << white << left;
  QTest::newRow("input B") << "Ref_Freq2" << 12.0 << false << navy << white << left;
  QTest::newRow("result A") << "Freq_Less" << 12.0 << false << navy << yellow << right;
  QTest::newRow("result B") << "Octaves_New" << 12.0 << false << navy << yellow << right;
  QTest::newRow("button") << "bExit" << 9.75 << false << QColor() << QColor() << 0;
}

void tst_fMovla::controlsHaveTheirFontsAndColours() {
  QFETCH(QString, name);
  QFETCH(qreal, points);
  QFETCH(bool, bold);
  QFETCH(QColor, text);
  QFETCH(QColor, background);
  QFETCH(int, alignment);

  const auto *control = window_->findChild<QWidget *>(name);
  QVERIFY(control);
  QCOMPARE(control->font().family(), QStringLiteral("MS Sans Serif"));
  QCOMPARE(control->font().pointSizeF(), points);
  QCOMPARE(control->font().bold(), bold);
  QVERIFY(!control->font().italic());

  if (const auto *label = qobject_cast<const QLabel *>(control)) {
    QCOMPARE(label->palette().color(QPalette::WindowText), text);
    QCOMPARE(label->autoFillBackground(), background.isValid());
    if (background.isValid())
      QCOMPARE(label->palette().color(label->backgroundRole()), background);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
  } else if (const auto *edit = qobject_cast<const QLineEdit *>(control)) {
    QCOMPARE(edit->palette().color(QPalette::Text), text);
    QCOMPARE(edit->palette().color(QPalette::Base), background);
    QCOMPARE(int(edit->alignment() & Qt::AlignHorizontal_Mask), alignment);
  }
}

void tst_fMovla::bandsLieBeneathEverything() {
  // Children are stacked in list order, the first one lowest.
  QStringList order;
  for (const QObject *child : window_->children())
    if (child->isWidgetType())
      order << child->objectName();
  QCOMPARE(order.mid(0, 3).join(u' '), QStringLiteral("Shape1 Shape2 Shape3"));
  // The lines are drawn over the bands they border.
  QVERIFY(order.indexOf(QStringLiteral("Line1")) > order.indexOf(QStringLiteral("Shape2")));
}

void tst_fMovla::everyTextFitsItsControl() {
  // Runs at each QT_SCALE_FACTOR the suite is registered with: hinting
  // changes the widths a little from one factor to the next.
  for (const QLabel *label : window_->findChildren<QLabel *>()) {
    QVERIFY2(textWidth(label, label->text()) <= label->contentsRect().width(),
             qPrintable(label->objectName()));
    QVERIFY2(QFontMetricsF(label->font()).height() <= label->height(),
             qPrintable(label->objectName()));
  }
  for (const QPushButton *button : window_->findChildren<QPushButton *>())
    QVERIFY2(textWidth(button, button->text()) <= button->width() - 8,
             qPrintable(button->objectName()));

  // The longest texts the boxes commonly hold; the digits' ink must fit the
  // box's height as well, since the boxes are short for a 12-point font.
  for (const QLineEdit *box : window_->findChildren<QLineEdit *>()) {
    const QFontMetricsF metrics(box->font());
    const QString longest =
        box->isReadOnly() ? QStringLiteral("-1200.00") : QStringLiteral("1234.5");
    QVERIFY2(metrics.horizontalAdvance(longest) <= box->width() - 8, qPrintable(box->objectName()));
    QVERIFY2(metrics.tightBoundingRect(QStringLiteral("0123456789")).height() <= box->height() - 6,
             qPrintable(box->objectName()));
  }
}

void tst_fMovla::textBoxesAreNamedForScreenReaders_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("spoken");
  QTest::addColumn<QString>("description");
  QTest::addColumn<bool>("readOnly");

  QTest::newRow("Cents_Change")
      << "Cents_Change"
      << "Cents Change"
      << "Enter the no. of cents. to adjust the reference frequency by. The adjusted frequencies "
         "will be displayed on the right."
      << false;
  QTest::newRow("Ref_Freq1")
      << "Ref_Freq1"
      << "Reference Frequency, Cents Change section"
      << "Enter the reference frequency to show the cents adjustment for. The adjusted "
         "frequencies will be displayed on the right."
      << false;
  QTest::newRow("New_Frequency")
      << "New_Frequency"
      << "Frequency, Hz Change section"
      << "Enter the adjusted frequency that will be compared to the reference frequency. The "
         "difference between the frequencies will be displayed on the right."
      << false;
  QTest::newRow("Ref_Freq2")
      << "Ref_Freq2"
      << "Reference Frequency, Hz Change section"
      << "Enter the reference frequency to which the adjusted frequency will be compared. The "
         "difference between the frequencies will be displayed on the right."
      << false;
  QTest::newRow("Freq_More") << "Freq_More"
                             << "Frequency above reference"
                             << "" << true;
  QTest::newRow("Freq_Less") << "Freq_Less"
                             << "Frequency below reference"
                             << "" << true;
  QTest::newRow("Cents_New") << "Cents_New"
                             << "Change in cents"
                             << "" << true;
  QTest::newRow("Semitones_New") << "Semitones_New"
                                 << "Change in semitones"
                                 << "" << true;
  QTest::newRow("Octaves_New") << "Octaves_New"
                               << "Change in octaves"
                               << "" << true;
}

void tst_fMovla::textBoxesAreNamedForScreenReaders() {
  QFETCH(QString, name);
  QFETCH(QString, spoken);
  QFETCH(QString, description);
  QFETCH(bool, readOnly);

  QLineEdit *edit = box(qPrintable(name));
  QCOMPARE(edit->toolTip(), description);
  QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(edit);
  QVERIFY(accessible);
  QCOMPARE(accessible->text(QAccessible::Name), spoken);
  QCOMPARE(accessible->text(QAccessible::Description), description);
  QCOMPARE(accessible->role(), QAccessible::EditableText);
  QCOMPARE(bool(accessible->state().readOnly), readOnly);
  QVERIFY(accessible->state().focusable);
}

void tst_fMovla::startsWithDefaultsAndTheirResults_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  const char *const texts[] = {"100",    "440",     "415",   "440",  "466.16",
                               "415.30", "-101.27", "-1.01", "-0.08"};
  static_assert(std::size(texts) == movla::field_count);
  for (std::size_t i = 0; i < movla::field_count; ++i) {
    const char *name = movla::field_name(movla::all_fields[i]).data();
    QTest::newRow(name) << name << texts[i];
  }
}

void tst_fMovla::startsWithDefaultsAndTheirResults() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  QCOMPARE(box(qPrintable(name))->text(), text);
}

void tst_fMovla::startsInCentsChangeWithTextSelected() {
  QCOMPARE(QApplication::focusWidget(), box("Cents_Change"));
  QCOMPARE(box("Cents_Change")->selectedText(), QStringLiteral("100"));
  // So the first key typed replaces it.
  QTest::keyClicks(box("Cents_Change"), QStringLiteral("7"));
  QCOMPARE(box("Cents_Change")->text(), QStringLiteral("7"));
}

void tst_fMovla::tabVisitsControlsInTabIndexOrder() {
  // State: the focus in Cents_Change. Action: Tab once round the window,
  // then Shift+Tab. Expected: every text box and button, each once, in
  // rising tab index from the one Cents_Change has, on from the lowest after
  // the highest; Shift+Tab goes back one.
  std::vector<const movla::ui::Control *> stops;
  for (const movla::ui::Control &row : movla::ui::fMovla::description.controls)
    if (row.kind == movla::ui::Kind::TextBox || row.kind == movla::ui::Kind::Button)
      stops.push_back(&row);
  std::ranges::sort(stops, {}, &movla::ui::Control::tab_index);
  QStringList order;
  for (const movla::ui::Control *stop : stops)
    order << QString::fromUtf8(stop->name);
  const qsizetype first = order.indexOf(QStringLiteral("Cents_Change"));
  order = order.mid(first) + order.mid(0, first + 1);

  QStringList visited{QApplication::focusWidget()->objectName()};
  for (qsizetype i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, order);

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget()->objectName(), order[order.size() - 2]);
}

void tst_fMovla::gainingFocusSelectsWholeText_data() {
  QTest::addColumn<QString>("target");
  QTest::addColumn<QString>("from");
  QTest::addColumn<Move>("move");

  QTest::newRow("Tab into Cents_Change") << "Cents_Change"
                                         << "Freq_More" << Move::Tab;
  QTest::newRow("Tab into Ref_Freq1") << "Ref_Freq1"
                                      << "Cents_Change" << Move::Tab;
  QTest::newRow("Tab into New_Frequency") << "New_Frequency"
                                          << "Freq_Less" << Move::Tab;
  QTest::newRow("Tab into Ref_Freq2") << "Ref_Freq2"
                                      << "New_Frequency" << Move::Tab;
  QTest::newRow("Backtab into Ref_Freq2") << "Ref_Freq2"
                                          << "Cents_New" << Move::Backtab;
  QTest::newRow("Backtab into Cents_Change") << "Cents_Change"
                                             << "Ref_Freq1" << Move::Backtab;
  for (const movla::Field input : movla::input_fields) {
    const QString name = QString::fromUtf8(movla::field_name(input));
    QTest::newRow(qPrintable("click into " + name)) << name << "Freq_More" << Move::Click;
  }
  QTest::newRow("click from input to input") << "Ref_Freq2"
                                             << "New_Frequency" << Move::Click;
}

void tst_fMovla::gainingFocusSelectsWholeText() {
  QFETCH(QString, target);
  QFETCH(QString, from);
  QFETCH(Move, move);

  // State: the target holds a value with the cursor somewhere inside it.
  QLineEdit *edit = box(qPrintable(target));
  edit->setText(QStringLiteral("123.5"));
  edit->setCursorPosition(2);
  box(qPrintable(from))->setFocus(Qt::OtherFocusReason);
  QVERIFY(!edit->hasSelectedText());

  switch (move) {
  case Move::Tab:
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    break;
  case Move::Backtab:
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    break;
  case Move::Click:
    click(edit);
    break;
  }

  QCOMPARE(QApplication::focusWidget(), edit);
  QCOMPARE(edit->selectedText(), QStringLiteral("123.5"));
  QTest::keyClicks(edit, QStringLiteral("9"));
  QCOMPARE(edit->text(), QStringLiteral("9"));
}

void tst_fMovla::typingChangesNothingUntilFocusLeaves() {
  QLineEdit *cents = box("Cents_Change");
  QTest::keyClicks(cents, QStringLiteral("50"));
  QCOMPARE(cents->text(), QStringLiteral("50"));
  QCOMPARE(box("Freq_More")->text(), QStringLiteral("466.16"));

  // Enter is no reason to calculate, and presses no button.
  QTest::keyClick(cents, Qt::Key_Return);
  QTest::keyClick(cents, Qt::Key_Escape);
  QCOMPARE(box("Freq_More")->text(), QStringLiteral("466.16"));
  QCOMPARE(box("Freq_Less")->text(), QStringLiteral("415.30"));
  QVERIFY(!QApplication::activeModalWidget());

  QTest::keyClick(cents, Qt::Key_Tab);
  QCOMPARE(box("Freq_More")->text(), QStringLiteral("452.89"));
  QCOMPARE(box("Freq_Less")->text(), QStringLiteral("427.47"));
  QCOMPARE(QApplication::focusWidget(), box("Ref_Freq1"));
  QCOMPARE(box("Ref_Freq1")->selectedText(), QStringLiteral("440"));
}

void tst_fMovla::leavingBadInputResetsItBeforeNextIsSelected_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("to");
  QTest::addColumn<QString>("toHolds");
  QTest::addColumn<Move>("move");
  QTest::addColumn<QString>("fromAfter");
  QTest::addColumn<QString>("toAfter");
  QTest::addColumn<QString>("result");
  QTest::addColumn<QString>("resultAfter");

  QTest::newRow("bad cents, Tab") << "Cents_Change"
                                  << "abc"
                                  << "Ref_Freq1"
                                  << "440" << Move::Tab << "100"
                                  << "440"
                                  << "Freq_More"
                                  << "Error";
  QTest::newRow("bad cents, click") << "Cents_Change"
                                    << "abc"
                                    << "Ref_Freq1"
                                    << "440" << Move::Click << "100"
                                    << "440"
                                    << "Freq_Less"
                                    << "Error";
  QTest::newRow("bad cents, click on result") << "Cents_Change"
                                              << "1,5"
                                              << "Freq_More"
                                              << "466.16" << Move::Click << "100"
                                              << "Error"
                                              << "Freq_Less"
                                              << "Error";
  QTest::newRow("bad reference, Backtab") << "Ref_Freq2"
                                          << "x"
                                          << "New_Frequency"
                                          << "415" << Move::Backtab << "440"
                                          << "415"
                                          << "Cents_New"
                                          << "Error";
  QTest::newRow("bad reference, click") << "Ref_Freq2"
                                        << ""
                                        << "Cents_Change"
                                        << "100" << Move::Click << "440"
                                        << "100"
                                        << "Octaves_New"
                                        << "Error";
  // The pass resets the box being entered; the selection covers the new text.
  QTest::newRow("zero reference reset on the way in, Tab") << "New_Frequency"
                                                           << "880"
                                                           << "Ref_Freq2"
                                                           << "0" << Move::Tab << "880"
                                                           << "440"
                                                           << "Cents_New"
                                                           << "1200.00";
  QTest::newRow("zero reference reset on the way in, click") << "New_Frequency"
                                                             << "220"
                                                             << "Ref_Freq2"
                                                             << "0" << Move::Click << "220"
                                                             << "440"
                                                             << "Semitones_New"
                                                             << "-12.00";
}

void tst_fMovla::leavingBadInputResetsItBeforeNextIsSelected() {
  QFETCH(QString, from);
  QFETCH(QString, typed);
  QFETCH(QString, to);
  QFETCH(QString, toHolds);
  QFETCH(Move, move);
  QFETCH(QString, fromAfter);
  QFETCH(QString, toAfter);
  QFETCH(QString, result);
  QFETCH(QString, resultAfter);

  QLineEdit *source = box(qPrintable(from));
  QLineEdit *target = box(qPrintable(to));
  target->setText(toHolds);
  source->setFocus(Qt::MouseFocusReason);
  QCOMPARE(source->selectedText(), source->text());
  if (typed.isEmpty())
    QTest::keyClick(source, Qt::Key_Delete);
  else
    QTest::keyClicks(source, typed);
  QCOMPARE(source->text(), typed);

  switch (move) {
  case Move::Tab:
    QTest::keyClick(source, Qt::Key_Tab);
    break;
  case Move::Backtab:
    QTest::keyClick(source, Qt::Key_Backtab, Qt::ShiftModifier);
    break;
  case Move::Click:
    click(target);
    break;
  }

  QCOMPARE(QApplication::focusWidget(), target);
  QCOMPARE(source->text(), fromAfter);
  QCOMPARE(target->text(), toAfter);
  if (!target->isReadOnly())
    QCOMPARE(target->selectedText(), toAfter);
  QCOMPARE(box(qPrintable(result))->text(), resultAfter);
}

void tst_fMovla::boxLeftKeepsItsSelectionOutOfSight_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<Move>("move");
  QTest::addColumn<QString>("written"); // null: nothing written while away

  QTest::newRow("input, Tab") << "Ref_Freq1" << Move::Tab << QString();
  QTest::newRow("input, Backtab") << "New_Frequency" << Move::Backtab << QString();
  QTest::newRow("result, click") << "Cents_New" << Move::Click << QString();
  QTest::newRow("result written while away") << "Freq_Less" << Move::Tab << "1234.56";
  QTest::newRow("input reset while away") << "Ref_Freq2" << Move::Backtab << "440";
}

void tst_fMovla::boxLeftKeepsItsSelectionOutOfSight() {
  QFETCH(QString, name);
  QFETCH(Move, move);
  QFETCH(QString, written);

  // State: the box entered by Tab, its whole text selected. Action: the
  // focus moves on (and the text is replaced). Expected: the box looks as
  // one never selected, and a screen reader still finds the whole text
  // selected, as it last read it: it has nothing to say of the box left.
  QLineEdit *edit = box(qPrintable(name));
  if (!written.isNull())
    edit->setText(written);
  const QImage unselected = edit->grab().toImage();
  if (!written.isNull())
    edit->setText(QStringLiteral("1"));
  edit->setFocus(Qt::TabFocusReason);
  QCOMPARE(edit->selectedText(), edit->text());

  switch (move) {
  case Move::Tab:
    QTest::keyClick(edit, Qt::Key_Tab);
    break;
  case Move::Backtab:
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    break;
  case Move::Click:
    click(box("Cents_Change"));
    break;
  }
  if (!written.isNull())
    edit->setText(written);

  QVERIFY(!edit->hasFocus());
  QCOMPARE(edit->grab().toImage(), unselected);
  QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(edit)->textInterface();
  QCOMPARE(text->selectionCount(), 1);
  int start = -1;
  int end = -1;
  text->selection(0, &start, &end);
  QCOMPARE(text->text(start, end), edit->text());
}

void tst_fMovla::clickIntoBoxKeepsItsSelectionUnlessDragged_data() {
  QTest::addColumn<bool>("drag");
  QTest::newRow("click") << false;
  QTest::newRow("drag from the end") << true;
}

void tst_fMovla::clickIntoBoxKeepsItsSelectionUnlessDragged() {
  QFETCH(bool, drag);

  // State: the focus in another box. Action: a press into Ref_Freq2, a move
  // (by more than the drag distance if dragging), a release. Expected: the
  // whole text stays selected all along, as the box was entered; a drag
  // selects from where it started.
  QLineEdit *edit = box("Ref_Freq2");
  const QPoint end(edit->width() - 4, edit->height() / 2);
  const QPoint start(4, edit->height() / 2);
  QTest::mousePress(edit, Qt::LeftButton, {}, end);
  QCOMPARE(QApplication::focusWidget(), edit);
  QCOMPARE(edit->selectedText(), QStringLiteral("440"));
  QTest::mouseMove(edit, drag ? start : end - QPoint(1, 0));
  QTest::mouseRelease(edit, Qt::LeftButton, {}, drag ? start : end - QPoint(1, 0));
  QCOMPARE(edit->selectedText(), QStringLiteral("440"));
  QCOMPARE(edit->cursorPosition(), drag ? 0 : 3);
}

void tst_fMovla::switchingApplicationRunsNoPass() {
  // State: 50 typed into Cents_Change. Action: another application's window
  // takes the focus, then the user comes back. Expected: no pass ran, and
  // the text is as the user left it.
  QLineEdit *cents = box("Cents_Change");
  QTest::keyClicks(cents, QStringLiteral("50"));
  cents->setCursorPosition(1);

  QWidget elsewhere;
  elsewhere.setGeometry(0, 0, 100, 100);
  showAndActivate(&elsewhere);
  QVERIFY(!cents->hasFocus());
  QCOMPARE(box("Freq_More")->text(), QStringLiteral("466.16"));

  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  QCOMPARE(QApplication::focusWidget(), cents);
  QCOMPARE(box("Freq_More")->text(), QStringLiteral("466.16"));
  QCOMPARE(cents->text(), QStringLiteral("50"));
  QVERIFY(!cents->hasSelectedText());

  QTest::keyClick(cents, Qt::Key_Tab);
  QCOMPARE(box("Freq_More")->text(), QStringLiteral("452.89"));
}

void tst_fMovla::commaLocaleReadsAndWritesCommas() {
  window_ = movla::qt::openCalculator(QLocale(QLocale::German, QLocale::Germany));
  showAndActivate(window_.get());
  QCOMPARE(fieldTexts(), QStringList({"100", "440", "415", "440", "466,16", "415,30", "-101,27",
                                      "-1,01", "-0,08"}));

  click(box("Ref_Freq1"));
  QTest::keyClicks(box("Ref_Freq1"), QStringLiteral("440,5"));
  QTest::keyClick(box("Ref_Freq1"), Qt::Key_Tab);
  QCOMPARE(box("Freq_More")->text(), QStringLiteral("466,69"));
  QCOMPARE(box("Freq_Less")->text(), QStringLiteral("415,78"));

  // A point is not this locale's separator.
  click(box("Cents_Change"));
  QTest::keyClicks(box("Cents_Change"), QStringLiteral("1.5"));
  click(box("Ref_Freq2"));
  QCOMPARE(box("Cents_Change")->text(), QStringLiteral("100"));
  QCOMPARE(box("Freq_More")->text(), QStringLiteral("Error"));
}

void tst_fMovla::accessKeyRunsPassBeforeButtonActs_data() {
  QTest::addColumn<QChar>("key");
  QTest::addColumn<QString>("buttonName");
  QTest::addColumn<QString>("opens");
  QTest::newRow("Alt+X") << QChar(u'x') << "bExit"
                         << "QMessageBox";
  QTest::newRow("Alt+A") << QChar(u'a') << "bAbout"
                         << "fAbout";
}

void tst_fMovla::accessKeyRunsPassBeforeButtonActs() {
  QFETCH(QChar, key);
  QFETCH(QString, buttonName);
  QFETCH(QString, opens);

  // State: 50 typed into Cents_Change, not yet calculated.
  QLineEdit *cents = box("Cents_Change");
  QTest::keyClicks(cents, QStringLiteral("50"));

  QString opened;
  QString resultWhenOpened;
  QWidget *focusWhenOpened = nullptr;
  whenModalOpens([&](QWidget *modal) {
    opened = modal->inherits("QMessageBox") ? QStringLiteral("QMessageBox") : modal->objectName();
    resultWhenOpened = box("Freq_More")->text();
    focusWhenOpened = window_->focusWidget();
  });
  QTest::keyClick(cents, Qt::Key(QChar(key).toUpper().unicode()), Qt::AltModifier);
  QTRY_COMPARE(opened, opens);

  // The pass had run by the time the button acted.
  QCOMPARE(resultWhenOpened, QStringLiteral("452.89"));
  QCOMPARE(focusWhenOpened, button(qPrintable(buttonName)));
  QCOMPARE(cents->text(), QStringLiteral("50"));
}

void tst_fMovla::exitAnsweredNoChangesNothing_data() {
  QTest::addColumn<QString>("answer");
  QTest::newRow("Cancel") << "cancel";
  QTest::newRow("Escape") << "escape";
  QTest::newRow("closed") << "close";
}

void tst_fMovla::exitAnsweredNoChangesNothing() {
  QFETCH(QString, answer);

  // State: 50 typed into Cents_Change; clicking Exit takes the focus and runs a pass.
  QTest::keyClicks(box("Cents_Change"), QStringLiteral("50"));
  QStringList before = fieldTexts();
  before[4] = QStringLiteral("452.89");
  before[5] = QStringLiteral("427.47");

  bool asked = false;
  whenModalOpens([&](QWidget *modal) {
    auto *box = qobject_cast<QMessageBox *>(modal);
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), QStringLiteral("Quit"));
    QCOMPARE(box->text(), QStringLiteral("Leave System?"));
    QCOMPARE(box->icon(), QMessageBox::Question);
    QCOMPARE(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box->defaultButton(), box->button(QMessageBox::Ok));
    QVERIFY(box->isModal());
    asked = true;
    if (answer == u"cancel")
      box->button(QMessageBox::Cancel)->click();
    else if (answer == u"escape")
      QTest::keyClick(box, Qt::Key_Escape);
    else
      box->close();
  });
  click(button("bExit"));

  QVERIFY(asked);
  QCOMPARE(fieldTexts(), before);
  QVERIFY(window_->isVisible());
  QVERIFY(!QApplication::activeModalWidget());
}

void tst_fMovla::aboutTwiceShowsDisclaimerOnceAndChangesNothing() {
  const QStringList before = fieldTexts();
  for (int opening = 1; opening <= 2; ++opening) {
    QPointer<QWidget> about;
    QString disclaimer;
    bool escapeKeptItOpen = false;
    whenModalOpens([&](QWidget *modal) {
      about = modal;
      QCOMPARE(modal->objectName(), QStringLiteral("fAbout"));
      QCOMPARE(modal->parentWidget(), window_.get());
      disclaimer = modal->findChild<QLabel *>(QStringLiteral("lbl_Disclaimer"))->text();
      QTest::keyClick(modal, Qt::Key_Escape);
      escapeKeptItOpen = modal->isVisible();
      // While About is open the calculator takes no input.
      QVERIFY(QApplication::activeModalWidget() == modal);
      click(modal->findChild<QPushButton *>(QStringLiteral("bDone")));
    });
    click(button("bAbout"));

    QVERIFY2(escapeKeptItOpen, "Escape closed About");
    QCOMPARE(disclaimer, QStringLiteral("This software is supplied 'as is'. Neither Dorvanek nor "
                                        "Hallumbre give or imply any guarantee of the suitability "
                                        "or applicability of the software for any task."));
    // Discarded on Done, with everything in it.
    QVERIFY(about.isNull());
    QVERIFY(window_->findChildren<QDialog *>().isEmpty());
    QCOMPARE(fieldTexts(), before);
  }
}

// Ends the event loop with 1 if the program is still running after a while.
struct Watchdog {
  QTimer timer;
  Watchdog() {
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    timer.start(5000);
  }
};

void tst_fMovla::closingWindowEndsProgramWithoutAsking() {
  // State: the calculator running in the application's event loop. Action:
  // its title bar's close button. Expected: the loop ends at once; a
  // question would hold it until the watchdog ends it with 1.
  const Watchdog watchdog;
  QTimer::singleShot(0, window_.get(), &QWidget::close);
  QCOMPARE(QCoreApplication::exec(), 0);
  QVERIFY(!window_->isVisible());
}

void tst_fMovla::exitConfirmedEndsProgram() {
  // State: the calculator running in the application's event loop. Action:
  // Exit, then Enter in the question box (OK is its default). Expected: every
  // window closes and the event loop ends.
  const Watchdog watchdog;
  bool answered = false;
  whenModalOpens([&](QWidget *modal) {
    answered = true;
    QTest::keyClick(modal, Qt::Key_Return);
  });
  QTimer::singleShot(0, button("bExit"), &QPushButton::click);
  QCOMPARE(QCoreApplication::exec(), 0);
  QVERIFY(answered);
  for (const QWidget *widget : QApplication::topLevelWidgets())
    QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

QTEST_MAIN(tst_fMovla)
#include "tst_fmovla.moc"

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// Input as people give it: a number pasted or dropped into an input keeps its
// value whatever line breaks come with it, and a reset can be undone.

#include "controls.h"
#include "open_window.h"

#include <movla/calculator.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <memory>

namespace {

enum class Route { CtrlV, ShiftInsert, ContextMenu, MiddleClick, Drop };

// Written with points; a comma locale's results read with commas.
QStringList inLocale(QStringList texts, const QString &locale) {
  return texts.replaceInStrings(QStringLiteral("."), QLocale(locale).decimalPoint());
}

} // namespace

Q_DECLARE_METATYPE(Route)

class tst_InputEditing : public QObject {
  Q_OBJECT

private slots:
  void pastedNumberKeepsItsValue_data();
  void pastedNumberKeepsItsValue();
  void pasteIsOneUndoStep();
  void resetCanBeUndone_data();
  void resetCanBeUndone();
  void otherKeyboardsDigitsReadAsTheirNumber_data();
  void otherKeyboardsDigitsReadAsTheirNumber();

private:
  QLineEdit *open(const QString &locale, const QString &input) {
    window_ = movla::qt::openCalculator(QLocale(locale));
    window_->show();
    [&] { QVERIFY(QTest::qWaitForWindowActive(window_.get())); }();
    return box(input.toStdString());
  }
  QLineEdit *box(std::string_view name) const {
    return movla::qt::control<QLineEdit>(window_.get(), name);
  }
  QStringList shownResults() const {
    QStringList texts;
    for (const movla::Field field : movla::result_fields)
      texts << box(movla::field_name(field))->text();
    return texts;
  }
  // Opens the box's context menu, as the Menu key does, and picks an entry
  // by its access key.
  static void choose(QLineEdit *edit, Qt::Key accessKey) {
    const QPoint at(4, 4);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, edit->mapToGlobal(at));
    QApplication::sendEvent(edit, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QTest::keyClick(menu, accessKey);
  }

  std::unique_ptr<QWidget> window_;
};

void tst_InputEditing::pastedNumberKeepsItsValue_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<Route>("route");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QStringList>("results");

  const std::pair<Route, const char *> routes[] = {{Route::CtrlV, "Ctrl+V"},
                                                   {Route::ShiftInsert, "Shift+Insert"},
                                                   {Route::ContextMenu, "menu Paste"},
                                                   {Route::MiddleClick, "middle-click"},
                                                   {Route::Drop, "drop"}};
  // From a spreadsheet cell, a Windows program, a web page, two cells, and a
  // page with a blank line above the number.
  const char *const pastes[] = {"432\n", "432\r\n", "\n432\n", "432\n433", "\r\n \r\n432\r\n"};
  const std::pair<const char *, QStringList> inputs[] = {
      {"Cents_Change", {"564.71", "342.83", "-101.27", "-1.01", "-0.08"}},
      {"Ref_Freq1", {"457.69", "407.75", "-101.27", "-1.01", "-0.08"}},
      {"New_Frequency", {"466.16", "415.30", "-31.77", "-0.32", "-0.03"}},
      {"Ref_Freq2", {"466.16", "415.30", "-69.50", "-0.70", "-0.06"}}};
  for (const char *locale : {"C", "de_DE"})
    for (const auto &[route, how] : routes)
      for (const char *pasted : pastes)
        for (const auto &[input, results] : inputs)
          QTest::addRow("%s %s '%s' into %s", locale, how,
                        qPrintable(QString::fromLatin1(pasted)
                                       .replace(u'\n', QLatin1String("\\n"))
                                       .replace(u'\r', QLatin1String("\\r"))),
                        input)
              << locale << route << pasted << input << inLocale(results, locale);
}

void tst_InputEditing::pastedNumberKeepsItsValue() {
  QFETCH(QString, locale);
  QFETCH(Route, route);
  QFETCH(QString, pasted);
  QFETCH(QString, input);
  QFETCH(QStringList, results);
  QClipboard *clipboard = QGuiApplication::clipboard();
  if (route == Route::MiddleClick && !clipboard->supportsSelection())
    QSKIP("this platform has no X selection");

  // State: the focus in a result box. Action: enter the input by Tab (by the
  // click itself for middle-click), paste or drop, then Tab on.
  QLineEdit *edit = open(locale, input);
  box("Freq_More")->setFocus(Qt::TabFocusReason);
  if (route == Route::MiddleClick) {
    clipboard->setText(pasted, QClipboard::Selection);
    QTest::mouseClick(edit, Qt::MiddleButton, {}, QPoint(4, edit->height() / 2));
  } else {
    clipboard->setText(pasted);
    edit->setFocus(Qt::TabFocusReason);
    if (route == Route::CtrlV)
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    else if (route == Route::ShiftInsert)
      QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    else if (route == Route::ContextMenu)
      choose(edit, Qt::Key_P);
  }
  if (route == Route::Drop) { // a drop goes in beside the text: into an emptied box
    QTest::keyClick(edit, Qt::Key_Delete);
    QMimeData data;
    data.setText(pasted);
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &enter);
    QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &drop);
    QVERIFY(drop.isAccepted());
  }
  QCOMPARE(edit->text(), QStringLiteral("432"));
  QTest::keyClick(edit, Qt::Key_Tab);
  QCOMPARE(edit->text(), QStringLiteral("432"));
  QCOMPARE(shownResults(), results);
}

void tst_InputEditing::pasteIsOneUndoStep() {
  // State: Cents_Change entered, 100 selected. Action: type 4, paste "32\n",
  // type 1, then undo step by step.
  QLineEdit *edit = open(QStringLiteral("C"), QStringLiteral("Cents_Change"));
  QGuiApplication::clipboard()->setText(QStringLiteral("32\n"));
  QTest::keyClick(edit, Qt::Key_4);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_1);
  QCOMPARE(edit->text(), QStringLiteral("4321"));
  for (const char *expected : {"432", "4", "100"}) {
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString::fromLatin1(expected));
  }
}

void tst_InputEditing::resetCanBeUndone_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<bool>("byMenu");
  for (const char *locale : {"C", "de_DE"}) {
    QTest::addRow("%s, keys", locale) << locale << false;
    QTest::addRow("%s, context menu", locale) << locale << true;
  }
}

void tst_InputEditing::resetCanBeUndone() {
  QFETCH(QString, locale);
  QFETCH(bool, byMenu);
  QLineEdit *edit = open(locale, QStringLiteral("Ref_Freq1"));
  const QString typed =
      QLatin1String("4400") + QLocale(locale).decimalPoint() + QLatin1String("5x");
  const auto undo = [&] {
    byMenu ? choose(edit, Qt::Key_U) : QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  };
  const auto redo = [&] {
    byMenu ? choose(edit, Qt::Key_R)
           : QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  };
  QVERIFY(!edit->isUndoAvailable()); // the defaults set at load are no undo step

  // A slip, then Tab: the box is reset and the results read "Error".
  edit->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(edit, typed);
  QTest::keyClick(edit, Qt::Key_Tab);
  QCOMPARE(edit->text(), QStringLiteral("440"));
  QCOMPARE(shownResults().mid(0, 2), QStringList({"Error", "Error"}));

  // Back in the box, undo brings the slip back, selected; redo resets it.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  undo();
  QCOMPARE(edit->text(), typed);
  QCOMPARE(edit->selectedText(), typed);
  redo();
  QCOMPARE(edit->text(), QStringLiteral("440"));
  undo();
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Tab);
  QCOMPARE(shownResults().mid(0, 2), inLocale({"4662.17", "4153.52"}, locale));
  QVERIFY(!box("Freq_More")->isUndoAvailable());
}

void tst_InputEditing::otherKeyboardsDigitsReadAsTheirNumber_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("typed");
  // -432.5 Hz in Arabic-Indic, Persian, Devanagari and fullwidth digits, the
  // minus sign U+2212 and the fullwidth separator.
  QTest::newRow("C") << "C" << u"\u2212\u0664\u06F3\u0968\uFF0E\uFF15"_qs;
  QTest::newRow("de_DE") << "de_DE" << u"\u2212\u0664\u06F3\u0968\uFF0C\uFF15"_qs;
  QTest::newRow("fr_FR") << "fr_FR" << u"\u2212\u0664\u06F3\u0968,\uFF15"_qs;
}

void tst_InputEditing::otherKeyboardsDigitsReadAsTheirNumber() {
  QFETCH(QString, locale);
  QFETCH(QString, typed);
  QLineEdit *edit = open(locale, QStringLiteral("Ref_Freq1"));
  edit->setFocus(Qt::TabFocusReason);
  // Each character as a keyboard layout sends it: a key Qt has no code for.
  for (const QChar c : typed)
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  QTest::keyClick(edit, Qt::Key_Tab);
  QCOMPARE(edit->text(), typed);
  QCOMPARE(shownResults(), inLocale({"-458.22", "-408.23", "-101.27", "-1.01", "-0.08"}, locale));
}

QTEST_MAIN(tst_InputEditing)
#include "tst_input_editing.moc"

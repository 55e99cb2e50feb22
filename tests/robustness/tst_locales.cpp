// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The calculator under the user's locale: started once per locale by ctest
// (LANG=C, en_US, de_DE, fr_FR), it must come up with its results in the
// locale's decimal form and read numbers typed that way.
// MOVLA_EXPECTED_SEPARATOR names the separator the locale uses.

#include "driver.h"

#include "application.h"
#include "open_window.h"

#include <QTest>

#include <clocale>

using movla::Field;

class Locales : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void startsWithTheDefaultsWorkedOut();
  void readsWhatTheUserTypes_data();
  void readsWhatTheUserTypes();

private:
  // "466.16" in the locale's form.
  QString local(const char *number) const { return QString(number).replace('.', sep_); }

  QString sep_;
};

void Locales::initTestCase() {
  const QByteArray lang = qgetenv("LANG");
  // QApplication has already applied LANG; a locale that is not generated
  // falls back to "C" silently, which would test nothing.
  const char *applied = std::setlocale(LC_NUMERIC, nullptr);
  if (lang != "C")
    QVERIFY2(applied && QByteArray(applied) == lang,
             qPrintable("locale " + lang + " is not generated (scripts/deps.sh makes it)"));
  sep_ = qEnvironmentVariable("MOVLA_EXPECTED_SEPARATOR");
  QVERIFY(!sep_.isEmpty());
  QCOMPARE(QString::fromStdString(movla::test::decimalSeparator()), sep_);
  movla::qt::setApplicationInfo();
}

// State: a new calculator window.
// Expected: the defaults and their results, written with the locale's separator.
void Locales::startsWithTheDefaultsWorkedOut() {
  const auto calculator = movla::qt::openCalculator();
  QWidget &window = *calculator;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const std::pair<Field, const char *> expected[] = {
      {Field::Cents_Change, "100"},  {Field::Ref_Freq1, "440"},       {Field::New_Frequency, "415"},
      {Field::Ref_Freq2, "440"},     {Field::Freq_More, "466.16"},    {Field::Freq_Less, "415.30"},
      {Field::Cents_New, "-101.27"}, {Field::Semitones_New, "-1.01"}, {Field::Octaves_New, "-0.08"},
  };
  for (const auto &[field, text] : expected)
    QCOMPARE(movla::test::box(&window, field)->text(), local(text));
}

void Locales::readsWhatTheUserTypes_data() {
  QTest::addColumn<QString>("cents");
  QTest::addColumn<QString>("reference");
  QTest::addColumn<QString>("more");
  QTest::addColumn<QString>("less");
  QTest::newRow("whole cents") << "50"
                               << "440"
                               << "452.89"
                               << "427.47";
  QTest::newRow("decimal reference") << "100"
                                     << "440.5"
                                     << "466.69"
                                     << "415.78";
  QTest::newRow("negative cents") << "-50"
                                  << "440"
                                  << "427.47"
                                  << "452.89";
  QTest::newRow("not a number") << "100"
                                << "abc"
                                << "Error"
                                << "Error";
  // '#' stands for the other separator, which this locale does not read.
  QTest::newRow("the other separator") << "100"
                                       << "440#5"
                                       << "Error"
                                       << "Error";
}

// State: a new calculator window, active.
// Action: type the cents and the reference (with the locale's separator),
//         then move on with Tab.
// Expected: section A's results in the locale's form.
void Locales::readsWhatTheUserTypes() {
  QFETCH(QString, cents);
  QFETCH(QString, reference);
  QFETCH(QString, more);
  QFETCH(QString, less);
  const auto calculator = movla::qt::openCalculator();
  QWidget &window = *calculator;
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QLineEdit *centsBox = movla::test::box(&window, Field::Cents_Change);
  QLineEdit *referenceBox = movla::test::box(&window, Field::Ref_Freq1);

  QTest::mouseClick(centsBox, Qt::LeftButton);
  centsBox->selectAll();
  QTest::keyClicks(centsBox, cents.replace('.', sep_));
  QTest::mouseClick(referenceBox, Qt::LeftButton);
  referenceBox->selectAll();
  const QString other = sep_ == "." ? QStringLiteral(",") : QStringLiteral(".");
  QTest::keyClicks(referenceBox, reference.replace('.', sep_).replace('#', other));
  QTest::mouseClick(movla::test::box(&window, Field::New_Frequency), Qt::LeftButton);

  QCOMPARE(movla::test::box(&window, Field::Freq_More)->text(), local(qPrintable(more)));
  QCOMPARE(movla::test::box(&window, Field::Freq_Less)->text(), local(qPrintable(less)));
}

QTEST_MAIN(Locales)
#include "tst_locales.moc"

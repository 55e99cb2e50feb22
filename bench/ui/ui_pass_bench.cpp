// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// What the user waits for after leaving an input: the focus moves, the
// calculation pass runs and the five results are rewritten. Measured on the
// real calculator window, offscreen unless QT_QPA_PLATFORM says otherwise.
//   ui_pass_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "application.h"
#include "controls.h"
#include "open_window.h"

#include <movla/calculator.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <random>
#include <utility>

namespace {

QWidget *window = nullptr;

QLineEdit *box(movla::Field field) {
  return movla::qt::control<QLineEdit>(window, movla::field_name(field));
}

// One iteration is one focus change between Cents_Change and Ref_Freq1, as a
// user alternating between two inputs: the box left runs a pass, the box
// entered selects its text. With `paint`, the repaint of the changed boxes
// is included.
void focusChanges(benchmark::State &state, bool paint) {
  QLineEdit *from = box(movla::Field::Cents_Change);
  QLineEdit *to = box(movla::Field::Ref_Freq1);
  QLineEdit *cents = from;
  from->setFocus(Qt::TabFocusReason);
  bool odd = false;
  for (auto _ : state) {
    // A new value every other time, so that passes write new results.
    cents->setText(odd ? QStringLiteral("50") : QStringLiteral("100"));
    to->setFocus(Qt::TabFocusReason);
    std::swap(from, to);
    odd = !odd;
    if (paint)
      QCoreApplication::processEvents();
  }
}

void BM_FocusChange(benchmark::State &state) {
  focusChanges(state, false);
}
void BM_FocusChangeAndRepaint(benchmark::State &state) {
  focusChanges(state, true);
}

// Four inputs of 32,767 characters, the most a box holds, each its default
// with a long run of random decimals, so that every read of every input goes
// through the whole text and none is reset.
void BM_PassOverLongInputs(benchmark::State &state) {
  std::mt19937 rng(1);
  const QString sep = QLocale::system().decimalPoint();
  auto whole = [](movla::InputField input) {
    return QString::fromStdString(movla::default_text(input));
  };
  for (const movla::InputField input : movla::input_fields) {
    QString text = whole(input) + sep;
    while (text.size() < 32767)
      text += QChar(u'0' + static_cast<char16_t>(rng() % 10));
    box(input)->setText(text);
  }
  QLineEdit *from = box(movla::Field::Cents_Change);
  QLineEdit *to = box(movla::Field::Ref_Freq1);
  from->setFocus(Qt::TabFocusReason);
  for (auto _ : state) {
    to->setFocus(Qt::TabFocusReason);
    std::swap(from, to);
  }
  for (const movla::InputField input : movla::input_fields) {
    if (box(input)->text().size() != 32767)
      state.SkipWithError("a long input was reset");
    box(input)->setText(whole(input));
  }
}

} // namespace

BENCHMARK(BM_FocusChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FocusChangeAndRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PassOverLongInputs)->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  movla::qt::setApplicationInfo();
  const auto opened = movla::qt::openCalculator();
  QWidget &calculator = *opened;
  window = &calculator;
  calculator.show();
  if (!QTest::qWaitForWindowActive(&calculator))
    return 1;

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

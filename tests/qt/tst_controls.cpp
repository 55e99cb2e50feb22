// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// A control missing from a window's table, renamed or of another kind, stops
// the program as the window looks it up, naming the control, in every build
// type. Each row runs in a child process (this binary again, with
// MOVLA_LOOKUP_CASE naming the row) that builds a small table and looks its
// controls up the way the windows do.

#include "controls.h"

#include <movla/calculator.h>

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <sys/resource.h>

#include <vector>

using namespace movla::ui;
using movla::qt::buildControls;
using movla::qt::control;

namespace {

enum class Lookup { None, Fields, bDone };

struct Case {
  const char *what;
  std::vector<Control> table;
  Lookup lookup;
  const char *named; // the control the message must name; nullptr: none is missing
};

Control row(const char *name, Kind kind) {
  Control control{};
  control.name = name;
  control.kind = kind;
  control.text = "";
  control.font = {"Arial", 10};
  return control;
}

Control picture(const char *file) {
  Control control = row("Picture1", Kind::Picture);
  control.text = file;
  return control;
}

// A text box for each calculator field; `changed` gets `name` and `kind`.
std::vector<Control> fieldBoxes(movla::Field changed, const char *name, Kind kind) {
  std::vector<Control> table;
  for (std::size_t i = 0; i < movla::field_count; ++i) {
    const auto field = static_cast<movla::Field>(i);
    table.push_back(field == changed ? row(name, kind)
                                     : row(movla::field_name(field).data(), Kind::TextBox));
  }
  return table;
}

const std::vector<Case> &cases() {
  using movla::Field;
  static const std::vector<Case> all{
      {"every field has its box", fieldBoxes(Field::Cents_Change, "Cents_Change", Kind::TextBox),
       Lookup::Fields, nullptr},
      {"a box renamed", fieldBoxes(Field::Ref_Freq2, "Ref_Freq_2", Kind::TextBox), Lookup::Fields,
       "QLineEdit named \"Ref_Freq2\""},
      {"a box made a label", fieldBoxes(Field::Octaves_New, "Octaves_New", Kind::Label),
       Lookup::Fields, "QLineEdit named \"Octaves_New\""},
      {"the button present", {row("bDone", Kind::Button)}, Lookup::bDone, nullptr},
      {"a button renamed",
       {row("bDon", Kind::Button)},
       Lookup::bDone,
       "QPushButton named \"bDone\""},
      {"a picture built in", {picture("about-left.jpg")}, Lookup::None, nullptr},
      {"a picture not built in",
       {picture("about-left.png")},
       Lookup::None,
       "picture \"about-left.png\""},
  };
  return all;
}

// In the child: build the table and look its controls up.
int runCase(std::size_t index) {
  // The abort that ends a failing lookup is expected: no core file.
  const rlimit noCore{0, 0};
  setrlimit(RLIMIT_CORE, &noCore);
  const Case &c = cases().at(index);
  QWidget window;
  window.setObjectName(QStringLiteral("fTest"));
  buildControls(c.table, &window);
  switch (c.lookup) {
  case Lookup::None:
    break;
  case Lookup::Fields: // as the pass reaches them
    for (const movla::Field field : movla::all_fields)
      control<QLineEdit>(&window, movla::field_name(field));
    break;
  case Lookup::bDone:
    control<QPushButton>(&window, "bDone");
    break;
  }
  return 0;
}

} // namespace

class tst_Controls : public QObject {
  Q_OBJECT

private slots:
  void lookupStopsAtAMissingControlNamingIt_data();
  void lookupStopsAtAMissingControlNamingIt();
};

void tst_Controls::lookupStopsAtAMissingControlNamingIt_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("named");
  for (std::size_t i = 0; i < cases().size(); ++i)
    QTest::newRow(cases()[i].what)
        << static_cast<int>(i) << QString::fromUtf8(cases()[i].named ? cases()[i].named : "");
}

void tst_Controls::lookupStopsAtAMissingControlNamingIt() {
  QFETCH(int, index);
  QFETCH(QString, named);

  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("MOVLA_LOOKUP_CASE"), QString::number(index));
  child.setProcessEnvironment(environment);
  child.start(QCoreApplication::applicationFilePath(), {});
  QVERIFY(child.waitForFinished(60000));
  const QString errors = QString::fromUtf8(child.readAllStandardError());

  if (named.isEmpty()) {
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QVERIFY2(!errors.contains(QStringLiteral("has no")), qPrintable(errors));
  } else {
    // qFatal aborts: stopped by a signal, not an exit.
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QVERIFY2(errors.contains(QStringLiteral("fTest has no ") + named), qPrintable(errors));
  }
}

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  if (qEnvironmentVariableIsSet("MOVLA_LOOKUP_CASE"))
    return runCase(static_cast<std::size_t>(qEnvironmentVariableIntValue("MOVLA_LOOKUP_CASE")));
  tst_Controls test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_controls.moc"

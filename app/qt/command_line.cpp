// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "command_line.h"

#include <movla/version.h>

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace movla::qt {

namespace {

constexpr int usage_error = 2;

/// The options QGuiApplication, QApplication and the X11 platform plugin take
/// from argv (Qt 6.4), with a value and without. Qt accepts them after one
/// dash or two, as the parser does in long-option mode.
constexpr const char *qt_options_with_value =
    "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle "
    "session style stylesheet qmljsdebugger display name visual geometry icon title";
constexpr const char *qt_flags = "reverse widgetcount testability nograb dograb";

/// The parser names an unknown option without its dashes; the message names
/// it as the user typed it.
QString asTyped(const QStringList &arguments, const QString &name) {
  for (const QString &argument : arguments) {
    const QString typed = argument.section(u'=', 0, 0);
    if (typed == u'-' + name || typed == QStringLiteral("--") + name)
      return typed;
  }
  return name;
}

/// Answers on standard output. A text that could not be written (a full
/// disk, a closed output) is a failure, reported as GNU tools do.
int answer(const QString &text) {
  errno = 0;
  if (std::fputs(text.toLocal8Bit().constData(), stdout) >= 0 && std::fflush(stdout) == 0)
    return 0;
  const int error = errno;
  std::fprintf(stderr, "movla: write error%s%s\n", error ? ": " : "",
               error ? std::strerror(error) : "");
  return 1;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[]) {
  QCommandLineParser parser;
  // Qt's options are single words after one dash; so are -h and -v.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QStringLiteral("Movla converts between cents and hertz for musical tuning."));
  // Not addHelpOption(): its --help-all lists Qt's options only once a
  // QGuiApplication exists, which needs a display.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help and exits."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Displays the version and exits."));
  parser.addOption(help);
  parser.addOption(version);
  for (const auto &[names, value] :
       {std::pair(qt_options_with_value, "value"), std::pair(qt_flags, "")}) {
    for (const QString &name : QString::fromLatin1(names).split(u' ')) {
      QCommandLineOption option(name, QString(), QString::fromLatin1(value));
      option.setFlags(QCommandLineOption::HiddenFromHelp);
      parser.addOption(option);
    }
  }

  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);

  QString mistake;
  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    mistake = unknown.isEmpty()
                  ? parser.errorText()
                  : QStringLiteral("Unknown option '%1'.").arg(asTyped(arguments, unknown.first()));
  } else if (!parser.positionalArguments().isEmpty())
    mistake = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
  if (!mistake.isEmpty()) {
    std::fputs(
        qPrintable(QStringLiteral("movla: %1 Try 'movla --help' for the options.\n").arg(mistake)),
        stderr);
    return usage_error;
  }

  if (parser.isSet(help)) {
    // The usage line names the program as it was started, which only a
    // QCoreApplication knows; it needs no display.
    QCoreApplication core(argc, argv);
    const QString qt = QStringLiteral("\nQt's own options, such as -platform and -style, "
                                      "are accepted too: see movla(1).\n");
    return answer(parser.helpText() + qt);
  }
  if (parser.isSet(version))
    return answer(QStringLiteral("movla %1\n").arg(QString::fromUtf8(product_version)));
  return std::nullopt;
}

} // namespace movla::qt

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The name and version the built program reports (movla --version) must be
// the ones the desktop metadata carries; check-deb.sh and
// check-windows-rc.sh hold the package and the Windows resource to the same
// program's answer. The About
// window's version line ("Version 1 Build 1.02.2003") is not one of them: it
// is fixed text of that window, by design, and tst_fabout checks it.
#include "application.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Metainfo {
  QString id;
  QString name;
  QStringList releases;
};

Metainfo readMetainfo() {
  QFile file(QStringLiteral(MOVLA_METAINFO_FILE));
  if (!file.open(QIODevice::ReadOnly))
    qFatal("cannot read %s", MOVLA_METAINFO_FILE);
  Metainfo info;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement)
      continue;
    // Only the untranslated <name>; <name xml:lang=…> would be a translation.
    if (xml.name() == u"id")
      info.id = xml.readElementText();
    else if (xml.name() == u"name" && !xml.attributes().hasAttribute(QStringLiteral("xml:lang")))
      info.name = xml.readElementText();
    else if (xml.name() == u"release")
      info.releases << xml.attributes().value(QStringLiteral("version")).toString();
  }
  if (xml.hasError())
    qFatal("%s: %s", MOVLA_METAINFO_FILE, qPrintable(xml.errorString()));
  return info;
}

QString desktopEntry(const QString &key) {
  QFile file(QStringLiteral(MOVLA_DESKTOP_FILE));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    qFatal("cannot read %s", MOVLA_DESKTOP_FILE);
  const QString prefix = key + QLatin1Char('=');
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.startsWith(prefix))
      return line.mid(prefix.size());
  }
  return {};
}

// What the built program answers to --version: "movla 1.00.0009".
QString programVersion() {
  QProcess program;
  program.start(QStringLiteral(MOVLA_PROGRAM), {QStringLiteral("--version")});
  if (!program.waitForFinished(30000) || program.exitCode() != 0)
    qFatal("%s --version failed: %s", MOVLA_PROGRAM, program.readAllStandardError().constData());
  const QString answer = QString::fromUtf8(program.readAllStandardOutput()).trimmed();
  if (!answer.startsWith(QLatin1String("movla ")))
    qFatal("%s --version answered '%s'", MOVLA_PROGRAM, qPrintable(answer));
  return answer.mid(6);
}

} // namespace

class tst_AppInfo : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { movla::qt::setApplicationInfo(); }

  void programReportsTheLibrarysVersion() {
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral(MOVLA_EXPECTED_NAME));
    QCOMPARE(programVersion(), QCoreApplication::applicationVersion());
  }

  void metadataCarriesTheSameNameAndVersion() {
    const Metainfo info = readMetainfo();
    QCOMPARE(info.id, QStringLiteral(MOVLA_EXPECTED_APP_ID));
    QCOMPARE(info.name, QCoreApplication::applicationName());
    // The newest release comes first in AppStream.
    QVERIFY(!info.releases.isEmpty());
    QCOMPARE(info.releases.first(), programVersion());
    QCOMPARE(desktopEntry(QStringLiteral("Name")), QCoreApplication::applicationName());
    QCOMPARE(desktopEntry(QStringLiteral("Icon")), QStringLiteral(MOVLA_EXPECTED_APP_ID));
    // Wayland shells find the menu entry (and its icon) by this name.
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(MOVLA_EXPECTED_APP_ID));
  }
};

QTEST_MAIN(tst_AppInfo)
#include "tst_appinfo.moc"

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "application.h"

#include <movla/version.h>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImageReader>
#include <QPixmap>
#include <QString>

namespace movla {

void setApplicationInfo() {
  QCoreApplication::setApplicationName(QString::fromUtf8(product_name));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(product_version));
  QGuiApplication::setDesktopFileName(QString::fromUtf8(app_id));

  // Liberation Sans has Arial's advance widths, so texts laid out for Arial
  // fit their labels. "MS Sans Serif" is a bitmap face found only on Windows;
  // at the same point size Liberation Sans is close enough and every label
  // still holds its text (checked by the window tests).
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));

  QApplication::setWindowIcon(programIcon());
}

QIcon programIcon() {
  // Every size ui/qt/CMakeLists.txt embeds for the window.
  QIcon icon;
  const QDir icons(QStringLiteral(":/movla/icons"));
  for (const QString &name : icons.entryList(QDir::Files)) {
    // Qt's own PNG reader, named: left to detect the format, Qt loads every
    // image-format plugin to probe the data, which costs start-up more than
    // the decoding itself.
    QImageReader reader(icons.filePath(name), "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

} // namespace movla

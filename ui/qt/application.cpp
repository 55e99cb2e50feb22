// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "application.h"

#include <movla/version.h>

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QPixmap>

namespace movla::qt {

void setApplicationInfo() {
  QCoreApplication::setApplicationName(QString::fromUtf8(product_name));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(product_version));
  QGuiApplication::setDesktopFileName(QString::fromUtf8(app_id));

  QApplication::setWindowIcon(programIcon());
}

QIcon programIcon() {
  // Every size ui/qt/CMakeLists.txt embeds for the window.
  QIcon icon;
  const QDir icons(QStringLiteral(":/movla/icons"));
  for (const QString &name : icons.entryList(QDir::Files)) {
    // Qt's own PNG reader, named: left to detect the format, Qt 6.4 loads every
    // image-format plugin to probe the data, which costs start-up more than
    // the decoding itself.
    QImageReader reader(icons.filePath(name), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
      qFatal("the window icon %s cannot be read: %s", qPrintable(name),
             qPrintable(reader.errorString()));
    icon.addPixmap(QPixmap::fromImage(image));
  }
  if (icon.isNull())
    qFatal("no window icon is built into the program");
  return icon;
}

} // namespace movla::qt

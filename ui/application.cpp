#include "application.h"

#include <movla/version.h>

#include <QApplication>
#include <QFont>
#include <QString>

namespace movla {

void setApplicationInfo() {
  QCoreApplication::setApplicationName(QString::fromUtf8(product_name));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(product_version));

  // Liberation Sans has Arial's advance widths, so texts laid out for Arial
  // fit their labels. "MS Sans Serif" is a bitmap face found only on Windows;
  // at the same point size Liberation Sans is close enough and every label
  // still holds its text (checked by the window tests).
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));

  QApplication::setWindowIcon(programIcon());
}

QIcon programIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/movla/icons/movla-%1.png").arg(size), QSize(size, size));
  return icon;
}

} // namespace movla

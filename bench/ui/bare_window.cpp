// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The yardstick for Movla's start-up: a bare Qt window of the calculator's
// size (676 x 409) holding about as many plain widgets (bands, lines, labels,
// line edits, buttons), with none of the program's own work.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare Qt window"));
  window.setFixedSize(676, 409);

  for (int y : {0, 162, 366}) {
    auto *band = new QFrame(&window);
    band->setGeometry(0, y, 675, 44);
    band->setAutoFillBackground(true);
  }
  for (int y : {162, 366}) {
    auto *line = new QFrame(&window);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(0, y - 1, 675, 2);
  }
  for (int i = 0; i < 17; ++i) {
    auto *label = new QLabel(QStringLiteral("Label %1").arg(i), &window);
    label->setGeometry(9 + (i % 4) * 160, 5 + (i / 4) * 80, 150, 23);
  }
  for (int i = 0; i < 9; ++i) {
    auto *edit = new QLineEdit(QString::number(100 * i), &window);
    edit->setGeometry(125 + (i % 4) * 160, 40 + (i / 4) * 120, 72, 23);
  }
  auto *left = new QPushButton(QStringLiteral("E&xit"), &window);
  left->setGeometry(10, 376, 100, 23);
  auto *right = new QPushButton(QStringLiteral("&About"), &window);
  right->setGeometry(563, 376, 100, 23);

  window.show();
  return app.exec();
}

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// Every text of both windows is readable, measured from the pixels, on the
// desktop's palette and on dark ones, whether the window opens on the palette
// or it changes while the window is open; changing back brings the desktop's
// look back exactly. On a real platform theme (CMakeLists.txt) "desktop" is
// that theme's palette. Each contrast measured is logged.

#include "application.h"
#include "open_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <map>
#include <memory>
#include <string_view>
#include <tuple>

namespace {

// Adwaita dark as Qt's GTK 3 theme reports it, and a mid-grey palette on
// which navy reaches only 4.46:1.
QPalette dark(const QString &name) {
  const bool adwaita = name == u"adwaita-dark";
  QPalette palette(QColor(adwaita ? 0x323232 : 0x808080), QColor(adwaita ? 0x323232 : 0x808080));
  palette.setColor(QPalette::Base, adwaita ? 0x242424 : 0x878787);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, adwaita ? 0xf0f0f0 : 0x000000);
  return palette;
}

std::unique_ptr<QWidget> open(const QString &window) {
  if (window == u"fAbout")
    return movla::qt::openAbout();
  return movla::qt::openCalculator(QLocale::c());
}

double contrast(QRgb a, QRgb b) {
  const auto luminance = [](QRgb colour) {
    double sum = 0;
    for (const auto &[channel, weight] :
         {std::pair{qRed(colour), 0.2126}, {qGreen(colour), 0.7152}, {qBlue(colour), 0.0722}}) {
      const double c = channel / 255.0;
      sum += weight * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return sum + 0.05;
  };
  return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// The control's most frequent colour is its background, the colour that
// contrasts most with that its text. Only its own pixels count: not its
// frame, nor another control overlapping it, bar the bands it lies on.
double measuredContrast(const QImage &grab, const QWidget *control) {
  const int frame = qobject_cast<const QLabel *>(control) ? 0 : 3;
  QRegion region(control->geometry().adjusted(frame, frame, -frame, -frame));
  for (const QWidget *other : control->parentWidget()->findChildren<QWidget *>())
    if (other != control && !other->geometry().contains(control->geometry()))
      region -= other->geometry();

  std::map<QRgb, int> count;
  const double scale = grab.devicePixelRatio();
  for (const QRect &rect : region) // the device pixels wholly inside
    for (int y = std::ceil(rect.top() * scale); y < std::floor((rect.bottom() + 1) * scale); ++y)
      for (int x = std::ceil(rect.left() * scale); x < std::floor((rect.right() + 1) * scale); ++x)
        ++count[grab.pixel(x, y)];
  QRgb background = 0;
  for (int most = 0; const auto &[colour, n] : count)
    if (n > most)
      std::tie(background, most) = std::pair(colour, n);
  double most = 1;
  for (const auto &[colour, n] : count)
    most = std::max(most, contrast(background, colour));
  return most;
}

// A new palette for the application. Some platform themes (qt6ct) also give
// it to every widget themselves, over the widget's own colours.
void settle(const QPalette &palette, bool everyWidget = false) {
  QApplication::setPalette(palette);
  if (everyWidget)
    for (QWidget *widget : QApplication::allWidgets())
      widget->setPalette(palette);
  QCoreApplication::processEvents();
  // The windows repaint their controls once all of the change is delivered.
  QCoreApplication::sendPostedEvents();
}

} // namespace

class tst_Contrast : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void cleanup() { settle(desktop_); }
  void everyTextIsReadable_data();
  void everyTextIsReadable();
  void changingBackRestoresTheLook_data();
  void changingBackRestoresTheLook();

private:
  QPalette desktop_;
};

void tst_Contrast::initTestCase() {
  movla::qt::setApplicationInfo();
  QApplication::setCursorFlashTime(0); // a steady cursor, for grabs that match
  desktop_ = QApplication::palette();
}

void tst_Contrast::everyTextIsReadable_data() {
  QTest::addColumn<QString>("palette");
  QTest::addColumn<QString>("how"); // "opened" on it, or changed to it while open
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("control");
  for (const char *palette : {"desktop", "adwaita-dark", "mid-grey"})
    for (const char *how : {"opened", "switched", "given to every widget"})
      for (const char *window : {"fMovla", "fAbout"}) {
        if (palette == std::string_view("desktop") && how != std::string_view("opened"))
          continue;
        const auto built = open(window);
        for (const QWidget *control : built->findChildren<QWidget *>())
          if (qobject_cast<const QLineEdit *>(control) ||
              qobject_cast<const QAbstractButton *>(control) ||
              (qobject_cast<const QLabel *>(control) &&
               !static_cast<const QLabel *>(control)->text().isEmpty()))
            QTest::addRow("%s %s %s %s", palette, how, window, qPrintable(control->objectName()))
                << palette << how << window << control->objectName();
      }
}

void tst_Contrast::everyTextIsReadable() {
  QFETCH(QString, palette);
  QFETCH(QString, how);
  QFETCH(QString, window);
  QFETCH(QString, control);
  const QPalette colours = palette == u"desktop" ? desktop_ : dark(palette);
  if (how == u"opened")
    settle(colours);
  const auto shown = open(window);
  shown->show();
  QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
  if (how != u"opened")
    settle(colours, how == u"given to every widget");
  // Measured is the text: the focus frame, the cursor and the selection are
  // the theme's own.
  shown->focusWidget()->clearFocus();
  for (QLineEdit *box : shown->findChildren<QLineEdit *>())
    box->deselect();

  const double measured =
      measuredContrast(shown->grab().toImage(), shown->findChild<QWidget *>(control));
  qInfo("%.2f:1", measured);
  QVERIFY(measured >= 4.5);
}

void tst_Contrast::changingBackRestoresTheLook_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<bool>("everyWidget");
  for (const char *window : {"fMovla", "fAbout"})
    for (const bool everyWidget : {false, true})
      QTest::addRow("%s %s", window, everyWidget ? "given to every widget" : "switched")
          << window << everyWidget;
}

void tst_Contrast::changingBackRestoresTheLook() {
  QFETCH(QString, window);
  QFETCH(bool, everyWidget);
  const auto shown = open(window);
  shown->show();
  QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
  const QImage before = shown->grab().toImage();
  bool changed = false; // on a dark desktop, one of the palettes may look like it
  for (const char *palette : {"adwaita-dark", "mid-grey"}) {
    settle(dark(palette), everyWidget);
    changed = changed || shown->grab().toImage() != before;
    settle(desktop_, everyWidget);
    QCOMPARE(shown->grab().toImage(), before);
  }
  QVERIFY(changed);
}

QTEST_MAIN(tst_Contrast)
#include "tst_contrast.moc"

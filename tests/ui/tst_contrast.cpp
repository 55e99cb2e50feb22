// Every text of both windows is readable on the desktop's palette and on dark
// ones, measured from the pixels as drawn, whether the window opens on a
// palette or the palette changes while it is open; switching back brings the
// desktop's look back exactly. Run on a real platform theme (see
// CMakeLists.txt), "desktop" is that theme's palette. Each contrast measured
// is logged.

#include "application.h"
#include "fAbout.h"
#include "fMovla.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegion>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

QPalette scheme(QColor window, QColor base, QColor text) {
  QPalette palette(window, window);
  palette.setColor(QPalette::Base, base);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, text);
  return palette;
}

// The dark palettes, beside the desktop's own: Adwaita dark as Qt's GTK 3
// theme reports it, and a mid-grey one on which navy reaches only 4.46:1.
const std::map<QString, QPalette> &darkPalettes() {
  static const std::map<QString, QPalette> palettes{
      {QStringLiteral("adwaita-dark"),
       scheme(QColor(0x32, 0x32, 0x32), QColor(0x24, 0x24, 0x24), QColor(0xf0, 0xf0, 0xf0))},
      {QStringLiteral("mid-grey"),
       scheme(QColor(0x80, 0x80, 0x80), QColor(0x87, 0x87, 0x87), QColor(0, 0, 0))},
  };
  return palettes;
}

std::unique_ptr<QWidget> open(const QString &window) {
  if (window == u"fAbout")
    return std::make_unique<fAbout>();
  return std::make_unique<fMovla>(QLocale::c());
}

double luminance(QRgb colour) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
         0.0722 * linear(qBlue(colour));
}

double contrast(QRgb a, QRgb b) {
  const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
  return (lighter + 0.05) / (darker + 0.05);
}

// The control's most frequent colour is its background, the colour that
// contrasts most with that its text. Only the control's own pixels count:
// frames are left out, and so is any other control overlapping it, bar the
// bands it lies on.
double measuredContrast(const QImage &grab, const QWidget *control) {
  const int frame = qobject_cast<const QLabel *>(control) ? 0 : 3;
  QRegion region(control->geometry().adjusted(frame, frame, -frame, -frame));
  for (const QWidget *other : control->parentWidget()->findChildren<QWidget *>())
    if (other != control && !other->geometry().contains(control->geometry()))
      region -= other->geometry();

  std::map<QRgb, int> count;
  const double scale = grab.devicePixelRatio();
  for (const QRect &rect : region) {
    const QRect pixels(QPoint(std::ceil(rect.left() * scale), std::ceil(rect.top() * scale)),
                       QPoint(std::floor((rect.right() + 1) * scale) - 1,
                              std::floor((rect.bottom() + 1) * scale) - 1));
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
      for (int x = pixels.left(); x <= pixels.right(); ++x)
        ++count[grab.pixel(x, y) | 0xff000000u];
  }
  if (count.empty())
    return 0;
  const QRgb background =
      std::ranges::max_element(count, {}, &std::pair<const QRgb, int>::second)->first;
  double most = 1;
  for (const auto &[colour, n] : count)
    most = std::max(most, contrast(background, colour));
  return most;
}

void settle(const QPalette &palette) {
  QApplication::setPalette(palette);
  QCoreApplication::processEvents();
}

} // namespace

class tst_Contrast : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void cleanup();

  void everyTextIsReadable_data();
  void everyTextIsReadable();
  void switchingBackRestoresTheLook_data();
  void switchingBackRestoresTheLook();

private:
  QPalette desktop_;
};

void tst_Contrast::initTestCase() {
  movla::setApplicationInfo();
  // A steady text cursor, so that two grabs of one window can match.
  QApplication::setCursorFlashTime(0);
  desktop_ = QApplication::palette();
}

void tst_Contrast::cleanup() {
  settle(desktop_);
}

void tst_Contrast::everyTextIsReadable_data() {
  QTest::addColumn<QString>("palette");
  QTest::addColumn<bool>("switched"); // opened on the desktop's palette, then switched
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("control");
  for (const QString &palette :
       {QStringLiteral("desktop"), QStringLiteral("adwaita-dark"), QStringLiteral("mid-grey")})
    for (const bool switched : {false, true})
      for (const QString &window : {QStringLiteral("fMovla"), QStringLiteral("fAbout")}) {
        if (switched && palette == u"desktop")
          continue;
        const auto built = open(window);
        for (const QWidget *control : built->findChildren<QWidget *>()) {
          const auto *label = qobject_cast<const QLabel *>(control);
          if ((label && !label->text().isEmpty()) || qobject_cast<const QLineEdit *>(control) ||
              qobject_cast<const QAbstractButton *>(control))
            QTest::addRow("%s %s %s %s", qPrintable(palette), switched ? "switched" : "opened",
                          qPrintable(window), qPrintable(control->objectName()))
                << palette << switched << window << control->objectName();
        }
      }
}

void tst_Contrast::everyTextIsReadable() {
  QFETCH(QString, palette);
  QFETCH(bool, switched);
  QFETCH(QString, window);
  QFETCH(QString, control);

  const QPalette colours = palette == u"desktop" ? desktop_ : darkPalettes().at(palette);
  if (!switched)
    settle(colours);
  const auto shown = open(window);
  shown->show();
  QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
  if (switched)
    settle(colours);
  // What is measured is the text: the focus frame, the text cursor and the
  // selection are the theme's own.
  shown->focusWidget()->clearFocus();
  for (QLineEdit *box : shown->findChildren<QLineEdit *>())
    box->deselect();

  const double measured =
      measuredContrast(shown->grab().toImage(), shown->findChild<QWidget *>(control));
  qInfo("%.2f:1", measured);
  QVERIFY(measured >= 4.5);
}

void tst_Contrast::switchingBackRestoresTheLook_data() {
  QTest::addColumn<QString>("window");
  QTest::newRow("fMovla") << "fMovla";
  QTest::newRow("fAbout") << "fAbout";
}

void tst_Contrast::switchingBackRestoresTheLook() {
  QFETCH(QString, window);
  const auto shown = open(window);
  shown->show();
  QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
  const QImage before = shown->grab().toImage();
  bool changed = false; // on a dark desktop, one of the palettes may look like it
  for (const auto &[name, palette] : darkPalettes()) {
    settle(palette);
    changed = changed || shown->grab().toImage() != before;
    settle(desktop_);
    QCOMPARE(shown->grab().toImage(), before);
  }
  QVERIFY(changed);
}

QTEST_MAIN(tst_Contrast)
#include "tst_contrast.moc"

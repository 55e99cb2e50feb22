// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The About window on its own: layout, texts, pictures, and how it closes.

#include "application.h"
#include "fAbout.h"
#include "open_window.h"
#include "ui_test_support.h"
#include "window_rules.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using movla::test::textWidth;
using movla::test::whenModalOpens;

class tst_fAbout : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void init();
  void cleanup();

  void controlsStandWhereTheTablePutsThem();
  void windowHasItsCaptionSizeAndColour();
  void labelsHaveTheirTextsFontsAndColours_data();
  void labelsHaveTheirTextsFontsAndColours();
  void picturesAreDecodedWhenOpened_data();
  void picturesAreDecodedWhenOpened();
  void everyTextFitsItsControl();
  void doneHoldsTheFocusAndClosesIt_data();
  void doneHoldsTheFocusAndClosesIt();
  void escapeLeavesItOpen();

private:
  template <class T = QWidget> T *control(const char *name) const {
    return about_->findChild<T *>(QString::fromLatin1(name));
  }

  std::unique_ptr<QDialog> about_;
};

void tst_fAbout::initTestCase() {
  movla::qt::setApplicationInfo();
  QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
}

void tst_fAbout::init() {
  about_ = movla::qt::openAbout();
}

void tst_fAbout::cleanup() {
  about_.reset();
}

void tst_fAbout::controlsStandWhereTheTablePutsThem() {
  movla::test::verifyLayout(about_.get(), movla::ui::fAbout::description);
}

void tst_fAbout::windowHasItsCaptionSizeAndColour() {
  QCOMPARE(about_->objectName(), QStringLiteral("fAbout"));
  QCOMPARE(about_->windowTitle(), QStringLiteral("About Movla"));
  QCOMPARE(about_->size(), QSize(411, 380));
  QCOMPARE(about_->palette().color(QPalette::Window), QColor(192, 192, 192));
  QVERIFY(!about_->windowIcon().isNull());
  // Centred in the screen's work area where it fits (at scale 2 it does not).
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect frame = about_->frameGeometry();
  const movla::ui::PixelRect placed = movla::ui::frame_rect(
      frame.width(), frame.height(), {area.x(), area.y(), area.width(), area.height()});
  QCOMPARE(frame.topLeft(), QPoint(placed.left, placed.top));
  // The band is beneath the two title labels.
  QCOMPARE(about_->children().indexOf(control("Shape1")), 0);
}

void tst_fAbout::labelsHaveTheirTextsFontsAndColours_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text"); // a regular expression for the credits
  QTest::addColumn<QString>("family");
  QTest::addColumn<qreal>("points");
  QTest::addColumn<QString>("style");
  QTest::addColumn<QColor>("colour");
  QTest::addColumn<QColor>("background"); // invalid: transparent
  QTest::addColumn<bool>("centred");

  const QPalette system = QGuiApplication::palette();
  const QColor green(0, 64, 0);
  const QColor blue(0, 0, 64);
  const QColor white(255, 255, 255);
  const QColor none;
  const QString arial = QStringLiteral("Arial");
  const QString sans = QStringLiteral("MS Sans Serif");
  QTest::newRow("Label10") << "Label10"
                           << "^Movla$" << arial << 20.25 << ""
                           << system.color(QPalette::ButtonText) << none << false;
  QTest::newRow("Label11") << "Label11"
                           << "^Cents to Hz Conversion Utility$" << sans << 8.25 << ""
                           << system.color(QPalette::ButtonText) << none << false;
  QTest::newRow("lbl_Version") << "lbl_Version"
                               << "^Version 1 Build 1\\.02\\.2003$" << sans << 8.25 << ""
                               << system.color(QPalette::Text) << system.color(QPalette::Base)
                               << true;
  QTest::newRow("Label1") << "Label1"
                          << "^Dorvanek$" << arial << 14.25 << "" << green << none << true;
  QTest::newRow("Label4") << "Label4"
                          << "^\\w[\\w ]+$" << arial << 11.25 << "italic" << green << none << true;
  QTest::newRow("Label2") << "Label2"
                          << "^(www\\.)?dorvanek\\.example$" << arial << 11.25 << "bold" << green
                          << none << true;
  QTest::newRow("Label3") << "Label3"
                          << "^In colaboration with$" << arial << 11.25 << "" << QColor(0, 0, 0)
                          << none << true;
  QTest::newRow("Label5") << "Label5"
                          << "^Hallumbre$" << arial << 14.25 << "" << blue << none << true;
  QTest::newRow("Label7") << "Label7"
                          << "^\\w[\\w ]+$" << arial << 11.25 << "italic" << blue << none << true;
  QTest::newRow("Label6") << "Label6"
                          << "^(www\\.)?hallumbre\\.example$" << arial << 11.25 << "bold" << blue
                          << none << true;
  QTest::newRow("Label8") << "Label8"
                          << "Dorvanek.*Hallumbre.*2003" << arial << 8.25 << "italic" << blue
                          << none << true;
  QTest::newRow("Label9") << "Label9"
                          << "^Disclaimer$" << arial << 8.25 << "" << blue << white << true;
  QTest::newRow("lbl_Disclaimer")
      << "lbl_Disclaimer"
      << "^This software is supplied 'as is'\\. Neither Dorvanek nor Hallumbre give or imply "
         "any guarantee of the suitability or applicability of the software for any task\\.$"
      << arial << 8.25 << "" << blue << white << true;
}

void tst_fAbout::labelsHaveTheirTextsFontsAndColours() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  QFETCH(QString, family);
  QFETCH(qreal, points);
  QFETCH(QString, style);
  QFETCH(QColor, colour);
  QFETCH(QColor, background);
  QFETCH(bool, centred);

  const auto *label = control<QLabel>(qPrintable(name));
  QVERIFY(label);
  QVERIFY2(QRegularExpression(text).match(label->text()).hasMatch(), qPrintable(label->text()));
  QCOMPARE(label->font().family(), family);
  QCOMPARE(label->font().pointSizeF(), points);
  QCOMPARE(label->font().italic(), style == u"italic");
  QCOMPARE(label->font().bold(), style == u"bold");
  QCOMPARE(label->palette().color(label->foregroundRole()), colour);
  QCOMPARE(label->autoFillBackground(), background.isValid());
  if (background.isValid())
    QCOMPARE(label->palette().color(label->backgroundRole()), background);
  QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
}

void tst_fAbout::picturesAreDecodedWhenOpened_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QColor>("background");
  QTest::newRow("Picture1") << "Picture1" << QSize(36, 280) << QColor(192, 192, 255);
  QTest::newRow("Picture2") << "Picture2" << QSize(27, 280)
                            << QGuiApplication::palette().color(QPalette::Base);
}

void tst_fAbout::picturesAreDecodedWhenOpened() {
  QFETCH(QString, name);
  QFETCH(QSize, size);
  QFETCH(QColor, background);
  const auto *picture = control<QLabel>(qPrintable(name));
  QVERIFY(picture);
  // A missing JPEG plugin or resource would leave the pixmap null.
  QCOMPARE(picture->pixmap().size(), size);
  QCOMPARE(picture->palette().color(picture->backgroundRole()), background);
  QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
}

void tst_fAbout::everyTextFitsItsControl() {
  for (const QLabel *label : about_->findChildren<QLabel *>()) {
    if (label->text().isEmpty())
      continue; // a picture
    const QFontMetricsF metrics(label->font());
    if (label->wordWrap()) {
      const QRectF wrapped =
          metrics.boundingRect(QRectF(label->contentsRect()), Qt::TextWordWrap, label->text());
      QVERIFY2(wrapped.height() <= label->height(), qPrintable(label->objectName()));
      continue;
    }
    QVERIFY2(textWidth(label, label->text()) <= label->contentsRect().width(),
             qPrintable(label->objectName()));
    // The glyphs themselves stand inside the label, even where the font's
    // line spacing is a pixel taller than the label (the title).
    QVERIFY2(metrics.tightBoundingRect(label->text()).height() <= label->height(),
             qPrintable(label->objectName()));
  }
  const auto *done = control<QPushButton>("bDone");
  QVERIFY(textWidth(done, done->text()) <= done->width());
}

void tst_fAbout::doneHoldsTheFocusAndClosesIt_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("click") << "click";
  QTest::newRow("Alt+D") << "alt+d";
  QTest::newRow("Enter") << "enter";
  QTest::newRow("title bar") << "close";
}

void tst_fAbout::doneHoldsTheFocusAndClosesIt() {
  QFETCH(QString, how);
  bool focusOnDone = false;
  whenModalOpens([&](QWidget *modal) {
    auto *done = modal->findChild<QPushButton *>(QStringLiteral("bDone"));
    QVERIFY(QTest::qWaitForWindowActive(modal));
    focusOnDone = QApplication::focusWidget() == done;
    if (how == u"click")
      QTest::mouseClick(done, Qt::LeftButton);
    else if (how == u"alt+d")
      QTest::keyClick(done, Qt::Key_D, Qt::AltModifier);
    else if (how == u"enter")
      QTest::keyClick(done, Qt::Key_Return);
    else
      modal->close();
    QTRY_VERIFY(!modal->isVisible());
  });
  about_->exec();
  QVERIFY(focusOnDone);
  QVERIFY(!about_->isVisible());
}

void tst_fAbout::escapeLeavesItOpen() {
  bool stillOpen = false;
  whenModalOpens([&](QWidget *modal) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    stillOpen = modal->isVisible();
    modal->findChild<QPushButton *>(QStringLiteral("bDone"))->click();
  });
  about_->exec();
  QVERIFY(stillOpen);
}

QTEST_MAIN(tst_fAbout)
#include "tst_fabout.moc"

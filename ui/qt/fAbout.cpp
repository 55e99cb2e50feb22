// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "fAbout.h"

#include "controls.h"
#include "placement.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace movla::ui;

namespace {

constexpr Font title{"Arial", 20.25};
constexpr Font small{"MS Sans Serif", 8.25};
constexpr Font name{"Arial", 14.25};
constexpr Font trade{"Arial", 11.25, false, true};
constexpr Font web{"Arial", 11.25, true};
constexpr Font plain{"Arial", 11.25};
constexpr Font closing{"Arial", 8.25, false, true};
constexpr Font note{"Arial", 8.25};

constexpr Colour buttonText = system(QPalette::ButtonText);
constexpr Colour windowText = system(QPalette::Text);
constexpr Colour windowBackground = system(QPalette::Base);
constexpr Colour green = rgb(0, 64, 0);
constexpr Colour black = rgb(0, 0, 0);
constexpr Colour darkBlue = rgb(0, 0, 64);
constexpr Colour lavender = rgb(192, 192, 255);
constexpr Colour white = rgb(255, 255, 255);

constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment none = {};
constexpr int no = noTabIndex;

// Pictures carry their resource path as text; lbl_Version and lbl_Disclaimer
// are filled by Form_Load.
// clang-format off
constexpr Control controls[] = {
// name             kind           text                                   left   top  width height tab font     fore        back              align    options
  {"Shape1",        Kind::Band,    "",                                       0,  -15,  6150,  495, no, small,   transparent, windowBackground, none,    NoOption},
  {"Label10",       Kind::Label,   "Movla",                                825,    0,  1170,  450, 12, title,   buttonText,  transparent,      left,    NoOption},
  {"Label11",       Kind::Label,   "Cents to Hz Conversion Utility",      3345,  135,  2175,  255, 13, small,   buttonText,  transparent,      left,    NoOption},
  {"Picture1",      Kind::Picture, ":/movla/about-left.jpg",                 0,  465,   540, 4200,  0, small,   transparent, lavender,         none,    NoOption},
  {"Picture2",      Kind::Picture, ":/movla/about-right.jpg",             5715,  465,   405, 4200,  1, small,   transparent, windowBackground, none,    NoOption},
  {"lbl_Version",   Kind::Label,   "",                                     540,  465,  5205,  270, 14, small,   windowText,  windowBackground, centred, NoOption},
  {"Label1",        Kind::Label,   "Dorvanek",                             540,  975,  5205,  375,  2, name,    green,       transparent,      centred, NoOption},
  {"Label4",        Kind::Label,   "Organ builder and tuner",              540, 1365,  5205,  285,  5, trade,   green,       transparent,      centred, NoOption},
  {"Label2",        Kind::Label,   "www.dorvanek.example",                 540, 1650,  5205,  330,  3, web,     green,       transparent,      centred, NoOption},
  {"Label3",        Kind::Label,   "In colaboration with",                 540, 2235,  5205,  390,  4, plain,   black,       transparent,      centred, NoOption},
  {"Label5",        Kind::Label,   "Hallumbre",                            540, 2790,  5205,  360,  6, name,    darkBlue,    transparent,      centred, NoOption},
  {"Label7",        Kind::Label,   "Programmer and amateur violinist",     540, 3180,  5205,  270,  8, trade,   darkBlue,    transparent,      centred, NoOption},
  {"Label6",        Kind::Label,   "www.hallumbre.example",                540, 3480,  5205,  285,  7, web,     darkBlue,    transparent,      centred, NoOption},
  {"Label8",        Kind::Label,   "Written by Dorvanek and Hallumbre, 2003", 540, 3810, 5205, 255, 9, closing, darkBlue,    transparent,      centred, NoOption},
  {"Label9",        Kind::Label,   "Disclaimer",                           540, 4410,  5205,  255, 11, note,    darkBlue,    white,            centred, NoOption},
  {"lbl_Disclaimer",Kind::Label,   "",                                       0, 4665,  6150,  765, 10, note,    darkBlue,    white,            centred, WordWrap},
  {"bDone",         Kind::Button,  "&Done",                                  0, 5385,  6150,  300, 15, small,   transparent, transparent,      none,    NoOption},
};
// clang-format on

constexpr int clientWidth = 6165;
constexpr int clientHeight = 5700;

} // namespace

fAbout::fAbout(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fAbout"));
  setWindowTitle(QStringLiteral("About Movla"));
  QPalette background = palette();
  background.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(background);
  setAutoFillBackground(true);

  buildControls(controls, this);
  lbl_Disclaimer = control<QLabel>(this, "lbl_Disclaimer");
  lbl_Version = control<QLabel>(this, "lbl_Version");
  bDone = control<QPushButton>(this, "bDone");
  connect(bDone, &QPushButton::clicked, this, &fAbout::bDone_Click);

  // Centred on the screen rather than over the calculator, like the calculator itself.
  resize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
  centreOnScreen(this, parent ? parent->screen() : QGuiApplication::primaryScreen());

  Form_Load();
  bDone->setFocus(Qt::OtherFocusReason);
}

void fAbout::keyPressEvent(QKeyEvent *event) {
  // Done is not a cancel button: Escape leaves the window open.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void fAbout::Form_Load() {
  lbl_Disclaimer->setText(QStringLiteral("This software is supplied 'as is'."));
  lbl_Disclaimer->setText(lbl_Disclaimer->text() +
                          QStringLiteral(" Neither Dorvanek nor Hallumbre give or imply any "
                                         "guarantee of the suitability or applicability of the "
                                         "software for any task."));
  lbl_Version->setText(QStringLiteral("Version 1 Build 1.02.2003"));
}

void fAbout::bDone_Click() {
  close();
}

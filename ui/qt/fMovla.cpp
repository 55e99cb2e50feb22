// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "fMovla.h"

#include "controls.h"
#include "fAbout.h"

#include <movla/number_text.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <array>

using namespace movla::ui;

namespace {

constexpr Font label{"MS Sans Serif", 12};
constexpr Font heading{"MS Sans Serif", 12, true};
constexpr Font button{"MS Sans Serif", 9.75};

constexpr Colour navy = rgb(0, 0, 128);
constexpr Colour lightYellow = rgb(255, 255, 192);
constexpr Colour lineColour = rgb(0, 0, 64);
constexpr Colour windowBackground = system(QPalette::Base);

constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
constexpr Qt::Alignment input = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment result = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment none = {};
constexpr int no = noTabIndex;

// Text boxes get their texts in Form_Load and from the calculation pass.
// clang-format off
constexpr Control controls[] = {
// name             kind           text                   left   top  width height tab font     fore        back              align   options
  {"Shape1",        Kind::Band,    "",                       0,    0, 10125,  660, no, label,   transparent, windowBackground, none,   NoOption},
  {"lblC_Hz",       Kind::Label,   "Cents Change",         135,   75,  5640,  345,  1, heading, navy,        transparent,      left,   NoOption},
  {"lblCents",      Kind::Label,   "Cents Change",         135, 1170,  1770,  345,  3, label,   navy,        lightYellow,      left,   NoOption},
  {"Cents_Change",  Kind::TextBox, "",                    1875, 1170,  1080,  350, 12, label,   navy,        windowBackground, input,  NoOption},
  {"lblRef_FReq",   Kind::Label,   "Reference Frequency", 3270, 1170,  2505,  345,  4, label,   navy,        lightYellow,      left,   NoOption},
  {"Ref_Freq1",     Kind::TextBox, "",                    5775, 1170,  1080,  350, 13, label,   navy,        windowBackground, input,  NoOption},
  {"Label8",        Kind::Label,   "Frequency (Hz)",      7305, 1170,  1770,  345, 11, label,   navy,        lightYellow,      left,   NoOption},
  {"Label4",        Kind::Label,   "+",                   8310,  765,   300,  345,  8, label,   navy,        lightYellow,      left,   NoOption},
  {"Freq_More",     Kind::TextBox, "",                    8700,  765,  1400,  350,  0, label,   navy,        lightYellow,      result, ReadOnly},
  {"Label3",        Kind::Label,   "-",                   8355, 1620,   195,  345,  7, label,   navy,        lightYellow,      left,   NoOption},
  {"Freq_Less",     Kind::TextBox, "",                    8700, 1620,  1400,  350, 14, label,   navy,        lightYellow,      result, ReadOnly},
  {"Line1",         Kind::Line,    "",                       0, 2430, 10125,    0, no, label,   lineColour,  transparent,      none,   NoOption},
  {"Shape2",        Kind::Band,    "",                       0, 2430, 10125,  660, no, label,   transparent, windowBackground, none,   NoOption},
  {"lblHz_C",       Kind::Label,   "Hz Change",            135, 2550,  5640,  345,  2, heading, navy,        transparent,      left,   NoOption},
  {"Label5",        Kind::Label,   "Change",              8850, 3165,  1065,  345,  9, label,   navy,        lightYellow,      right,  NoOption},
  {"Label2",        Kind::Label,   "Frequency",            135, 3660,  1380,  345,  6, label,   navy,        lightYellow,      left,   NoOption},
  {"New_Frequency", Kind::TextBox, "",                    1875, 3705,  1080,  350, 15, label,   navy,        windowBackground, input,  NoOption},
  {"Label1",        Kind::Label,   "Reference Frequency", 3255, 3675,  2505,  345,  5, label,   navy,        lightYellow,      left,   NoOption},
  {"Ref_Freq2",     Kind::TextBox, "",                    5775, 3705,  1080,  350, 16, label,   navy,        windowBackground, input,  NoOption},
  {"Label7",        Kind::Label,   "Cents",               7305, 3735,  1380,  345, 10, label,   navy,        lightYellow,      left,   NoOption},
  {"Cents_New",     Kind::TextBox, "",                    8700, 3705,  1400,  350, 17, label,   navy,        lightYellow,      result, ReadOnly},
  {"Label9",        Kind::Label,   "Semitones",           7305, 4215,  1380,  345, 19, label,   navy,        lightYellow,      left,   NoOption},
  {"Semitones_New", Kind::TextBox, "",                    8700, 4215,  1400,  350, 21, label,   navy,        lightYellow,      result, ReadOnly},
  {"Label10",       Kind::Label,   "Octaves",             7305, 4695,  1380,  345, 20, label,   navy,        lightYellow,      left,   NoOption},
  {"Octaves_New",   Kind::TextBox, "",                    8700, 4695,  1400,  350, 22, label,   navy,        lightYellow,      result, ReadOnly},
  {"Line2",         Kind::Line,    "",                       0, 5487, 10125,    0, no, label,   lineColour,  transparent,      none,   NoOption},
  {"Shape3",        Kind::Band,    "",                       0, 5490, 10125,  660, no, label,   transparent, windowBackground, none,   NoOption},
  {"bExit",         Kind::Button,  "E&xit",                150, 5640,  1500,  350, 18, button,  transparent, transparent,      none,   NoOption},
  {"bAbout",        Kind::Button,  "&About",              8445, 5640,  1500,  350, 23, button,  transparent, transparent,      none,   NoOption},
};
// clang-format on

constexpr int clientWidth = 10140;
constexpr int clientHeight = 6135;

// What a screen reader says for each box: its label and, where two labels
// read alike, its section.
constexpr std::array<std::pair<movla::Field, const char *>, movla::field_count> accessibleNames{{
    {movla::Field::Cents_Change, "Cents Change"},
    {movla::Field::Ref_Freq1, "Reference Frequency, Cents Change section"},
    {movla::Field::New_Frequency, "Frequency, Hz Change section"},
    {movla::Field::Ref_Freq2, "Reference Frequency, Hz Change section"},
    {movla::Field::Freq_More, "Frequency above reference"},
    {movla::Field::Freq_Less, "Frequency below reference"},
    {movla::Field::Cents_New, "Change in cents"},
    {movla::Field::Semitones_New, "Change in semitones"},
    {movla::Field::Octaves_New, "Change in octaves"},
}};

// A focus change that stays inside the window, as opposed to the user
// switching to another application or a popup menu opening or closing.
bool staysInWindow(const QEvent *event) {
  const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

fMovla::fMovla(const QLocale &locale, QWidget *parent)
    : QWidget(parent), decimalSeparator_(locale.decimalPoint().toStdString()) {
  setObjectName(QStringLiteral("fMovla"));
  setWindowTitle(QStringLiteral("Movla - Cents to Hz Calculator"));
  resize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
  QPalette background = palette();
  background.setColor(QPalette::Window, QColor::fromRgb(lightYellow.rgb));
  setPalette(background);
  setAutoFillBackground(true);

  buildControls(controls, this);
  fields_.emplace(this);
  Cents_Change = fields_->box(movla::Field::Cents_Change);
  Ref_Freq1 = fields_->box(movla::Field::Ref_Freq1);
  New_Frequency = fields_->box(movla::Field::New_Frequency);
  Ref_Freq2 = fields_->box(movla::Field::Ref_Freq2);
  bExit = control<QPushButton>(this, "bExit");
  bAbout = control<QPushButton>(this, "bAbout");

  for (const auto &[field, name] : accessibleNames)
    fields_->box(field)->setAccessibleName(QString::fromUtf8(name));

  for (const movla::Field input : movla::input_fields)
    fields_->box(input)->installEventFilter(this);
  for (QPushButton *button : {bExit, bAbout}) {
    // Enter presses a focused button, as on Windows; neither button is the
    // window's default, so Enter in a text box presses nothing.
    button->setAutoDefault(true);
    button->installEventFilter(this);
  }
  connect(bExit, &QPushButton::clicked, this, &fMovla::bExit_Click);
  connect(bAbout, &QPushButton::clicked, this, &fMovla::bAbout_Click);

  Form_Load();

  for (const movla::Field input : movla::input_fields) {
    QLineEdit *box = fields_->box(input);
    box->setAccessibleDescription(box->toolTip());
  }
  // The window opens ready for a new number of cents.
  Cents_Change->setFocus(Qt::OtherFocusReason);
  selectWholeText(Cents_Change);
}

bool fMovla::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::Shortcut && (watched == bExit || watched == bAbout)) {
    // An access key clicks its button without moving the focus. Move it
    // first, as a mouse click would, so that the input being left runs its
    // pass before the button acts.
    static_cast<QWidget *>(watched)->setFocus(Qt::ShortcutFocusReason);
    return false;
  }

  struct InputEvents {
    QLineEdit *fMovla::*box;
    void (fMovla::*gotFocus)();
    void (fMovla::*lostFocus)();
  };
  static constexpr InputEvents inputs[] = {
      {&fMovla::Cents_Change, &fMovla::Cents_Change_GotFocus, &fMovla::Cents_Change_LostFocus},
      {&fMovla::Ref_Freq1, &fMovla::Ref_Freq1_GotFocus, &fMovla::Ref_Freq1_LostFocus},
      {&fMovla::New_Frequency, &fMovla::New_Frequency_GotFocus, &fMovla::New_Frequency_LostFocus},
      {&fMovla::Ref_Freq2, &fMovla::Ref_Freq2_GotFocus, &fMovla::Ref_Freq2_LostFocus},
  };
  for (const InputEvents &input : inputs) {
    QLineEdit *box = this->*input.box;
    if (watched != box)
      continue;
    switch (event->type()) {
    case QEvent::FocusIn:
      if (staysInWindow(event)) {
        (this->*input.gotFocus)();
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
          clickedInto_ = box;
      }
      break;
    case QEvent::FocusOut:
      clickedInto_ = nullptr;
      if (staysInWindow(event))
        (this->*input.lostFocus)();
      break;
    case QEvent::MouseButtonRelease:
      // A plain click leaves no selection: select again. A drag that
      // selected part of the text keeps it.
      if (clickedInto_ == box && !box->hasSelectedText())
        selectWholeText(box);
      clickedInto_ = nullptr;
      break;
    default:
      break;
    }
    break;
  }
  return QWidget::eventFilter(watched, event);
}

void fMovla::Form_Load() {
  Cents_Change->setToolTip(
      QStringLiteral("Enter the no. of cents. to adjust the reference frequency by. The adjusted "
                     "frequencies will be displayed on the right."));
  Ref_Freq1->setToolTip(
      QStringLiteral("Enter the reference frequency to show the cents adjustment for. The "
                     "adjusted frequencies will be displayed on the right."));
  New_Frequency->setToolTip(
      QStringLiteral("Enter the adjusted frequency that will be compared to the reference "
                     "frequency. The difference between the frequencies will be displayed on "
                     "the right."));
  Ref_Freq2->setToolTip(
      QStringLiteral("Enter the reference frequency to which the adjusted frequency will be "
                     "compared. The difference between the frequencies will be displayed on the "
                     "right."));
  for (const movla::Field input : movla::input_fields)
    fields_->set_text(input, movla::write_whole_number(movla::default_value(input)));
  calculate();
}

void fMovla::Cents_Change_GotFocus() {
  selectWholeText(Cents_Change);
}
void fMovla::Cents_Change_LostFocus() {
  calculate();
}
void fMovla::Ref_Freq1_GotFocus() {
  selectWholeText(Ref_Freq1);
}
void fMovla::Ref_Freq1_LostFocus() {
  calculate();
}
void fMovla::New_Frequency_GotFocus() {
  selectWholeText(New_Frequency);
}
void fMovla::New_Frequency_LostFocus() {
  calculate();
}
void fMovla::Ref_Freq2_GotFocus() {
  selectWholeText(Ref_Freq2);
}
void fMovla::Ref_Freq2_LostFocus() {
  calculate();
}

void fMovla::bExit_Click() {
  const auto choice =
      QMessageBox::question(this, QStringLiteral("Quit"), QStringLiteral("Leave System?"),
                            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
  if (choice != QMessageBox::Ok)
    return;
  // Every window closes now; the event loop stops once control is back in it.
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

void fMovla::bAbout_Click() {
  fAbout about(this);
  about.exec();
}

void fMovla::calculate() {
  movla::sCalculate_Change(*fields_, decimalSeparator_);
}

void fMovla::selectWholeText(QLineEdit *box) {
  box->setSelection(0, box->text().size());
}

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The calculator window as it is laid out: its controls in twips, its
// caption, size and colours, and every text it shows or speaks.

#include "fMovla.h"

namespace movla::ui {

namespace {

constexpr Font label{"MS Sans Serif", 12};
constexpr Font heading{"MS Sans Serif", 12, true};
constexpr Font button{"MS Sans Serif", 9.75};

constexpr Rgb light_yellow_rgb{255, 255, 192};
constexpr Colour navy = rgb(0, 0, 128);
constexpr Colour light_yellow{Colour::Source::Rgb, light_yellow_rgb};
constexpr Colour line_colour = rgb(0, 0, 64);
constexpr Colour window_background = system(SystemColour::WindowBackground);

constexpr Align left = Align::Left;
constexpr Align right = Align::Right;
constexpr int no = no_tab_index;

// Text boxes get their texts in Form_Load and from the calculation pass.
// clang-format off
constexpr Control controls[] = {
// name             kind           text                   left   top  width height tab font     fore         back               align  options
  {"Shape1",        Kind::Band,    "",                       0,    0, 10125,  660, no, label,   transparent, window_background, left,  NoOption},
  {"lblC_Hz",       Kind::Label,   "Cents Change",         135,   75,  5640,  345,  1, heading, navy,        transparent,       left,  NoOption},
  {"lblCents",      Kind::Label,   "Cents Change",         135, 1170,  1770,  345,  3, label,   navy,        light_yellow,      left,  NoOption},
  {"Cents_Change",  Kind::TextBox, "",                    1875, 1170,  1080,  350, 12, label,   navy,        window_background, left,  NoOption},
  {"lblRef_FReq",   Kind::Label,   "Reference Frequency", 3270, 1170,  2505,  345,  4, label,   navy,        light_yellow,      left,  NoOption},
  {"Ref_Freq1",     Kind::TextBox, "",                    5775, 1170,  1080,  350, 13, label,   navy,        window_background, left,  NoOption},
  {"Label8",        Kind::Label,   "Frequency (Hz)",      7305, 1170,  1770,  345, 11, label,   navy,        light_yellow,      left,  NoOption},
  {"Label4",        Kind::Label,   "+",                   8310,  765,   300,  345,  8, label,   navy,        light_yellow,      left,  NoOption},
  {"Freq_More",     Kind::TextBox, "",                    8700,  765,  1400,  350,  0, label,   navy,        light_yellow,      right, ReadOnly},
  {"Label3",        Kind::Label,   "-",                   8355, 1620,   195,  345,  7, label,   navy,        light_yellow,      left,  NoOption},
  {"Freq_Less",     Kind::TextBox, "",                    8700, 1620,  1400,  350, 14, label,   navy,        light_yellow,      right, ReadOnly},
  {"Line1",         Kind::Line,    "",                       0, 2430, 10125,    0, no, label,   line_colour, transparent,       left,  NoOption},
  {"Shape2",        Kind::Band,    "",                       0, 2430, 10125,  660, no, label,   transparent, window_background, left,  NoOption},
  {"lblHz_C",       Kind::Label,   "Hz Change",            135, 2550,  5640,  345,  2, heading, navy,        transparent,       left,  NoOption},
  {"Label5",        Kind::Label,   "Change",              8850, 3165,  1065,  345,  9, label,   navy,        light_yellow,      right, NoOption},
  {"Label2",        Kind::Label,   "Frequency",            135, 3660,  1380,  345,  6, label,   navy,        light_yellow,      left,  NoOption},
  {"New_Frequency", Kind::TextBox, "",                    1875, 3705,  1080,  350, 15, label,   navy,        window_background, left,  NoOption},
  {"Label1",        Kind::Label,   "Reference Frequency", 3255, 3675,  2505,  345,  5, label,   navy,        light_yellow,      left,  NoOption},
  {"Ref_Freq2",     Kind::TextBox, "",                    5775, 3705,  1080,  350, 16, label,   navy,        window_background, left,  NoOption},
  {"Label7",        Kind::Label,   "Cents",               7305, 3735,  1380,  345, 10, label,   navy,        light_yellow,      left,  NoOption},
  {"Cents_New",     Kind::TextBox, "",                    8700, 3705,  1400,  350, 17, label,   navy,        light_yellow,      right, ReadOnly},
  {"Label9",        Kind::Label,   "Semitones",           7305, 4215,  1380,  345, 19, label,   navy,        light_yellow,      left,  NoOption},
  {"Semitones_New", Kind::TextBox, "",                    8700, 4215,  1400,  350, 21, label,   navy,        light_yellow,      right, ReadOnly},
  {"Label10",       Kind::Label,   "Octaves",             7305, 4695,  1380,  345, 20, label,   navy,        light_yellow,      left,  NoOption},
  {"Octaves_New",   Kind::TextBox, "",                    8700, 4695,  1400,  350, 22, label,   navy,        light_yellow,      right, ReadOnly},
  {"Line2",         Kind::Line,    "",                       0, 5487, 10125,    0, no, label,   line_colour, transparent,       left,  NoOption},
  {"Shape3",        Kind::Band,    "",                       0, 5490, 10125,  660, no, label,   transparent, window_background, left,  NoOption},
  {"bExit",         Kind::Button,  "E&xit",                150, 5640,  1500,  350, 18, button,  transparent, transparent,       left,  NoOption},
  {"bAbout",        Kind::Button,  "&About",              8445, 5640,  1500,  350, 23, button,  transparent, transparent,       left,  NoOption},
};
// clang-format on

// What a screen reader says for each box: its label and, where two labels
// read alike, its section. The inputs' descriptions are their tooltips,
// which Form_Load sets in this order.
constexpr AccessibleText accessible[] = {
    {"Cents_Change", "Cents Change",
     "Enter the no. of cents. to adjust the reference frequency by. The adjusted frequencies "
     "will be displayed on the right."},
    {"Ref_Freq1", "Reference Frequency, Cents Change section",
     "Enter the reference frequency to show the cents adjustment for. The adjusted frequencies "
     "will be displayed on the right."},
    {"New_Frequency", "Frequency, Hz Change section",
     "Enter the adjusted frequency that will be compared to the reference frequency. The "
     "difference between the frequencies will be displayed on the right."},
    {"Ref_Freq2", "Reference Frequency, Hz Change section",
     "Enter the reference frequency to which the adjusted frequency will be compared. The "
     "difference between the frequencies will be displayed on the right."},
    {"Freq_More", "Frequency above reference", nullptr},
    {"Freq_Less", "Frequency below reference", nullptr},
    {"Cents_New", "Change in cents", nullptr},
    {"Semitones_New", "Change in semitones", nullptr},
    {"Octaves_New", "Change in octaves", nullptr},
};

} // namespace

const WindowDescription fMovla::description{
    .name = "fMovla",
    .caption = "Movla - Cents to Hz Calculator",
    .client_width = 10140,
    .client_height = 6135,
    .back = light_yellow_rgb,
    .modal = false,
    .controls = controls,
    .accessible = accessible,
    // The window opens ready for a new number of cents.
    .first_focus = "Cents_Change",
};

const Question fMovla::exit_question{.title = "Quit", .prompt = "Leave System?"};

} // namespace movla::ui

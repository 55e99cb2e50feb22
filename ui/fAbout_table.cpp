// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The About window as it is laid out: its controls in twips, its caption,
// size and colours, and every text it shows.

#include "fAbout.h"

namespace movla::ui {

namespace {

constexpr Font title{"Arial", 20.25};
constexpr Font small{"MS Sans Serif", 8.25};
constexpr Font name{"Arial", 14.25};
constexpr Font trade{"Arial", 11.25, false, true};
constexpr Font web{"Arial", 11.25, true};
constexpr Font plain{"Arial", 11.25};
constexpr Font closing{"Arial", 8.25, false, true};
constexpr Font note{"Arial", 8.25};

constexpr Colour button_text = system(SystemColour::ButtonText);
constexpr Colour window_text = system(SystemColour::WindowText);
constexpr Colour window_background = system(SystemColour::WindowBackground);
constexpr Colour green = rgb(0, 64, 0);
constexpr Colour black = rgb(0, 0, 0);
constexpr Colour dark_blue = rgb(0, 0, 64);
constexpr Colour lavender = rgb(192, 192, 255);
constexpr Colour white = rgb(255, 255, 255);

constexpr Align left = Align::Left;
constexpr Align centred = Align::Centre;
constexpr int no = no_tab_index;

// Pictures carry the name of their image as text; lbl_Version and
// lbl_Disclaimer are filled by Form_Load.
// clang-format off
constexpr Control controls[] = {
// name             kind           text                                   left   top  width height tab font     fore         back               align    options
  {"Shape1",        Kind::Band,    "",                                       0,  -15,  6150,  495, no, small,   transparent, window_background, left,    NoOption},
  {"Label10",       Kind::Label,   "Movla",                                825,    0,  1170,  450, 12, title,   button_text, transparent,       left,    NoOption},
  {"Label11",       Kind::Label,   "Cents to Hz Conversion Utility",      3345,  135,  2175,  255, 13, small,   button_text, transparent,       left,    NoOption},
  {"Picture1",      Kind::Picture, "about-left.jpg",                         0,  465,   540, 4200,  0, small,   transparent, lavender,          left,    NoOption},
  {"Picture2",      Kind::Picture, "about-right.jpg",                     5715,  465,   405, 4200,  1, small,   transparent, window_background, left,    NoOption},
  {"lbl_Version",   Kind::Label,   "",                                     540,  465,  5205,  270, 14, small,   window_text, window_background, centred, NoOption},
  {"Label1",        Kind::Label,   "Dorvanek",                             540,  975,  5205,  375,  2, name,    green,       transparent,       centred, NoOption},
  {"Label4",        Kind::Label,   "Organ builder and tuner",              540, 1365,  5205,  285,  5, trade,   green,       transparent,       centred, NoOption},
  {"Label2",        Kind::Label,   "www.dorvanek.example",                 540, 1650,  5205,  330,  3, web,     green,       transparent,       centred, NoOption},
  {"Label3",        Kind::Label,   "In colaboration with",                 540, 2235,  5205,  390,  4, plain,   black,       transparent,       centred, NoOption},
  {"Label5",        Kind::Label,   "Hallumbre",                            540, 2790,  5205,  360,  6, name,    dark_blue,   transparent,       centred, NoOption},
  {"Label7",        Kind::Label,   "Programmer and amateur violinist",     540, 3180,  5205,  270,  8, trade,   dark_blue,   transparent,       centred, NoOption},
  {"Label6",        Kind::Label,   "www.hallumbre.example",                540, 3480,  5205,  285,  7, web,     dark_blue,   transparent,       centred, NoOption},
  {"Label8",        Kind::Label,   "Written by Dorvanek and Hallumbre, 2003", 540, 3810, 5205, 255, 9, closing, dark_blue,   transparent,       centred, NoOption},
  {"Label9",        Kind::Label,   "Disclaimer",                           540, 4410,  5205,  255, 11, note,    dark_blue,   white,             centred, NoOption},
  {"lbl_Disclaimer",Kind::Label,   "",                                       0, 4665,  6150,  765, 10, note,    dark_blue,   white,             centred, WordWrap},
  {"bDone",         Kind::Button,  "&Done",                                  0, 5385,  6150,  300, 15, small,   transparent, transparent,       left,    NoOption},
};
// clang-format on

} // namespace

const WindowDescription fAbout::description{
    .name = "fAbout",
    .caption = "About Movla",
    .client_width = 6165,
    .client_height = 5700,
    .back = {192, 192, 192},
    .modal = true,
    .controls = controls,
    .accessible = {},
    .first_focus = "bDone",
};

const fAbout::Texts fAbout::texts{
    .disclaimer = "This software is supplied 'as is'.",
    .disclaimer_continued = " Neither Dorvanek nor Hallumbre give or imply any guarantee of the "
                            "suitability or applicability of the software for any task.",
    .version = "Version 1 Build 1.02.2003",
};

} // namespace movla::ui

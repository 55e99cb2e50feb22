// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// The thin layer between the windows and Qt Widgets.
//
// Each window describes its controls once, as a constant table of Control
// rows in twips, the way they were laid out. buildControls() turns every row
// into a child widget named after the control and chains the focusable ones
// in tab-index order; the window then looks its controls up by name with
// control() and connects its handlers. twipsToPixels() is the only place
// twips become pixels.

#include <QPalette>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QWidget>
#include <Qt>

#include <span>
#include <string_view>

namespace movla::ui {

enum class Kind {
  Band,    // filled rectangle beneath the other controls
  Line,    // horizontal line, `linePixels` thick, in the fore colour
  Label,   // static text
  TextBox, // single-line text box
  Button,  // push button; "&" marks the access key
  Picture, // image from the resource path in `text`, at its top-left corner
};

/// A colour as the tables give it: none (transparent), an RGB triple, or a
/// system colour that follows the desktop's palette.
struct Colour {
  enum class Source { None, Rgb, System };
  Source source = Source::None;
  QRgb rgb = 0;
  QPalette::ColorRole role = QPalette::NoRole;
};

inline constexpr Colour transparent{};
constexpr Colour rgb(int r, int g, int b) {
  return {Colour::Source::Rgb, qRgb(r, g, b)};
}
constexpr Colour system(QPalette::ColorRole role) {
  return {Colour::Source::System, 0, role};
}

struct Font {
  const char *family;
  double points;
  bool bold = false;
  bool italic = false;
};

enum Option : unsigned {
  NoOption = 0,
  ReadOnly = 1, // text box the user reads and copies from but cannot edit
  WordWrap = 2, // label text wraps over several lines
};

inline constexpr int noTabIndex = -1;
inline constexpr int linePixels = 2;

struct Control {
  const char *name;
  Kind kind;
  const char *text;
  int left, top, width, height; // twips
  int tabIndex;
  Font font;
  Colour fore;
  Colour back;
  Qt::Alignment align;
  unsigned options;
};

/// 15 twips to a logical pixel (96 dpi); Qt scales logical pixels on HiDPI.
int twipsToPixels(int twips);

/// The control's geometry in logical pixels.
QRect pixelRect(const Control &control);

/// Creates one child widget of `window` per row, in table order, each with
/// the row's object name, geometry, text, font and colours (which stay
/// readable on any palette: readable_colours.h); bands are kept beneath
/// everything else, and the focusable widgets are chained for Tab in the
/// order of their tab indices.
void buildControls(std::span<const Control> table, QWidget *window);

/// Ends the program with a message naming the control `window` lacks.
[[noreturn]] void missingControl(const QWidget *window, std::string_view name, const char *type);

/// The child of `window` named `name`, of type T. A table whose row was
/// renamed or changed kind stops the program here, in every build, with the
/// control's name, rather than leaving a null pointer to crash on later.
template <class T> T *control(QWidget *window, std::string_view name) {
  T *found =
      window->findChild<T *>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                             Qt::FindDirectChildrenOnly);
  if (!found)
    missingControl(window, name, T::staticMetaObject.className());
  return found;
}

} // namespace movla::ui

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Control rows (form.h) as Qt widgets.
//
// buildControls() turns every row of a window's table into a child widget
// named after the control and chains the focusable ones in tab-index order;
// the window then looks its controls up by name with control().

#include "form.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <Qt>

#include <span>
#include <string_view>

namespace movla::ui {

/// The control's geometry in logical pixels; Qt scales them on HiDPI.
QRect pixelRect(const Control &control);

inline QColor qColor(Rgb rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

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
template <class T> T *control(const QWidget *window, std::string_view name) {
  T *found =
      window->findChild<T *>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                             Qt::FindDirectChildrenOnly);
  if (!found)
    missingControl(window, name, T::staticMetaObject.className());
  return found;
}

} // namespace movla::ui

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Control rows (form.h) as Qt widgets.
//
// buildControls() turns every row of a window's table into a child widget
// named after the control, at its pixel rectangle, with its font and
// colours, and chains the focusable ones in the rules' tab order; the
// window then looks its controls up by name with control().

#include "form.h"

#include <QWidget>

namespace movla::qt {

inline QColor qColor(ui::Rgb rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

inline QString qString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// Creates one child widget of `window` per row, in table order; bands are
/// kept beneath everything else.
void buildControls(std::span<const ui::Control> table, QWidget *window);

/// The child of `window` named `name`, of type T. A table whose row was
/// renamed or changed kind stops the program here, in every build, with the
/// control's name, rather than leaving a null pointer to crash on later.
template <class T> T *control(const QWidget *window, std::string_view name) {
  T *found = window->findChild<T *>(qString(name), Qt::FindDirectChildrenOnly);
  if (!found)
    qFatal("%s has no %s named \"%s\"", qPrintable(window->objectName()),
           T::staticMetaObject.className(), qPrintable(qString(name)));
  return found;
}

} // namespace movla::qt

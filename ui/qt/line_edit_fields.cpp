// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "line_edit_fields.h"

#include "controls.h"

#include <QLineEdit>
#include <QWidget>

namespace movla::ui {

LineEditFields::LineEditFields(QWidget *window) {
  for (std::size_t i = 0; i < field_count; ++i)
    boxes_[i] = control<QLineEdit>(window, field_name(static_cast<Field>(i)));
}

std::string LineEditFields::text(Field field) const {
  return box(field)->text().toStdString();
}

void LineEditFields::set_text(Field field, std::string_view text) {
  QLineEdit *edit = box(field);
  const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QString replaced = edit->text();
  if (replaced == value)
    return;
  // A pass writes an input only to reset it, throwing away what the user
  // gave. Written as an edit, the reset is an undo step: Ctrl+Z brings the
  // user's text back, selected, to be corrected rather than typed again.
  // Results, and a box that held nothing (as at load), are simply set. Setting
  // the old text first drops the box's older history, as a plain write always
  // did, so that the history cannot grow reset by reset.
  if (edit->isReadOnly() || replaced.isEmpty()) {
    edit->setText(value);
    return;
  }
  edit->setText(replaced);
  edit->selectAll();
  edit->insert(value);
}

} // namespace movla::ui

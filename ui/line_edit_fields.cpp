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
  box(field)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace movla::ui

#include "line_edit_fields.h"

#include <QLineEdit>
#include <QWidget>

namespace movla::ui {

LineEditFields::LineEditFields(QWidget *window) {
  for (std::size_t i = 0; i < field_count; ++i) {
    const std::string_view name = field_name(static_cast<Field>(i));
    boxes_[i] = window->findChild<QLineEdit *>(
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
        Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(boxes_[i], "LineEditFields", "a field without its text box");
  }
}

std::string LineEditFields::text(Field field) const {
  return box(field)->text().toStdString();
}

void LineEditFields::set_text(Field field, std::string_view text) {
  box(field)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace movla::ui

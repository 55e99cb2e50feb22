// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// The calculator fields of the core, bound to the text boxes of a window that
// carry the fields' names.

#include <movla/calculator.h>

#include <array>

class QLineEdit;
class QWidget;

namespace movla::ui {

class LineEditFields final : public CalculatorFields {
public:
  /// Binds every field to the child QLineEdit of `window` with its name;
  /// a field without one stops the program, naming it.
  explicit LineEditFields(QWidget *window);

  std::string text(Field field) const override;
  void set_text(Field field, std::string_view text) override;

  QLineEdit *box(Field field) const { return boxes_[static_cast<std::size_t>(field)]; }

private:
  std::array<QLineEdit *, field_count> boxes_{};
};

} // namespace movla::ui

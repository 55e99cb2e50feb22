// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// The Toolkit of ui/toolkit.h for one Win32 window, and the calculator
// fields bound to its edit boxes. The program opens the calculator window
// through open_calculator(); the About window is opened by show_about().

#include "window.h"

#include "toolkit.h"

#include <movla/calculator.h>

#include <array>
#include <string>

namespace movla::win32 {

class WindowToolkit final : public ui::Toolkit {
public:
  WindowToolkit(const ui::WindowDescription &description, HWND owner)
      : window_(description, owner) {}

  NativeWindow &window() { return window_; }

  void set_tooltip(std::string_view control, std::string_view text) override;
  std::string text(std::string_view control) const override;
  void set_text(std::string_view control, std::string_view text) override;
  void replace_text(std::string_view control, std::string_view text) override;
  void select_whole_text(std::string_view control) override;
  void set_focus(std::string_view control) override;
  bool ask(const ui::Question &question) override;
  void show_about() override;
  void close() override;
  void quit() override;

private:
  HWND control(std::string_view name) const;

  NativeWindow window_;
};

/// The nine calculator fields as the edit boxes of the same names.
class EditFields final : public CalculatorFields {
public:
  explicit EditFields(const NativeWindow &window);
  std::string text(Field field) const override;
  void set_text(Field field, std::string_view text) override;

private:
  std::array<HWND, field_count> boxes_{};
};

/// The decimal separator of the user's regional settings, as UTF-8.
std::string user_decimal_separator();

/// Creates the calculator window, runs its Form_Load, shows it and runs the
/// program until it ends; returns the exit status.
int run_calculator();

} // namespace movla::win32

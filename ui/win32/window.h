// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// One window of ui/form.h made of Win32 controls (controls.h), and the
// Toolkit its handlers ask.
//
// The window reports what the user does to its WindowRules, which decide:
// each focus move (EN_SETFOCUS, EN_KILLFOCUS) with how it came, a click's
// release, every press of a button (BN_CLICKED: mouse, Space or access
// key), and Enter and Escape, which it takes before the dialog manager
// would: that manager presses only a button Tab made the default, and sends
// IDOK and IDCANCEL, which no control has, for the rest. Its message loop
// passes the other keys through IsDialogMessage, for Tab and the access
// keys. Positions and fonts follow the dots per inch of the monitor the
// window is on, again whenever it moves to another; colours follow the
// system colours (colours.h), again whenever they change.

#include "colours.h"
#include "controls.h"
#include "open_window.h"
#include "text.h"

#include "window_rules.h"

#include <map>

namespace movla::win32 {

class Window final : public ui::Toolkit {
public:
  /// Creates the window of `description`, hidden; `owner` owns it (null
  /// for the main window, whose closing ends the program).
  Window(const ui::WindowDescription &description, HWND owner);
  ~Window();

  ui::WindowRules &rules() { return rules_; }

  /// Runs Form_Load, shows the window (modally over its owner, if it has
  /// one) and runs messages until it closes or the program ends.
  void run();

  void set_tooltip(std::string_view name, std::string_view text) override {
    tooltips_[control(name)] = widen(text);
  }
  std::string text(std::string_view box) const override {
    return narrow(window_text(control(box)));
  }
  void set_text(std::string_view name, std::string_view text) override {
    SetWindowTextW(control(name), widen(text).c_str());
  }
  void replace_text(std::string_view name, std::string_view text) override;
  void select_whole_text(std::string_view name) override;
  void set_focus(std::string_view name) override;
  bool ask(const ui::Question &question) override;
  void show_about() override { open_about(window_); }
  void close() override;
  void quit() override;

private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
  const Child *child(HWND window) const;
  HWND control(std::string_view name) const;

  const ui::WindowDescription &description_;
  ui::WindowRules rules_;
  HWND owner_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND last_focus_ = nullptr; // the control to give the focus back to
  UINT dpi_ = 96;
  bool moving_ = false;    // the program is moving the focus
  bool annotated_ = false; // the boxes' accessible names are made
  bool closed_ = false;
  std::vector<Child> children_;
  Colours colours_;
  std::map<HWND, std::wstring> tooltips_;
  std::wstring tip_;
};

} // namespace movla::win32

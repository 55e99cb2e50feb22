// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "open_window.h"

#include "text.h"

#include "fAbout.h"
#include "fMovla.h"

#include <cstdlib>

namespace movla::win32 {

HWND WindowToolkit::control(std::string_view name) const {
  HWND found = window_.control(name);
  if (!found) {
    // A table row renamed without its handler: stop here, naming it, rather
    // than act on nothing.
    const std::wstring message = L"No control " + widen(name) + L" in this window.";
    MessageBoxW(nullptr, message.c_str(), L"Movla", MB_ICONERROR);
    std::abort();
  }
  return found;
}

void WindowToolkit::set_tooltip(std::string_view control, std::string_view text) {
  window_.set_tooltip(this->control(control), text);
}

std::string WindowToolkit::text(std::string_view control) const {
  return narrow(window_text(this->control(control)));
}

void WindowToolkit::set_text(std::string_view control, std::string_view text) {
  SetWindowTextW(this->control(control), widen(text).c_str());
}

void WindowToolkit::replace_text(std::string_view control, std::string_view text) {
  HWND box = this->control(control);
  SendMessageW(box, EM_SETSEL, 0, -1);
  SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(widen(text).c_str()));
}

void WindowToolkit::set_focus(std::string_view control) {
  SetFocus(this->control(control));
}

void WindowToolkit::select_whole_text(std::string_view control) {
  SendMessageW(this->control(control), EM_SETSEL, 0, -1);
}

bool WindowToolkit::ask(const ui::Question &question) {
  return MessageBoxW(window_.handle(), widen(question.prompt).c_str(),
                     widen(question.title).c_str(),
                     MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON1) == IDOK;
}

void WindowToolkit::show_about() {
  WindowToolkit about(ui::fAbout::description, window_.handle());
  ui::fAbout form(about);
  about.window().bind(&form);
  form.handle(ui::fAbout::description.name, ui::Event::Load);
  about.window().run_modal();
}

void WindowToolkit::close() {
  window_.close();
}

void WindowToolkit::quit() {
  NativeWindow::end_program();
}

EditFields::EditFields(const NativeWindow &window) {
  for (std::size_t i = 0; i < field_count; ++i)
    boxes_[i] = window.control(field_name(static_cast<Field>(i)));
}

std::string EditFields::text(Field field) const {
  return narrow(window_text(boxes_[static_cast<std::size_t>(field)]));
}

void EditFields::set_text(Field field, std::string_view text) {
  HWND box = boxes_[static_cast<std::size_t>(field)];
  const std::wstring value = widen(text);
  const std::wstring replaced = window_text(box);
  if (replaced == value)
    return;
  // A pass writes an input only to reset it, throwing away what the user
  // gave. Written as an edit that may be undone, the reset is Ctrl+Z away
  // from the user's text. Results, and a box that held nothing (as at load),
  // are simply set.
  if ((GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) || replaced.empty()) {
    SetWindowTextW(box, value.c_str());
    return;
  }
  SendMessageW(box, EM_SETSEL, 0, -1);
  SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(value.c_str()));
}

std::string user_decimal_separator() {
  wchar_t separator[8] = L".";
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 0)
    return ".";
  return narrow(separator);
}

int run_calculator() {
  WindowToolkit calculator(ui::fMovla::description, nullptr);
  EditFields fields(calculator.window());
  ui::fMovla form(calculator, fields, user_decimal_separator());
  calculator.window().bind(&form);
  form.handle(ui::fMovla::description.name, ui::Event::Load);
  calculator.window().show();
  return NativeWindow::run_program();
}

} // namespace movla::win32

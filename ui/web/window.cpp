// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "window.h"

#include "accessibility.h"
#include "colours.h"
#include "controls.h"
#include "open_window.h"
#include "page.h"
#include "text_box.h"

#include <string>
#include <utility>

namespace movla::web {

WebWindow::WebWindow(int id, const ui::WindowDescription &description)
    : id_(id), description_(description), rules_(description, *this) {}

void WebWindow::open(std::unique_ptr<ui::Form> form) {
  const std::string_view name = description_.name, caption = description_.caption;
  // The colours are decided before the window fills the page, whose style
  // is then quickly worked out to read the scheme's colours from.
  const ui::PinnedColours pinned = pinned_colours(description_);
  const std::string back = css_colour(description_.back);
  page::imports::window_open(id_, name.data(), name.size(), description_.modal, caption.data(),
                             caption.size(), ui::twips_to_pixels(description_.client_width),
                             ui::twips_to_pixels(description_.client_height), back.data(),
                             back.size());
  build_controls(id_, description_.controls);
  describe_controls(id_, description_);
  paint(id_, description_, pinned);
  rules_.bind(std::move(form));
  rules_.load();
  place();
  rules_.focus_first();
}

void WebWindow::place() {
  const page::Size frame = page::unpack(page::imports::window_frame(id_));
  const page::Size area = page::unpack(page::imports::window_area());
  const ui::PixelRect at =
      ui::frame_rect(frame.width, frame.height, {0, 0, area.width, area.height});
  page::imports::window_show(id_, at.left, at.top);
}

void WebWindow::repaint() {
  paint(id_, description_, pinned_colours(description_));
}

void WebWindow::measure() {
  for (std::size_t row = 0; row < description_.controls.size(); ++row) {
    const ui::Control &control = description_.controls[row];
    if (control.kind == ui::Kind::TextBox)
      fit_text(id_, static_cast<int>(row), control, text(control.name));
  }
}

std::string_view WebWindow::name(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= description_.controls.size())
    return {};
  return description_.controls[static_cast<std::size_t>(row)].name;
}

int WebWindow::row(std::string_view control) const {
  for (std::size_t row = 0; row < description_.controls.size(); ++row)
    if (control == description_.controls[row].name)
      return static_cast<int>(row);
  __builtin_trap(); // a handler named a control its table lacks
}

void WebWindow::answer(bool ok) {
  // Cancel has been answered already, while the question was shown.
  if (!ok || asked_by_ < 0)
    return;
  answer_ = true;
  rules_.pressed(name(std::exchange(asked_by_, -1)), true);
  answer_.reset();
}

void WebWindow::set_tooltip(std::string_view control, std::string_view text) {
  page::control_attribute(id_, row(control), "title", text);
}

std::string WebWindow::text(std::string_view control) const {
  std::string text(page::imports::control_text(id_, row(control)), '\0');
  page::imports::take_text(text.data());
  return text;
}

void WebWindow::set_text(std::string_view control, std::string_view text) {
  const int at = row(control);
  page::control_set_text(id_, at, text);
  fit_text(id_, at, description_.controls[static_cast<std::size_t>(at)], text);
}

void WebWindow::replace_text(std::string_view control, std::string_view text) {
  const int at = row(control);
  page::control_replace_text(id_, at, text);
  fit_text(id_, at, description_.controls[static_cast<std::size_t>(at)], text);
}

void WebWindow::select_whole_text(std::string_view control) {
  const int at = row(control);
  const ui::Control &box = description_.controls[static_cast<std::size_t>(at)];
  page::imports::control_select(id_, at, ui::entry_caret(box) == ui::Caret::Start);
}

void WebWindow::set_focus(std::string_view control) {
  page::imports::control_focus(id_, row(control));
}

bool WebWindow::ask(const ui::Question &question) {
  if (answer_)
    return *std::exchange(answer_, std::nullopt);
  asked_by_ = reporting_;
  const std::string_view title = question.title, prompt = question.prompt;
  page::imports::ask(id_, title.data(), title.size(), prompt.data(), prompt.size(),
                     ui::question_ok.data(), ui::question_ok.size(), ui::question_cancel.data(),
                     ui::question_cancel.size());
  return false;
}

void WebWindow::show_about() {
  open_about();
}

void WebWindow::close() {
  rules_.closing();
  closed_ = true;
  page::imports::window_close(id_);
}

void WebWindow::quit() {
  ui::WindowRules::ending();
  page::imports::page_end();
}

namespace {

// Texts the script hands over (a paste, the decimal separator).
std::string handed;

} // namespace

std::string_view handed_text() {
  return handed;
}

namespace {

// How deep the script's reports are nested: a report can start another (a
// focus move the page makes while a handler runs). Windows that closed are
// discarded once the outermost one is done, never under a running handler.
int depth = 0;

template <class Report> int report(int window, int row, Report &&report) {
  WebWindow *target = find_window(window);
  if (!target || target->closed())
    return 0;
  ++depth;
  target->reporting(row);
  const int result = report(*target, target->name(row));
  if (--depth == 0)
    discard_closed_windows();
  return result;
}

} // namespace

} // namespace movla::web

using movla::web::WebWindow;

#define MOVLA_EXPORT(name) __attribute__((export_name(#name)))

extern "C" {

/// Room for a text of `size` bytes the script hands over next.
MOVLA_EXPORT(movla_buffer) char *movla_buffer(std::size_t size) {
  movla::web::handed.resize(size);
  return movla::web::handed.data();
}

/// The focus entered the control in `row`; `entry` as ui::Entry.
MOVLA_EXPORT(movla_entered) void movla_entered(int window, int row, int entry) {
  movla::web::report(window, row, [&](WebWindow &target, std::string_view control) {
    target.rules().entered(control, static_cast<movla::ui::Entry>(entry));
    return 0;
  });
}

/// The focus left the control in `row`, for another of its window when `inside`.
MOVLA_EXPORT(movla_left) void movla_left(int window, int row, bool inside) {
  movla::web::report(window, row, [&](WebWindow &target, std::string_view control) {
    target.rules().left(control, inside);
    return 0;
  });
}

/// The mouse button that went down on the control in `row` came up.
MOVLA_EXPORT(movla_released) void movla_released(int window, int row, bool has_selection) {
  movla::web::report(window, row, [&](WebWindow &target, std::string_view control) {
    target.rules().released(control, has_selection);
    return 0;
  });
}

/// The button in `row` was pressed; `focused` when it holds the focus.
MOVLA_EXPORT(movla_pressed) void movla_pressed(int window, int row, bool focused) {
  movla::web::report(window, row, [&](WebWindow &target, std::string_view control) {
    target.rules().pressed(control, focused);
    return 0;
  });
}

/// Enter (0) or Escape (1) in the control in `row`; true when the page must
/// do nothing more with it.
MOVLA_EXPORT(movla_key) bool movla_key(int window, int row, int key) {
  return movla::web::report(window, row, [&](WebWindow &target, std::string_view control) {
    return target.rules().key(control, key == 0 ? movla::ui::Key::Enter : movla::ui::Key::Escape);
  });
}

/// The row Tab (or Shift+Tab, `backwards`) moves the focus to from `row`.
MOVLA_EXPORT(movla_tab) int movla_tab(int window, int row, bool backwards) {
  WebWindow *target = movla::web::find_window(window);
  return target ? movla::web::next_tab_stop(target->description().controls, row, backwards) : -1;
}

/// What a paste of the buffer's text puts into a box: -1 for the text as it
/// is, or the length of the line now in the buffer.
MOVLA_EXPORT(movla_paste) int movla_paste() {
  std::string line = movla::ui::pasted_line(movla::web::handed);
  if (line == movla::web::handed)
    return -1;
  movla::web::handed = std::move(line);
  return static_cast<int>(movla::web::handed.size());
}

/// The user answered the question the window asked: OK when `ok`.
MOVLA_EXPORT(movla_answer) void movla_answer(int window, bool ok) {
  movla::web::report(window, -1, [&](WebWindow &target, std::string_view) {
    target.answer(ok);
    return 0;
  });
}

/// The page changed its size, its colour scheme, or its fonts.
MOVLA_EXPORT(movla_place) void movla_place() {
  movla::web::for_each_window([](WebWindow &window) { window.place(); });
}
MOVLA_EXPORT(movla_repaint) void movla_repaint() {
  movla::web::for_each_window([](WebWindow &window) { window.repaint(); });
}
MOVLA_EXPORT(movla_measure) void movla_measure() {
  movla::web::for_each_window([](WebWindow &window) { window.measure(); });
}
}

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "window_rules.h"

#include <algorithm>

namespace movla::ui {

std::vector<std::size_t> tab_order(std::span<const Control> table) {
  std::vector<std::size_t> rows;
  for (std::size_t row = 0; row < table.size(); ++row)
    if (table[row].tab_index != no_tab_index)
      rows.push_back(row);
  std::ranges::stable_sort(rows, {}, [&](std::size_t row) { return table[row].tab_index; });
  return rows;
}

FontFace font_face(std::string_view family) {
  static constexpr const char *sans[] = {"Liberation Sans", "Arial"};
  if (family == "MS Sans Serif")
    return {sans, 95};
  if (family == "Arial")
    return {std::span(sans).first(1), 100};
  return {{}, 100};
}

PixelRect frame_rect(int frame_width, int frame_height, const PixelRect &work_area) {
  if (frame_width > work_area.width || frame_height > work_area.height)
    return {work_area.left, work_area.top, frame_width, frame_height};
  return {work_area.left + (work_area.width - frame_width) / 2,
          work_area.top + (work_area.height - frame_height) / 2, frame_width, frame_height};
}

WindowRules::WindowRules(const WindowDescription &description, Toolkit &toolkit)
    : description_(description), toolkit_(toolkit) {}

void WindowRules::run(std::string_view control, Event event) {
  if (form_ && !closed_ && !ending_)
    form_->handle(control, event);
}

void WindowRules::load() {
  run(description_.name, Event::Load);
}

void WindowRules::focus_first() {
  if (!description_.first_focus)
    return;
  got_focus_.clear();
  toolkit_.set_focus(description_.first_focus);
  if (got_focus_ != description_.first_focus)
    entered(description_.first_focus, Entry::Other);
}

void WindowRules::entered(std::string_view control, Entry entry) {
  clicked_.clear();
  if (entry == Entry::Outside)
    return;
  if (form_ && form_->handles(control, Event::GotFocus)) {
    got_focus_ = control;
    run(control, Event::GotFocus);
    // The click goes on to place the cursor: the selection is made again
    // on release, unless the user dragged one of their own.
    if (entry == Entry::Click)
      clicked_ = control;
    return;
  }
  const Control *row = find_control(description_.controls, control);
  if (entry == Entry::Key && row && row->kind == Kind::TextBox)
    toolkit_.select_whole_text(control);
}

void WindowRules::left(std::string_view control, bool inside) {
  clicked_.clear();
  if (inside)
    run(control, Event::LostFocus);
}

void WindowRules::released(std::string_view control, bool has_selection) {
  if (!clicked_.empty() && clicked_ == control && !has_selection && !closed_)
    toolkit_.select_whole_text(control);
  clicked_.clear();
}

void WindowRules::pressed(std::string_view button, bool focused) {
  if (!focused && !closed_ && !ending_)
    toolkit_.set_focus(button);
  run(button, Event::Click);
}

bool WindowRules::key(std::string_view focused, Key key) {
  const Control *row = find_control(description_.controls, focused);
  if (key == Key::Enter && row && row->kind == Kind::Button)
    pressed(focused, true);
  return true;
}

} // namespace movla::ui

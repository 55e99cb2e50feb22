// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "text_box.h"

#include "box_rules.h"
#include "page.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace movla::web {

namespace {

bool starts_code_point(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// Where the code point after the first `count` ends in `text`.
std::size_t bytes_of(std::string_view text, std::size_t count) {
  std::size_t at = 0;
  for (std::size_t seen = 0; at < text.size(); ++at)
    if (starts_code_point(text[at]) && seen++ == count)
      break;
  return at;
}

} // namespace

void fit_text(int window, int row, const ui::Control &box, std::string_view text) {
  if (box.kind != ui::Kind::TextBox || !(box.options & ui::ReadOnly))
    return;
  // The width alone first: most results fit, and need no more.
  const double room = page::imports::text_room(window, row);
  const double width = page::imports::text_measure(window, row, text.data(), text.size(), nullptr);
  if (!ui::is_cut(width, room)) {
    page::text_cut(window, row, {}, {});
    return;
  }
  const std::size_t characters = static_cast<std::size_t>(
      std::ranges::count_if(text, [](char byte) { return starts_code_point(byte); }));
  std::vector<double> ends(characters);
  page::imports::text_measure(window, row, text.data(), text.size(), ends.data());
  const double mark_width =
      page::imports::text_measure(window, row, ui::cut_mark.data(), ui::cut_mark.size(), nullptr);
  const std::size_t shown = ui::shown_before_mark(ends, room, mark_width);
  double widest = 0;
  for (std::size_t i = 0; i < characters; ++i)
    widest = std::max(widest, ends[i] - (i == 0 ? 0 : ends[i - 1]));
  const std::string start =
      std::string(text.substr(0, bytes_of(text, shown))) + std::string(ui::cut_mark);
  page::text_cut(
      window, row, start,
      ui::hover_text(text, page::imports::screen_width(), static_cast<int>(std::lround(widest))));
}

} // namespace movla::web

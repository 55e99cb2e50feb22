// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "controls.h"

#include "box_rules.h"
#include "page.h"
#include "window_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace movla::web {

namespace {

void append_number(std::string &text, long value) {
  char digits[24];
  text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// The rows in the order the page stacks and tabs them.
std::vector<std::size_t> page_order(std::span<const ui::Control> table) {
  std::vector<std::size_t> order;
  for (const ui::Kind kind : {ui::Kind::Band, ui::Kind::Line})
    for (std::size_t row = 0; row < table.size(); ++row)
      if (table[row].kind == kind)
        order.push_back(row);
  for (const std::size_t row : ui::tab_order(table))
    if (std::ranges::find(order, row) == order.end())
      order.push_back(row);
  for (std::size_t row = 0; row < table.size(); ++row)
    if (std::ranges::find(order, row) == order.end())
      order.push_back(row);
  return order;
}

} // namespace

std::string css_font(const ui::Font &font) {
  std::string css;
  if (font.italic)
    css += "italic ";
  if (font.bold)
    css += "bold ";
  // Points in hundredths: the tables give them to two places (9.75, 20.25).
  const long hundredths = std::lround(font.points * 100);
  append_number(css, hundredths / 100);
  if (hundredths % 100 != 0) {
    css += '.';
    css += static_cast<char>('0' + hundredths % 100 / 10);
    if (hundredths % 10 != 0)
      css += static_cast<char>('0' + hundredths % 10);
  }
  css += "pt ";
  for (const char *family : ui::font_face(font.family).families) {
    css += '"';
    css += family;
    css += "\", ";
  }
  // The desktop's own sans-serif, where none of those faces is installed.
  css += "sans-serif";
  return css;
}

AccessKey access_key(std::string_view text) {
  AccessKey key{{}, -1};
  int characters = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '&' && at + 1 < text.size()) {
      ++at; // "&&" stands for "&" itself
      if (text[at] != '&' && key.marked < 0)
        key.marked = characters;
    }
    if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
      ++characters;
    key.shown += text[at];
  }
  return key;
}

void build_controls(int window, std::span<const ui::Control> table) {
  for (const std::size_t row : page_order(table)) {
    const ui::Control &control = table[row];
    const ui::PixelRect rect = ui::pixel_rect(control);
    const AccessKey text =
        control.kind == ui::Kind::Button ? access_key(control.text) : AccessKey{control.text, -1};
    const int at = static_cast<int>(row);
    const std::string_view name = control.name;
    page::imports::control_create(window, at, name.data(), name.size(),
                                  static_cast<int>(control.kind), rect.left, rect.top, rect.width,
                                  rect.height, static_cast<int>(control.align), control.options,
                                  text.shown.data(), text.shown.size(), text.marked);
    if (control.kind == ui::Kind::TextBox) {
      char limit[8];
      page::control_attribute(
          window, at, "maxlength",
          std::string_view(limit, std::to_chars(limit, limit + sizeof limit, ui::max_length).ptr));
    }
    if (control.kind != ui::Kind::Band && control.kind != ui::Kind::Line &&
        control.kind != ui::Kind::Picture)
      page::control_font(window, at, css_font(control.font),
                         ui::font_face(control.font.family).stretch);
  }
}

int next_tab_stop(std::span<const ui::Control> table, int row, bool backwards) {
  std::vector<std::size_t> stops;
  for (const std::size_t stop : ui::tab_order(table))
    if (ui::takes_focus(table[stop].kind))
      stops.push_back(stop);
  if (stops.empty())
    return -1;
  const auto here = std::ranges::find(stops, static_cast<std::size_t>(row));
  if (here == stops.end())
    return static_cast<int>(backwards ? stops.back() : stops.front());
  const std::size_t at = static_cast<std::size_t>(here - stops.begin());
  const std::size_t next =
      backwards ? (at + stops.size() - 1) % stops.size() : (at + 1) % stops.size();
  return static_cast<int>(stops[next]);
}

} // namespace movla::web

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "box_rules.h"

#include "toolkit.h"

#include <algorithm>

namespace movla::ui {

namespace {

// The code point that starts `text` at `at`, and where the next one starts.
// A stray byte stands for itself, so that no text is lost or loops.
char32_t decode(std::string_view text, std::size_t &at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (extra > 0 && at + extra >= text.size()) {
    ++at;
    return lead;
  }
  char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i)
    c = (c << 6) | (byte(at + i) & 0x3F);
  at += 1 + extra;
  return c;
}

constexpr bool is_break(char32_t c) {
  return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

constexpr bool is_blank(char32_t c) {
  return c == 0x09 || is_break(c) || c == 0x20 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

} // namespace

std::string pasted_line(std::string_view text) {
  std::size_t start = 0;
  bool blank = true;
  bool broken = false;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t here = at;
    const char32_t c = decode(text, at);
    if (is_break(c)) {
      if (!blank)
        return std::string(text.substr(start, here - start));
      broken = true;
      start = at;
    } else if (!is_blank(c)) {
      blank = false;
    }
  }
  if (!broken)
    return std::string(text);
  return blank ? std::string() : std::string(text.substr(start));
}

Write how_to_write(const Control &box, std::string_view shown, std::string_view text) {
  if (shown == text)
    return Write::Nothing;
  return (box.options & ReadOnly) || shown.empty() ? Write::Set : Write::Edit;
}

Caret entry_caret(const Control &box) {
  return (box.options & ReadOnly) ? Caret::Start : Caret::End;
}

std::size_t shown_before_mark(std::span<const double> ends, double room, double mark_width) {
  std::size_t shown = 0;
  while (shown < ends.size() && ends[shown] <= room - 1 - mark_width)
    ++shown;
  return shown;
}

std::string hover_text(std::string_view text, int screen_width, int widest_character) {
  const int per_line = std::max(8, screen_width / 2 / std::max(1, widest_character));
  std::string wrapped;
  int on_line = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t here = at;
    decode(text, at);
    if (on_line++ == per_line) {
      wrapped += '\n';
      on_line = 1;
    }
    wrapped += text.substr(here, at - here);
  }
  return wrapped;
}

BoxFields::BoxFields(Toolkit &toolkit, std::span<const Control> table)
    : toolkit_(toolkit), table_(table) {}

std::string BoxFields::text(Field field) const {
  return toolkit_.text(field_name(field));
}

void BoxFields::set_text(Field field, std::string_view text) {
  const std::string_view name = field_name(field);
  const Control *box = find_control(table_, name);
  switch (box ? how_to_write(*box, toolkit_.text(name), text) : Write::Set) {
  case Write::Nothing:
    break;
  case Write::Set:
    toolkit_.set_text(name, text);
    break;
  case Write::Edit:
    toolkit_.replace_text(name, text);
    break;
  }
}

} // namespace movla::ui

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "colours.h"

#include "colour_rule.h"
#include "page.h"

#include <charconv>
#include <string_view>

namespace movla::web {

namespace {

// The CSS system colour that stands for each desktop colour: the colours of
// a text box, which the tables' window background and text are, and of a
// button's text.
std::string_view css_name(ui::SystemColour colour) {
  switch (colour) {
  case ui::SystemColour::WindowBackground:
    return "Field";
  case ui::SystemColour::WindowText:
    return "FieldText";
  case ui::SystemColour::ButtonText:
    return "ButtonText";
  }
  return {};
}

std::string css_of(const ui::Colour &colour, const ui::PinnedColours &pinned) {
  switch (colour.source) {
  case ui::Colour::Source::None:
    return {};
  case ui::Colour::Source::Rgb:
    return css_colour(colour.rgb);
  case ui::Colour::Source::System:
    if (pinned[static_cast<std::size_t>(colour.system)])
      return css_colour(ui::classic_light(colour.system));
    return std::string(css_name(colour.system));
  }
  return {};
}

} // namespace

std::string css_colour(ui::Rgb rgb) {
  std::string css = "rgb(";
  for (const std::uint8_t channel : {rgb.red, rgb.green, rgb.blue}) {
    char digits[4];
    css.append(digits, std::to_chars(digits, digits + sizeof digits, channel).ptr);
    css += ' ';
  }
  css.back() = ')';
  return css;
}

ui::PinnedColours pinned_colours(const ui::WindowDescription &description) {
  const auto pairs = ui::colour_pairs(description.controls, description.back);
  // One colour scheme holds for the whole page, so a system colour shows
  // the same in every control.
  return ui::pinned_colours(pairs, [](const ui::Painted &painted) {
    const unsigned rgb = page::system_colour(css_name(painted.colour.system));
    return ui::Rgb{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                   static_cast<std::uint8_t>(rgb)};
  });
}

void paint(int window, const ui::WindowDescription &description, const ui::PinnedColours &pinned) {
  const auto table = description.controls;
  for (std::size_t row = 0; row < table.size(); ++row) {
    const ui::Control &control = table[row];
    std::string text, fill;
    switch (control.kind) {
    case ui::Kind::Band:
    case ui::Kind::Picture:
      fill = css_of(control.back, pinned);
      break;
    case ui::Kind::Line:
      fill = css_of(control.fore, pinned);
      break;
    case ui::Kind::Label:
    case ui::Kind::TextBox:
      text = css_of(control.fore, pinned);
      fill = css_of(control.back, pinned);
      break;
    case ui::Kind::Button: // the browser's own
      continue;
    }
    page::control_colours(window, static_cast<int>(row), text, fill);
  }
}

} // namespace movla::web

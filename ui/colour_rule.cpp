// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "colour_rule.h"

#include <algorithm>
#include <cmath>

namespace movla::ui {

namespace {

double luminance(Rgb colour) {
  const auto linear = [](std::uint8_t value) {
    const double channel = value / 255.0;
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

bool contains(const PixelRect &outer, const PixelRect &inner) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

} // namespace

Painted beneath(std::span<const Control> table, std::size_t row, Rgb window_back) {
  const PixelRect rect = pixel_rect(table[row]);
  for (std::size_t band = table.size(); band-- > 0;)
    if (table[band].kind == Kind::Band && table[band].back.source != Colour::Source::None &&
        contains(pixel_rect(table[band]), rect))
      return {table[band].back, band};
  return {{Colour::Source::Rgb, window_back}, window_row};
}

double contrast(Rgb a, Rgb b) {
  // The list form returns values: the two-argument form would return
  // references to the temporaries.
  const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
  return (lighter + 0.05) / (darker + 0.05);
}

Rgb classic_light(SystemColour colour) {
  switch (colour) {
  case SystemColour::WindowBackground:
    return {255, 255, 255};
  case SystemColour::WindowText:
  case SystemColour::ButtonText:
    return {0, 0, 0};
  }
  return {};
}

std::vector<ColourPair> colour_pairs(std::span<const Control> table, Rgb window_back) {
  std::vector<ColourPair> pairs;
  for (std::size_t row = 0; row < table.size(); ++row) {
    const Control &control = table[row];
    if (control.fore.source == Colour::Source::None)
      continue;
    if (control.kind == Kind::Label)
      pairs.push_back({{control.fore, row},
                       control.back.source == Colour::Source::None
                           ? beneath(table, row, window_back)
                           : Painted{control.back, row}});
    else if (control.kind == Kind::TextBox && control.back.source != Colour::Source::None)
      pairs.push_back({{control.fore, row}, {control.back, row}});
  }
  return pairs;
}

PinnedColours pinned_colours(std::span<const ColourPair> pairs, const LiveColour &live) {
  PinnedColours pinned;
  const auto fixed = [&pinned](const Colour &colour) {
    return colour.source == Colour::Source::Rgb || pinned[static_cast<std::size_t>(colour.system)];
  };
  const auto shown = [&](const Painted &painted) {
    if (painted.colour.source == Colour::Source::Rgb)
      return painted.colour.rgb;
    if (pinned[static_cast<std::size_t>(painted.colour.system)])
      return classic_light(painted.colour.system);
    return live(painted);
  };
  for (bool changed = true; changed;) {
    changed = false;
    for (const auto &[text, background] : pairs) {
      if (fixed(text.colour) == fixed(background.colour))
        continue;
      if (contrast(shown(text), shown(background)) >= minimum_contrast)
        continue;
      pinned.set(static_cast<std::size_t>(fixed(text.colour) ? background.colour.system
                                                             : text.colour.system));
      // Now fixed, this colour may in turn spoil a pair it made with another system colour.
      changed = true;
    }
  }
  return pinned;
}

} // namespace movla::ui

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "colour_rule.h"
#include "fAbout.h"
#include "fMovla.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using namespace movla::ui;

TEST(Contrast, FollowsWcag) {
  struct Case {
    Rgb a, b;
    double ratio;
  };
  const Case cases[] = {
      {{255, 255, 255}, {0, 0, 0}, 21.0},
      {{0, 0, 0}, {255, 255, 255}, 21.0},
      {{0, 0, 128}, {0, 0, 128}, 1.0},
      {{0, 0, 128}, {0x87, 0x87, 0x87}, 4.46}, // navy on mid-grey: just short of 4.5
      {{0, 0, 128}, {255, 255, 192}, 15.49},
  };
  for (const Case &c : cases)
    EXPECT_NEAR(contrast(c.a, c.b), c.ratio, 0.01);
}

// A desktop palette: the value of each system colour.
using Palette = std::array<Rgb, system_colour_count>;
constexpr Palette light{{{255, 255, 255}, {0, 0, 0}, {0, 0, 0}}};
constexpr Palette adwaita_dark{{{0x24, 0x24, 0x24}, {0xf0, 0xf0, 0xf0}, {0xf0, 0xf0, 0xf0}}};
constexpr Palette mid_grey{{{0x87, 0x87, 0x87}, {0, 0, 0}, {0, 0, 0}}};

PinnedColours pinned_on(std::span<const Control> table, Rgb back, const Palette &palette) {
  const auto pairs = colour_pairs(table, back);
  return pinned_colours(pairs, [&palette](const Painted &painted) {
    return palette[static_cast<std::size_t>(painted.colour.system)];
  });
}

constexpr Colour navy = rgb(0, 0, 128);
constexpr Colour background = system(SystemColour::WindowBackground);
constexpr Colour text = system(SystemColour::WindowText);
constexpr Font font{"Arial", 10};

// Pinning the background to white spoils the theme's light text on it: that
// text is pinned to black in turn.
constexpr Control chained[] = {
    {"fixed", Kind::Label, "", 0, 0, 600, 300, 0, font, navy, background, Align::Left, NoOption},
    {"themed", Kind::TextBox, "", 0, 600, 600, 300, 1, font, text, background, Align::Left,
     NoOption},
};

TEST(ReadableColours, PinsOnlyWhatAFixedColourNeeds) {
  struct Case {
    const char *what;
    std::span<const Control> table;
    Rgb back;
    Palette palette;
    PinnedColours pinned;
  };
  const auto only = [](SystemColour colour) {
    return PinnedColours().set(static_cast<std::size_t>(colour));
  };
  const Case cases[] = {
      {"calculator, light", fMovla::description.controls, fMovla::description.back, light, {}},
      {"calculator, dark", fMovla::description.controls, fMovla::description.back, adwaita_dark,
       only(SystemColour::WindowBackground)},
      {"calculator, mid-grey", fMovla::description.controls, fMovla::description.back, mid_grey,
       only(SystemColour::WindowBackground)},
      // Its system colours meet only each other, which the theme keeps readable.
      {"About, dark", fAbout::description.controls, fAbout::description.back, adwaita_dark, {}},
      {"chained, light", chained, {255, 255, 192}, light, {}},
      {"chained, dark",
       chained,
       {255, 255, 192},
       adwaita_dark,
       only(SystemColour::WindowBackground) | only(SystemColour::WindowText)},
  };
  for (const Case &c : cases)
    EXPECT_EQ(pinned_on(c.table, c.back, c.palette), c.pinned) << c.what;
}

TEST(ReadableColours, TransparentLabelIsReadAgainstWhatShowsThrough) {
  constexpr Control table[] = {
      {"band", Kind::Band, "", 0, 0, 1500, 600, no_tab_index, font, transparent, background,
       Align::Left, NoOption},
      {"on", Kind::Label, "", 150, 150, 600, 300, 0, font, navy, transparent, Align::Left,
       NoOption},
      {"across", Kind::Label, "", 150, 450, 600, 300, 1, font, navy, transparent, Align::Left,
       NoOption},
  };
  const auto pairs = colour_pairs(table, {1, 2, 3});
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].background.row, 0u);
  EXPECT_EQ(pairs[0].background.colour, background);
  EXPECT_EQ(pairs[1].background.row, window_row);
  EXPECT_EQ(pairs[1].background.colour, rgb(1, 2, 3));
}

} // namespace

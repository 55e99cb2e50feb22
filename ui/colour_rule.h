// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Which system colours a window shows in their classic light value, so that
// every text stays readable on whatever palette the desktop has.
//
// The control tables pair fixed colours (navy text) with system colours (the
// window-background colour behind the input boxes and headings), a layout
// drawn against the classic light desktop. On a dark palette such a pair can
// become unreadable, so: every fixed colour stays as it is; where a fixed
// colour meets a system colour and the pair falls below a contrast of 4.5:1
// (WCAG 2), that system colour takes its classic light value (window
// background white, window text black...) in the whole window, and the window
// keeps its designed look on a dark desktop. A pair of two system colours is
// the theme's to keep readable and stays as the theme paints it. On a light
// palette every pair holds and nothing changes. A toolkit layer applies the
// rule again whenever the desktop's palette changes.

#include "form.h"

#include <bitset>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

namespace movla::ui {

inline constexpr double minimum_contrast = 4.5;

/// WCAG 2 contrast ratio of two colours, from 1 to 21.
double contrast(Rgb a, Rgb b);

/// The value of a system colour on the classic light desktop.
Rgb classic_light(SystemColour colour);

/// A table colour and who paints it: the control of row `row`, or the
/// window itself when `row` is `window_row`.
struct Painted {
  Colour colour;
  std::size_t row;
};
inline constexpr std::size_t window_row = static_cast<std::size_t>(-1);

/// What shows through the transparent control of row `row`: the topmost
/// band that holds it whole, or else the window's background `window_back`.
Painted beneath(std::span<const Control> table, std::size_t row, Rgb window_back);

/// A text colour and the colour it is read against.
struct ColourPair {
  Painted text, background;
};

/// The pairs of a window: each label's text against its own background or,
/// when it has none, against what shows through it (the topmost band that
/// holds it whole, or else the window's background `window_back`); each text
/// box's text against its background. Controls missing a colour make no pair.
std::vector<ColourPair> colour_pairs(std::span<const Control> table, Rgb window_back);

/// The system colours shown in their classic light value.
using PinnedColours = std::bitset<system_colour_count>;

/// What a toolkit shows for a system colour painted by a control now.
using LiveColour = std::function<Rgb(const Painted &)>;

/// The system colours that must take their classic light value so that no
/// pair of a fixed colour and a system colour reads below minimum_contrast.
PinnedColours pinned_colours(std::span<const ColourPair> pairs, const LiveColour &live);

} // namespace movla::ui

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "colours.h"

#include "colour_rule.h"
#include "controls.h"

#include <vector>

namespace movla::qt {

namespace {

using namespace ui;

// The palette role that stands for each system colour.
QPalette::ColorRole roleOf(SystemColour colour) {
  constexpr QPalette::ColorRole roles[] = {QPalette::Base, QPalette::Text, QPalette::ButtonText};
  static_assert(std::size(roles) == system_colour_count);
  return roles[static_cast<std::size_t>(colour)];
}

Rgb rgbOf(const QColor &colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

} // namespace

void paintReadable(const WindowDescription &description, QWidget *window) {
  QPalette background = window->palette();
  background.setColor(QPalette::Window, qColor(description.back));
  window->setPalette(background);
  // Back to the palettes the theme and the window give the controls, which
  // the system colours are read from.
  const std::span<const Control> table = description.controls;
  std::vector<QWidget *> widgets;
  for (const Control &row : table) {
    widgets.push_back(control<QWidget>(window, row.name));
    if (row.kind != Kind::Button)
      widgets.back()->setPalette(QPalette());
  }
  const auto live = [&](const Painted &painted) {
    const QWidget *widget = painted.row == window_row ? window : widgets[painted.row];
    return rgbOf(widget->palette().color(roleOf(painted.colour.system)));
  };
  const PinnedColours pinned = pinned_colours(colour_pairs(table, description.back), live);

  // A text box's text and background, a label's text, and what a band, a
  // picture or a label fills with its back colour, a line with its fore.
  for (std::size_t row = 0; row < table.size(); ++row) {
    const Control &control = table[row];
    QWidget *widget = widgets[row];
    QPalette palette = widget->palette();
    const auto set = [&](QPalette::ColorRole role, const Colour &colour) {
      if (colour.source == Colour::Source::Rgb)
        palette.setBrush(role, qColor(colour.rgb));
      else if (colour.source == Colour::Source::System)
        palette.setBrush(role, pinned[static_cast<std::size_t>(colour.system)]
                                   ? QBrush(qColor(classic_light(colour.system)))
                                   : widget->palette().brush(roleOf(colour.system)));
    };
    if (control.kind == Kind::Button)
      continue;
    if (control.kind == Kind::TextBox) {
      set(QPalette::Text, control.fore);
      set(QPalette::Base, control.back);
    } else {
      if (control.kind == Kind::Label)
        set(QPalette::WindowText, control.fore);
      const Colour &fill = control.kind == Kind::Line ? control.fore : control.back;
      if (fill.source != Colour::Source::None) {
        const QPalette::ColorRole role =
            fill.source == Colour::Source::System ? roleOf(fill.system) : QPalette::Window;
        set(role, fill);
        widget->setBackgroundRole(role);
        widget->setAutoFillBackground(true);
      }
    }
    widget->setPalette(palette);
  }
}

} // namespace movla::qt

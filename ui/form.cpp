// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "form.h"

#include <cmath>

namespace movla::ui {

int twips_to_pixels(int twips, int dpi) {
  return static_cast<int>(std::lround(twips * static_cast<double>(dpi) / 1440.0));
}

PixelRect pixel_rect(const Control &control, int dpi) {
  const int height = control.kind == Kind::Line
                         ? static_cast<int>(std::lround(line_pixels * dpi / 96.0))
                         : twips_to_pixels(control.height, dpi);
  return {twips_to_pixels(control.left, dpi), twips_to_pixels(control.top, dpi),
          twips_to_pixels(control.width, dpi), height};
}

const Control *find_control(std::span<const Control> table, std::string_view name) {
  for (const Control &control : table)
    if (name == control.name)
      return &control;
  return nullptr;
}

} // namespace movla::ui

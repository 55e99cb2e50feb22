// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "accessibility.h"

#include "page.h"

#include <string_view>

namespace movla::web {

void describe_controls(int window, const ui::WindowDescription &description) {
  const auto table = description.controls;
  for (const ui::AccessibleText &text : description.accessible) {
    const ui::Control *control = ui::find_control(table, text.control);
    if (!control)
      continue;
    const int row = static_cast<int>(control - table.data());
    page::control_attribute(window, row, "aria-label", text.name);
    // The tooltip says the same, but a tooltip shows only to the mouse.
    if (text.description)
      page::control_attribute(window, row, "aria-description", text.description);
  }
}

} // namespace movla::web

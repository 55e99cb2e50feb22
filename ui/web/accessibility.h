// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What a screen reader is told: each box's accessible name and description
// from its window's description, as ARIA attributes of its input element.

#include "form.h"

namespace movla::web {

/// Names and describes the controls of the page's window `window`.
void describe_controls(int window, const ui::WindowDescription &description);

} // namespace movla::web

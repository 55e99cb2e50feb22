// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What the page's text boxes need beyond the browser's input element: a
// result too long for its box shows its start and the cut mark, and its
// whole text on hover (box_rules.h). The script also keeps the one line a
// paste puts in, the limit, and the undo of a reset (text_box.js).

#include "form.h"

#include <string_view>

namespace movla::web {

/// Shows `text`, now in the box of `row`, whole or, for a result too long
/// for its box, cut; a box the user types into is the browser's to scroll.
void fit_text(int window, int row, const ui::Control &box, std::string_view text);

} // namespace movla::web

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Opens the calculator and About in the page, and keeps the windows open
// there, each known to the script by its number.

#include <functional>
#include <string_view>

namespace movla::web {

class WebWindow;

/// Opens the calculator, reading and writing numbers with `decimal_separator`
/// and note names as `language` ("de-DE") writes them.
void open_calculator(std::string_view decimal_separator, std::string_view language);

/// Opens About, modal over the calculator; made anew at every opening.
void open_about();

/// The open window numbered `id`, or null.
WebWindow *find_window(int id);

/// Runs `each` for every open window.
void for_each_window(const std::function<void(WebWindow &)> &each);

/// Discards the windows that have closed, with their handlers.
void discard_closed_windows();

} // namespace movla::web

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The module's entry: the page's script (main.js) calls movla_start once it
// has connected, and the calculator opens; every later call is a report of
// what the user does (ui/web/window.cpp).

#include "open_window.h"
#include "window.h"

#include <string>

/// Opens the calculator; the text last handed over is the page's decimal
/// separator and its language's name ("de-DE"), a line each.
extern "C" __attribute__((export_name("movla_start"))) void movla_start() {
  const std::string handed(movla::web::handed_text());
  const std::size_t line = handed.find('\n');
  movla::web::open_calculator(handed.substr(0, line),
                              line == std::string::npos ? "" : handed.substr(line + 1));
}

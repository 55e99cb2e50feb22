// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The module's entry: the page's script (main.js) calls movla_start once it
// has connected, and the calculator opens; every later call is a report of
// what the user does (ui/web/window.cpp).

#include "open_window.h"
#include "window.h"

/// Opens the calculator; the text last handed over is the page's decimal separator.
extern "C" __attribute__((export_name("movla_start"))) void movla_start() {
  movla::web::open_calculator(movla::web::handed_text());
}

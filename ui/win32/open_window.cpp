// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "open_window.h"

#include "text.h"
#include "window.h"

#include "box_rules.h"
#include "fAbout.h"
#include "fMovla.h"

#include <memory>

namespace movla::win32 {

int run_calculator() {
  // The decimal separator of the user's regional settings; "." if they
  // cannot be read.
  wchar_t separator[8] = L".";
  GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
  Window calculator(ui::fMovla::description, nullptr);
  ui::BoxFields fields(calculator, ui::fMovla::description.controls);
  calculator.rules().bind(std::make_unique<ui::fMovla>(calculator, fields, narrow(separator)));
  calculator.run();
  return 0;
}

void open_about(HWND owner) {
  Window about(ui::fAbout::description, owner);
  about.rules().bind(std::make_unique<ui::fAbout>(about));
  about.run();
}

} // namespace movla::win32

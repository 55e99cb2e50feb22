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
  // The decimal separator and the locale of the user's regional settings;
  // "." and none if they cannot be read.
  wchar_t separator[8] = L".", locale[LOCALE_NAME_MAX_LENGTH] = L"";
  GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
  GetUserDefaultLocaleName(locale, LOCALE_NAME_MAX_LENGTH);
  Window calculator(ui::fMovla::description, nullptr);
  ui::BoxFields fields(calculator, ui::fMovla::description.controls);
  calculator.rules().bind(
      std::make_unique<ui::fMovla>(calculator, fields, narrow(separator), narrow(locale)));
  calculator.run();
  return 0;
}

void open_about(HWND owner) {
  Window about(ui::fAbout::description, owner);
  about.rules().bind(std::make_unique<ui::fAbout>(about));
  about.run();
}

} // namespace movla::win32

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "fAbout.h"

#include <string>

namespace movla::ui {

fAbout::fAbout(Toolkit &toolkit) : toolkit_(toolkit) {}

std::span<const Handler<fAbout>> fAbout::events() {
  static constexpr Handler<fAbout> table[] = {
      {"fAbout", Event::Load, &fAbout::Form_Load},
      {"bDone", Event::Click, &fAbout::bDone_Click},
  };
  return table;
}

void fAbout::Form_Load() {
  toolkit_.set_text("lbl_Disclaimer", texts.disclaimer);
  toolkit_.set_text("lbl_Disclaimer", toolkit_.text("lbl_Disclaimer") + texts.disclaimer_continued);
  toolkit_.set_text("lbl_Version", texts.version);
}

void fAbout::bDone_Click() {
  toolkit_.close();
}

} // namespace movla::ui

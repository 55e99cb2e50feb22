// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// fAbout, the About window: title, version line, credits and disclaimer.
// Opened modally by the calculator window and built anew at every opening,
// so Form_Load runs at each. The layout and texts are in fAbout_table.cpp.

#include "form.h"
#include "toolkit.h"

#include <span>

namespace movla::ui {

class fAbout final : public FormOf<fAbout> {
public:
  static const WindowDescription description;
  /// The texts Form_Load sets: the disclaimer in its two parts, and the version line.
  struct Texts {
    const char *disclaimer;
    const char *disclaimer_continued;
    const char *version;
  };
  static const Texts texts;

  explicit fAbout(Toolkit &toolkit);

private:
  friend FormOf;
  static std::span<const Handler<fAbout>> events();

  // The window's event handlers.
  void Form_Load();
  void bDone_Click();

  Toolkit &toolkit_;
};

} // namespace movla::ui

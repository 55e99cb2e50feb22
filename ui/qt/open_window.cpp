// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "open_window.h"

#include "fAbout.h"
#include "fMovla.h"
#include "window.h"

namespace movla::qt {

namespace {

// fMovla with the text boxes it calculates on, as long as the window lives.
struct Calculator final : ui::Form {
  Calculator(Window &window, const QLocale &locale)
      : fields(window, ui::fMovla::description.controls),
        form(window, fields, locale.decimalPoint().toStdString(), locale.name().toStdString()) {}
  void handle(std::string_view control, ui::Event event) override { form.handle(control, event); }
  bool handles(std::string_view control, ui::Event event) const override {
    return form.handles(control, event);
  }

  ui::BoxFields fields;
  ui::fMovla form;
};

} // namespace

std::unique_ptr<QWidget> openCalculator(const QLocale &locale) {
  auto host = std::make_unique<QWidget>();
  auto *window = new Window(ui::fMovla::description, host.get());
  window->start(std::make_unique<Calculator>(*window, locale));
  return host;
}

std::unique_ptr<QDialog> openAbout(QWidget *parent) {
  auto host = std::make_unique<QDialog>(parent);
  auto *window = new Window(ui::fAbout::description, host.get());
  window->start(std::make_unique<ui::fAbout>(*window));
  return host;
}

} // namespace movla::qt

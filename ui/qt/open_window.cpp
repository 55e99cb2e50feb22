// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "open_window.h"

#include "fAbout.h"
#include "fMovla.h"
#include "window.h"
#include "line_edit_fields.h"

#include <QDialog>
#include <QWidget>

namespace movla::ui {

namespace {

// fMovla with the text boxes it calculates on, as long as the window lives.
class Calculator final : public Form {
public:
  Calculator(FormWindow &window, QWidget *host, const QLocale &locale)
      : fields_(host), form_(window, fields_, locale.decimalPoint().toStdString()) {}

  void handle(std::string_view control, Event event) override { form_.handle(control, event); }
  bool handles(std::string_view control, Event event) const override {
    return form_.handles(control, event);
  }

private:
  LineEditFields fields_;
  fMovla form_;
};

} // namespace

std::unique_ptr<QWidget> openCalculator(const QLocale &locale) {
  auto host = std::make_unique<QWidget>();
  auto *window = new FormWindow(fMovla::description, host.get());
  window->start(std::make_unique<Calculator>(*window, host.get(), locale));
  return host;
}

std::unique_ptr<QDialog> openAbout(QWidget *parent) {
  auto host = std::make_unique<QDialog>(parent);
  auto *window = new FormWindow(fAbout::description, host.get());
  window->start(std::make_unique<fAbout>(*window));
  return host;
}

} // namespace movla::ui

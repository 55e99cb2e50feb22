// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "open_window.h"

#include "box_rules.h"
#include "fAbout.h"
#include "fMovla.h"
#include "window.h"

#include <memory>
#include <string>
#include <vector>

namespace movla::web {

namespace {

// fMovla with the text boxes it calculates on, as long as the window lives.
class Calculator final : public ui::Form {
public:
  Calculator(WebWindow &window, std::string decimal_separator, std::string language)
      : fields_(window, ui::fMovla::description.controls),
        form_(window, fields_, std::move(decimal_separator), std::move(language)) {}

  void handle(std::string_view control, ui::Event event) override { form_.handle(control, event); }
  bool handles(std::string_view control, ui::Event event) const override {
    return form_.handles(control, event);
  }

private:
  ui::BoxFields fields_;
  ui::fMovla form_;
};

std::vector<std::unique_ptr<WebWindow>> windows;
int last_id = 0;

WebWindow &add(const ui::WindowDescription &description) {
  return *windows.emplace_back(std::make_unique<WebWindow>(++last_id, description));
}

} // namespace

void open_calculator(std::string_view decimal_separator, std::string_view language) {
  WebWindow &window = add(ui::fMovla::description);
  window.open(
      std::make_unique<Calculator>(window, std::string(decimal_separator), std::string(language)));
}

void open_about() {
  WebWindow &window = add(ui::fAbout::description);
  window.open(std::make_unique<ui::fAbout>(window));
}

WebWindow *find_window(int id) {
  for (const auto &window : windows)
    if (window->id() == id)
      return window.get();
  return nullptr;
}

void for_each_window(const std::function<void(WebWindow &)> &each) {
  for (std::size_t i = 0; i < windows.size(); ++i)
    if (!windows[i]->closed())
      each(*windows[i]);
}

void discard_closed_windows() {
  std::erase_if(windows, [](const auto &window) { return window->closed(); });
}

} // namespace movla::web

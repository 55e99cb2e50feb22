// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Any window of ui/ in a web page.
//
// A WebWindow builds a WindowDescription into the page through its script
// (controls.h, colours.h, accessibility.h), implements Toolkit for the
// window's handlers, and hands what the user does, as the script reports it
// through this file's exports, to the window's WindowRules. The page cannot
// wait inside a handler, so ask() shows its question and answers Cancel for
// now; OK presses the same button again with the answer ready.

#include "form.h"
#include "toolkit.h"
#include "window_rules.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace movla::web {

class WebWindow final : public ui::Toolkit {
public:
  WebWindow(int id, const ui::WindowDescription &description);

  /// Builds the window hidden, binds `form` and runs its Form_Load, shows
  /// the window at frame_rect() in the page and moves the focus to its
  /// first control.
  void open(std::unique_ptr<ui::Form> form);
  /// Places the window again, for the page's new size.
  void place();
  /// Applies the colour rule again, for the page's new colour scheme.
  void repaint();
  /// Shows each result again, cut or whole, now that the fonts are known.
  void measure();

  int id() const { return id_; }
  bool closed() const { return closed_; }
  const ui::WindowDescription &description() const { return description_; }
  ui::WindowRules &rules() { return rules_; }
  /// The name of the control in `row`, or "" for none.
  std::string_view name(int row) const;
  /// The row of `control`, which the table must hold.
  int row(std::string_view control) const;

  /// The control whose event the script is reporting.
  void reporting(int row) { reporting_ = row; }
  /// The user's answer to the question the handler of `reporting` asked.
  void answer(bool ok);

  void set_tooltip(std::string_view control, std::string_view text) override;
  std::string text(std::string_view control) const override;
  void set_text(std::string_view control, std::string_view text) override;
  void replace_text(std::string_view control, std::string_view text) override;
  void select_whole_text(std::string_view control) override;
  void set_focus(std::string_view control) override;
  bool ask(const ui::Question &question) override;
  void show_about() override;
  void close() override;
  void quit() override;

private:
  int id_;
  const ui::WindowDescription &description_;
  ui::WindowRules rules_;
  int reporting_ = -1;
  int asked_by_ = -1;
  std::optional<bool> answer_;
  bool closed_ = false;
};

/// The text the script last handed over through movla_buffer().
std::string_view handed_text();

} // namespace movla::web

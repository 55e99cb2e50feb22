// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Any window of ui/ on Qt Widgets.
//
// Window builds a WindowDescription into a host widget (a QWidget, or a
// QDialog for a modal window): caption, client size, background, the
// controls of its table (controls.h) with their accessible texts. It tells
// the window's ui::WindowRules what the user does (focus moves, a click's
// release, button presses, Enter and Escape) and does what the handlers ask
// through the Toolkit interface. It lives as a child of the host, made
// before the controls so that it also goes before them: a box that loses
// the focus as it is destroyed reaches no handler.

#include "form.h"
#include "toolkit.h"
#include "window_rules.h"

#include <QObject>

#include <memory>

class QWidget;

namespace movla::qt {

class Window final : public QObject, public ui::Toolkit {
public:
  /// Builds `description` into `host`, which must have no children yet,
  /// and places it on its screen, About on its opener's.
  Window(const ui::WindowDescription &description, QWidget *host);

  /// Binds the handlers and runs Form_Load; the first control takes the
  /// focus as the window is first shown.
  void start(std::unique_ptr<ui::Form> form);

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

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void place();

  QWidget *host_;
  ui::WindowRules rules_;
  bool shown_ = false;  // the window has been shown
  bool framed_ = false; // and placed again once its frame was known
};

} // namespace movla::qt

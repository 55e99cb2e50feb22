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

#include "controls.h"
#include "open_window.h"
#include "text_box.h"

#include <QObject>

#include <memory>

namespace movla::qt {

class Window final : public QObject, public ui::Toolkit {
public:
  /// Builds `description` into `host`, which must have no children yet,
  /// and places it on its screen, About on its opener's.
  Window(const ui::WindowDescription &description, QWidget *host);

  /// Binds the handlers and runs Form_Load; the first control takes the
  /// focus as the window is first shown.
  void start(std::unique_ptr<ui::Form> form) {
    rules_.bind(std::move(form));
    rules_.load();
  }

  void set_tooltip(std::string_view control, std::string_view text) override {
    qt::control<QWidget>(host_, control)->setToolTip(qString(text));
  }
  std::string text(std::string_view control) const override;
  void set_text(std::string_view control, std::string_view text) override;
  void replace_text(std::string_view control, std::string_view text) override;
  void select_whole_text(std::string_view control) override {
    qt::control<TextBox>(host_, control)->selectWholeText();
  }
  void set_focus(std::string_view control) override {
    qt::control<QWidget>(host_, control)->setFocus(Qt::OtherFocusReason);
  }
  bool ask(const ui::Question &question) override;
  void show_about() override { openAbout(host_)->exec(); }
  void close() override;
  void quit() override;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void paint();
  void place();

  QWidget *host_;
  ui::WindowRules rules_;
  bool painting_ = false; // the colours are being painted, or will be
  bool shown_ = false;    // the window has been shown
  bool framed_ = false;   // and placed again once its frame was known
};

} // namespace movla::qt

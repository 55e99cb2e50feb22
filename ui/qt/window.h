// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Any window of ui/ on Qt Widgets.
//
// FormWindow builds a WindowDescription into a host widget (a QWidget, or a
// QDialog for a modal window): caption, client size, background, the
// controls of its table (controls.h) with their accessible texts. It then
// routes each control's events to the window's handlers, a Form, and does
// for them what they ask through the Toolkit interface. It lives as a child
// of the host, made before the controls so that it also goes before them: a
// box that loses the focus as it is destroyed reaches no handler.

#include "form.h"
#include "toolkit.h"

#include <QObject>

#include <memory>

class QLineEdit;
class QWidget;

namespace movla::ui {

class FormWindow final : public QObject, public Toolkit {
public:
  /// Builds `description` into `host`, which must have no children yet,
  /// and places it centred on its screen.
  FormWindow(const WindowDescription &description, QWidget *host);
  ~FormWindow() override;

  /// Binds the controls' events to `form` and runs its Form_Load; then
  /// gives the focus to the first control, as a move inside the window.
  void start(std::unique_ptr<Form> form);

  void set_tooltip(std::string_view control, std::string_view text) override;
  std::string text(std::string_view control) const override;
  void set_text(std::string_view control, std::string_view text) override;
  void replace_text(std::string_view control, std::string_view text) override;
  void select_whole_text(std::string_view control) override;
  void set_focus(std::string_view control) override;
  bool ask(const Question &question) override;
  void show_about() override;
  void close() override;
  void quit() override;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void run(std::string_view control, Event event);
  static void selectWholeText(QLineEdit *box);

  const WindowDescription &description_;
  QWidget *host_;
  std::unique_ptr<Form> form_;
  // The box a mouse click is focusing while its GotFocus handler runs.
  QLineEdit *focusingByMouse_ = nullptr;
  // The input that a mouse click just focused and selected; its selection
  // is redone once the click has been handled, because the click itself
  // places the cursor.
  QLineEdit *clickedInto_ = nullptr;
};

} // namespace movla::ui

// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "colours.h"

#include "colour_rule.h"

#include <QEvent>
#include <QObject>
#include <QPalette>
#include <QWidget>

#include <iterator>
#include <vector>

namespace movla::qt {

namespace {

using namespace ui;

// The palette role that stands for each system colour.
QPalette::ColorRole roleOf(SystemColour colour) {
  constexpr QPalette::ColorRole roles[] = {QPalette::Base, QPalette::Text, QPalette::ButtonText};
  static_assert(std::size(roles) == system_colour_count);
  return roles[static_cast<std::size_t>(colour)];
}

Rgb rgbOf(const QColor &colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

class Painter : public QObject {
public:
  Painter(std::span<const Control> table, std::span<QWidget *const> widgets, QWidget *window)
      : QObject(window), table_(table), widgets_(widgets.begin(), widgets.end()), window_(window),
        background_(window->palette().color(QPalette::Window)) {
    window->installEventFilter(this);
  }

  void apply() {
    queued_ = false;
    painting_ = true;
    if (window_->palette().color(QPalette::Window) != background_) {
      QPalette palette = window_->palette();
      palette.setColor(QPalette::Window, background_);
      window_->setPalette(palette);
    }
    // Back to the palettes the theme and the window give the controls, which
    // the system colours are read from.
    for (std::size_t row = 0; row < table_.size(); ++row)
      if (table_[row].kind != Kind::Button)
        widgets_[row]->setPalette(QPalette());
    decide();
    for (std::size_t row = 0; row < table_.size(); ++row)
      paint(row);
    painting_ = false;
  }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    // A new desktop palette reaches the window as PaletteChange. Qt then
    // passes it on to the controls, and some platform themes (qt6ct) give it
    // to every widget themselves, the window included, wiping the colours
    // painted here; so they are painted again once all that is delivered. The
    // PaletteChange that painting the window's own background sends is not
    // another change.
    if (watched == window_ && event->type() == QEvent::PaletteChange && !painting_ && !queued_) {
      queued_ = true;
      QMetaObject::invokeMethod(this, &Painter::apply, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

private:
  QBrush brush(const Colour &colour, const QWidget *widget) const {
    if (colour.source == Colour::Source::Rgb)
      return qColor(colour.rgb);
    if (pinned_[static_cast<std::size_t>(colour.system)])
      return qColor(classic_light(colour.system));
    return widget->palette().brush(roleOf(colour.system));
  }

  void decide() {
    const auto pairs = colour_pairs(table_, rgbOf(background_));
    pinned_ = pinned_colours(pairs, [this](const Painted &painted) {
      const QWidget *widget = painted.row == window_row ? window_ : widgets_[painted.row];
      return rgbOf(widget->palette().color(roleOf(painted.colour.system)));
    });
  }

  // A text box's text and background, a label's text, and what a band, a
  // picture or a label fills with its back colour, a line with its fore.
  void paint(std::size_t row) {
    const Control &control = table_[row];
    QWidget *widget = widgets_[row];
    QPalette palette = widget->palette();
    const auto set = [&](QPalette::ColorRole role, const Colour &colour) {
      if (colour.source != Colour::Source::None)
        palette.setBrush(role, brush(colour, widget));
    };
    if (control.kind == Kind::Button)
      return;
    if (control.kind == Kind::TextBox) {
      set(QPalette::Text, control.fore);
      set(QPalette::Base, control.back);
    } else {
      if (control.kind == Kind::Label)
        set(QPalette::WindowText, control.fore);
      const Colour &fill = control.kind == Kind::Line ? control.fore : control.back;
      if (fill.source != Colour::Source::None) {
        const QPalette::ColorRole role =
            fill.source == Colour::Source::System ? roleOf(fill.system) : QPalette::Window;
        set(role, fill);
        widget->setBackgroundRole(role);
        widget->setAutoFillBackground(true);
      }
    }
    widget->setPalette(palette);
  }

  std::span<const Control> table_;
  std::vector<QWidget *> widgets_;
  QWidget *window_;
  // Both windows paint their own background, before their controls are built.
  QColor background_;
  bool painting_ = false;
  bool queued_ = false;
  PinnedColours pinned_;
};

} // namespace

void paintReadable(std::span<const ui::Control> table, std::span<QWidget *const> widgets,
                   QWidget *window) {
  (new Painter(table, widgets, window))->apply();
}

} // namespace movla::qt

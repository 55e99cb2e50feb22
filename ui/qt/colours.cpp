// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "colours.h"

#include "colour_rule.h"

#include <QEvent>
#include <QObject>
#include <QPalette>
#include <QWidget>

#include <vector>

namespace movla::ui {

namespace {

// The palette role that stands for each system colour.
QPalette::ColorRole roleOf(SystemColour colour) {
  switch (colour) {
  case SystemColour::WindowBackground:
    return QPalette::Base;
  case SystemColour::WindowText:
    return QPalette::Text;
  case SystemColour::ButtonText:
    return QPalette::ButtonText;
  }
  return QPalette::NoRole;
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

  void paint(std::size_t row) {
    const Control &control = table_[row];
    QWidget *widget = widgets_[row];
    QPalette palette = widget->palette();
    const auto set = [&](QPalette::ColorRole role, const Colour &colour) {
      if (colour.source != Colour::Source::None)
        palette.setBrush(role, brush(colour, widget));
    };
    const auto fill = [&](const Colour &colour) {
      if (colour.source == Colour::Source::None)
        return;
      const QPalette::ColorRole role =
          colour.source == Colour::Source::System ? roleOf(colour.system) : QPalette::Window;
      set(role, colour);
      widget->setBackgroundRole(role);
      widget->setAutoFillBackground(true);
    };
    switch (control.kind) {
    case Kind::Band:
    case Kind::Picture:
      fill(control.back);
      break;
    case Kind::Line:
      fill(control.fore);
      break;
    case Kind::Label:
      set(QPalette::WindowText, control.fore);
      fill(control.back);
      break;
    case Kind::TextBox:
      set(QPalette::Text, control.fore);
      set(QPalette::Base, control.back);
      break;
    case Kind::Button:
      return;
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

void paintReadable(std::span<const Control> table, std::span<QWidget *const> widgets,
                   QWidget *window) {
  (new Painter(table, widgets, window))->apply();
}

} // namespace movla::ui

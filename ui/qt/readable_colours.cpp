// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "readable_colours.h"

#include <QEvent>
#include <QObject>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <optional>
#include <vector>

namespace movla::ui {

namespace {

constexpr double minimumContrast = 4.5;

double luminance(const QColor &colour) {
  const auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b) {
  const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
  return (lighter + 0.05) / (darker + 0.05);
}

// The system colours of the classic light desktop. A role not named here
// always keeps the theme's value.
std::optional<QColor> classicLight(QPalette::ColorRole role) {
  switch (role) {
  case QPalette::Base:
    return QColor(255, 255, 255);
  case QPalette::Window:
  case QPalette::Button:
    return QColor(192, 192, 192);
  case QPalette::WindowText:
  case QPalette::Text:
  case QPalette::ButtonText:
    return QColor(0, 0, 0);
  default:
    return std::nullopt;
  }
}

// A table colour as the widget that paints it shows it.
struct Shown {
  Colour colour;
  const QWidget *widget;
};

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
  bool isFixed(const Colour &colour) const {
    return colour.source == Colour::Source::Rgb || classic_[colour.role];
  }

  QBrush brush(const Shown &shown) const {
    if (shown.colour.source == Colour::Source::Rgb)
      return QColor::fromRgb(shown.colour.rgb);
    if (classic_[shown.colour.role])
      return *classicLight(shown.colour.role);
    return shown.widget->palette().brush(shown.colour.role);
  }

  // What a transparent control shows: the topmost band that holds it whole,
  // or else the window's own background.
  Shown beneath(std::size_t row) const {
    const QRect rect = pixelRect(table_[row]);
    for (std::size_t band = table_.size(); band-- > 0;)
      if (table_[band].kind == Kind::Band && table_[band].back.source != Colour::Source::None &&
          pixelRect(table_[band]).contains(rect))
        return {table_[band].back, widgets_[band]};
    return {{Colour::Source::Rgb, background_.rgb()}, window_};
  }

  void decide() {
    struct Pair {
      Shown text, background;
    };
    std::vector<Pair> pairs;
    for (std::size_t row = 0; row < table_.size(); ++row) {
      const Control &control = table_[row];
      QWidget *widget = widgets_[row];
      const auto own = [widget](const Colour &colour, QPalette::ColorRole otherwise) {
        return Shown{colour.source == Colour::Source::None ? system(otherwise) : colour, widget};
      };
      if (control.kind == Kind::Label)
        pairs.push_back(
            {own(control.fore, QPalette::WindowText), control.back.source == Colour::Source::None
                                                          ? beneath(row)
                                                          : Shown{control.back, widget}});
      else if (control.kind == Kind::TextBox)
        pairs.push_back({own(control.fore, QPalette::Text), own(control.back, QPalette::Base)});
    }

    classic_.reset();
    for (bool changed = true; changed;) {
      changed = false;
      for (const auto &[text, background] : pairs) {
        if (isFixed(text.colour) == isFixed(background.colour))
          continue;
        const QPalette::ColorRole role =
            isFixed(text.colour) ? background.colour.role : text.colour.role;
        if (!classicLight(role) ||
            contrast(brush(text).color(), brush(background).color()) >= minimumContrast)
          continue;
        classic_.set(role);
        // Now fixed, this colour may in turn spoil a pair it made with another system colour.
        changed = true;
      }
    }
  }

  void paint(std::size_t row) {
    const Control &control = table_[row];
    QWidget *widget = widgets_[row];
    QPalette palette = widget->palette();
    const auto set = [&](QPalette::ColorRole role, const Colour &colour) {
      if (colour.source != Colour::Source::None)
        palette.setBrush(role, brush({colour, widget}));
    };
    const auto fill = [&](const Colour &colour) {
      if (colour.source == Colour::Source::None)
        return;
      const QPalette::ColorRole role =
          colour.source == Colour::Source::System ? colour.role : QPalette::Window;
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
  // The system colours shown in their classic light value.
  std::bitset<QPalette::NColorRoles> classic_;
};

} // namespace

void paintReadable(std::span<const Control> table, std::span<QWidget *const> widgets,
                   QWidget *window) {
  (new Painter(table, widgets, window))->apply();
}

} // namespace movla::ui

#include "controls.h"

#include "accessible_line_edit.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace movla::ui {

int twipsToPixels(int twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

QRect pixelRect(const Control &control) {
  const int height = control.kind == Kind::Line ? linePixels : twipsToPixels(control.height);
  return {twipsToPixels(control.left), twipsToPixels(control.top), twipsToPixels(control.width),
          height};
}

namespace {

QString textOf(const Control &control) {
  return QString::fromUtf8(control.text);
}

QFont fontOf(const Font &font) {
  QFont qfont(QString::fromUtf8(font.family));
  qfont.setPointSizeF(font.points);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  // Liberation Sans stands in for the bitmap face "MS Sans Serif" (see
  // setApplicationInfo) and runs a little wider at the same pixel size;
  // condensed by 5% it keeps every text within the controls laid out for it.
  if (qfont.family() == QLatin1String("MS Sans Serif"))
    qfont.setStretch(95);
  return qfont;
}

// A system colour is kept as a role rather than copied, so that it follows a
// change of the desktop's palette.
void paint(QWidget *widget, QPalette::ColorRole role, const Colour &colour) {
  switch (colour.source) {
  case Colour::Source::None:
    break;
  case Colour::Source::System: {
    QPalette palette = widget->palette();
    palette.setBrush(role, palette.brush(colour.role));
    widget->setPalette(palette);
    break;
  }
  case Colour::Source::Rgb: {
    QPalette palette = widget->palette();
    palette.setColor(role, QColor::fromRgb(colour.rgb));
    widget->setPalette(palette);
    break;
  }
  }
}

void fill(QWidget *widget, const Colour &colour) {
  if (colour.source == Colour::Source::None)
    return;
  if (colour.source == Colour::Source::System) {
    widget->setBackgroundRole(colour.role);
  } else {
    paint(widget, QPalette::Window, colour);
    widget->setBackgroundRole(QPalette::Window);
  }
  widget->setAutoFillBackground(true);
}

QWidget *create(const Control &control, QWidget *window) {
  switch (control.kind) {
  case Kind::Band: {
    auto *band = new QFrame(window);
    fill(band, control.back);
    return band;
  }
  case Kind::Line: {
    auto *line = new QFrame(window);
    fill(line, control.fore);
    return line;
  }
  case Kind::Label: {
    auto *label = new QLabel(textOf(control), window);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(control.align);
    label->setWordWrap((control.options & WordWrap) != 0);
    paint(label, QPalette::WindowText, control.fore);
    fill(label, control.back);
    return label;
  }
  case Kind::TextBox: {
    auto *box = new QLineEdit(textOf(control), window);
    box->setAlignment(control.align);
    box->setReadOnly((control.options & ReadOnly) != 0);
    paint(box, QPalette::Text, control.fore);
    paint(box, QPalette::Base, control.back);
    return box;
  }
  case Kind::Button:
    return new QPushButton(textOf(control), window);
  case Kind::Picture: {
    auto *picture = new QLabel(window);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap(textOf(control)));
    fill(picture, control.back);
    return picture;
  }
  }
  return nullptr;
}

} // namespace

void buildControls(std::span<const Control> table, QWidget *window) {
  installAccessibleLineEdit(); // before the first box: Qt keeps a box's first interface
  std::vector<std::pair<int, QWidget *>> tabStops;
  std::vector<QWidget *> bands;
  for (const Control &control : table) {
    QWidget *widget = create(control, window);
    widget->setObjectName(QString::fromUtf8(control.name));
    widget->setGeometry(pixelRect(control));
    if (control.kind != Kind::Band && control.kind != Kind::Line)
      widget->setFont(fontOf(control.font));
    if (control.kind == Kind::Band)
      bands.push_back(widget);
    if (control.tabIndex != noTabIndex && (widget->focusPolicy() & Qt::TabFocus))
      tabStops.emplace_back(control.tabIndex, widget);
  }
  // Lowered last first, so that the bands keep their table order beneath everything.
  for (auto band = bands.rbegin(); band != bands.rend(); ++band)
    (*band)->lower();

  std::ranges::sort(tabStops, {}, &std::pair<int, QWidget *>::first);
  for (std::size_t i = 1; i < tabStops.size(); ++i)
    QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
}

} // namespace movla::ui

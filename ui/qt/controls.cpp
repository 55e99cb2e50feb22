// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "controls.h"

#include "accessibility.h"
#include "colours.h"
#include "result_box.h"
#include "text_box.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace movla::ui {

QRect pixelRect(const Control &control) {
  const PixelRect rect = pixel_rect(control);
  return {rect.left, rect.top, rect.width, rect.height};
}

namespace {

QString textOf(const Control &control) {
  return QString::fromUtf8(control.text);
}

// Labels hold their text at the top, text boxes in the middle.
Qt::Alignment alignmentOf(const Control &control, Qt::Alignment vertical) {
  switch (control.align) {
  case Align::Left:
    return Qt::AlignLeft | vertical;
  case Align::Centre:
    return Qt::AlignHCenter | vertical;
  case Align::Right:
    return Qt::AlignRight | vertical;
  }
  return vertical;
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

QWidget *create(const Control &control, QWidget *window) {
  switch (control.kind) {
  case Kind::Band:
  case Kind::Line:
    return new QFrame(window);
  case Kind::Label: {
    auto *label = new QLabel(textOf(control), window);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignmentOf(control, Qt::AlignTop));
    label->setWordWrap((control.options & WordWrap) != 0);
    return label;
  }
  case Kind::TextBox: {
    auto *box = (control.options & ReadOnly) ? new ResultBox(textOf(control), window)
                                             : new SingleLineEdit(textOf(control), window);
    box->setAlignment(alignmentOf(control, Qt::AlignVCenter));
    box->setReadOnly((control.options & ReadOnly) != 0);
    return box;
  }
  case Kind::Button:
    return new QPushButton(textOf(control), window);
  case Kind::Picture: {
    auto *picture = new QLabel(window);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap pixmap(QStringLiteral(":/movla/") + textOf(control));
    // The pictures are built into the program: one that is not is a fault
    // of the build, to be named rather than shown as a blank.
    if (pixmap.isNull())
      qFatal("%s has no picture \"%s\" built in, for %s", qPrintable(window->objectName()),
             control.text, control.name);
    picture->setPixmap(pixmap);
    return picture;
  }
  }
  qFatal("%s: %s is of no kind this layer builds", qPrintable(window->objectName()), control.name);
}

} // namespace

void buildControls(std::span<const Control> table, QWidget *window) {
  installAccessibleLineEdit(); // before the first box: Qt keeps a box's first interface
  std::vector<QWidget *> widgets;
  std::vector<std::pair<int, QWidget *>> tabStops;
  std::vector<QWidget *> bands;
  for (const Control &control : table) {
    QWidget *widget = widgets.emplace_back(create(control, window));
    widget->setObjectName(QString::fromUtf8(control.name));
    widget->setGeometry(pixelRect(control));
    if (control.kind != Kind::Band && control.kind != Kind::Line)
      widget->setFont(fontOf(control.font));
    if (control.kind == Kind::Band)
      bands.push_back(widget);
    if (control.tab_index != no_tab_index && (widget->focusPolicy() & Qt::TabFocus))
      tabStops.emplace_back(control.tab_index, widget);
  }
  paintReadable(table, widgets, window);

  // Lowered last first, so that the bands keep their table order beneath everything.
  for (auto band = bands.rbegin(); band != bands.rend(); ++band)
    (*band)->lower();

  std::ranges::sort(tabStops, {}, &std::pair<int, QWidget *>::first);
  for (std::size_t i = 1; i < tabStops.size(); ++i)
    QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
}

void missingControl(const QWidget *window, std::string_view name, const char *type) {
  const QByteArray controlName(name.data(), static_cast<qsizetype>(name.size()));
  qFatal("%s has no %s named \"%s\"", qPrintable(window->objectName()), type,
         controlName.constData());
}

} // namespace movla::ui

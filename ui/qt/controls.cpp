// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "controls.h"

#include "accessibility.h"
#include "text_box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace movla::qt {

namespace {

// Labels hold their text at the top, text boxes in the middle.
Qt::Alignment alignmentOf(const ui::Control &control, Qt::Alignment vertical) {
  constexpr Qt::AlignmentFlag horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  return horizontal[static_cast<std::size_t>(control.align)] | vertical;
}

QFont fontOf(const ui::Font &font) {
  const ui::FontFace face = ui::font_face(font.family);
  QStringList families{QString::fromUtf8(font.family)};
  for (const char *family : face.families)
    families << QString::fromUtf8(family);
  QFont qfont;
  qfont.setFamilies(families);
  qfont.setPointSizeF(font.points);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setStretch(face.stretch);
  return qfont;
}

QWidget *create(const ui::Control &control, QWidget *window) {
  const QString text = QString::fromUtf8(control.text);
  switch (control.kind) {
  case ui::Kind::Band:
  case ui::Kind::Line:
    return new QFrame(window);
  case ui::Kind::Label: {
    auto *label = new QLabel(text, window);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignmentOf(control, Qt::AlignTop));
    label->setWordWrap((control.options & ui::WordWrap) != 0);
    return label;
  }
  case ui::Kind::TextBox: {
    auto *box = new TextBox(control, window);
    box->setAlignment(alignmentOf(control, Qt::AlignVCenter));
    box->setReadOnly((control.options & ui::ReadOnly) != 0);
    box->setMaxLength(ui::max_length);
    return box;
  }
  case ui::Kind::Button:
    return new QPushButton(text, window);
  case ui::Kind::Picture: {
    auto *picture = new QLabel(window);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap pixmap(QStringLiteral(":/movla/") + text);
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

void buildControls(std::span<const ui::Control> table, QWidget *window) {
  installAccessibleTextBox(); // before the first box: Qt keeps a box's first interface
  std::vector<QWidget *> widgets;
  for (const ui::Control &control : table) {
    QWidget *widget = widgets.emplace_back(create(control, window));
    widget->setObjectName(QString::fromUtf8(control.name));
    const ui::PixelRect rect = ui::pixel_rect(control);
    widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
    if (control.kind != ui::Kind::Band && control.kind != ui::Kind::Line)
      widget->setFont(fontOf(control.font));
  }
  // Lowered last first, so that the bands keep their table order beneath everything.
  for (std::size_t row = table.size(); row-- > 0;)
    if (table[row].kind == ui::Kind::Band)
      widgets[row]->lower();

  QWidget *previous = nullptr;
  for (const std::size_t row : ui::tab_order(table)) {
    if (!ui::takes_focus(table[row].kind))
      continue;
    if (previous)
      QWidget::setTabOrder(previous, widgets[row]);
    previous = widgets[row];
  }
}

} // namespace movla::qt

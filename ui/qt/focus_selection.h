// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What a text box selects as the focus enters and leaves it, and in what
// order a screen reader hears of it.
//
// A screen reader presents the box the focus enters by its name, then its
// value and whether that is selected ("Reference Frequency text." "440
// selected."), as for a native entry; and it speaks any change of a box's
// selection, focused or not ("Text unselected."), against what it last read
// there. Qt tells it in the wrong order for that: on a Tab the box left
// drops its selection, the box entered selects its text, and only then goes
// out the focus event. So a box here:
// - announces the focus itself before its selection changes, and tells of
//   the selection once more after Qt's own focus event, so that a reader
//   which keeps only the latest event of a kind (Orca) reads the selection
//   with the focus, not before the name;
// - keeps its selection when the focus moves to another control of its
//   window, as Windows edit boxes do, drawn as plain text and without a
//   cursor, so it looks as a box Qt deselected; a text written into it
//   meanwhile is kept selected whole, so what the reader last read stays
//   true and it has nothing to say;
// - holds back the press of a click that enters it with its text selected
//   until the press turns into a drag: a plain click leaves the whole text
//   selected rather than dropping the selection and taking it again.
// Entering by Tab, Shift+Tab or an access key selects the whole text, as Qt
// does; entering otherwise, as by a click, shows no selection kept from
// before. Leaving for another application or a popup menu is left to Qt,
// which keeps the selection in sight.

#include "box_rules.h"

#include <QLineEdit>

#include <memory>

class QMouseEvent;

namespace movla::ui {

class FocusSelectionEdit : public QLineEdit {
public:
  explicit FocusSelectionEdit(QWidget *parent = nullptr);
  explicit FocusSelectionEdit(const QString &text, QWidget *parent = nullptr);
  ~FocusSelectionEdit() override;

  /// Selects the whole text, the caret at `caret`. The focus that has just
  /// entered the box is announced first.
  void selectWholeText(Caret caret);
  /// Where Tab, Shift+Tab and access keys leave the caret (at the end unless set).
  void setEntryCaret(Caret caret) { entryCaret_ = caret; }

protected:
  /// Whether the box draws its selection: not one kept out of sight.
  bool showsSelection() const { return hasSelectedText() && (hasFocus() || !kept_); }
  bool event(QEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

private:
  struct Selection {
    int start, length, cursor;
    bool operator==(const Selection &) const = default;
  };
  Selection selection() const;
  void announceFocus();
  void retellSelection();

  Caret entryCaret_ = Caret::End;
  bool announced_ = false; // the focus this box holds has been announced
  bool kept_ = false;      // its selection is kept while the focus is elsewhere
  bool pressEnters_ = false;
  std::unique_ptr<QMouseEvent> heldPress_;
};

/// Selects the whole text of `box` as the focus entering it does.
void selectWholeText(QLineEdit *box, Caret caret = Caret::End);

} // namespace movla::ui

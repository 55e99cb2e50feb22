// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What a screen reader is told about a text box.
//
// Qt's own accessible interface for QLineEdit answers every text-attribute
// query with an empty run at the asked offset. Orca joins those runs into
// [0, length - 1) and speaks every value one character short ("44" for 440).
// Qt's class is private and not exported, so it can be neither fixed nor
// subclassed here: the boxes get an interface of our own, built on Qt's
// public accessibility API, that reports one attribute run over the whole
// text (a line edit draws it in one font and one colour) and otherwise
// answers as Qt's does, or better: character extents that follow the box's
// alignment and scrolling, edits by an assistive tool that respect the
// read-only state and go onto the box's undo stack, and the word, sentence
// or line at an offset from code of its own, as Qt's public code for them
// never returns at the end of the text and so hangs the program. Qt already tells AT-SPI
// when a box's text changes, read-only or not, through this interface too.

namespace movla::ui {

/// Makes every QLineEdit created from now on answer screen readers through
/// this interface. Qt asks the factory installed last first, so this must
/// follow the QApplication, which installs Qt's own; and Qt drops every
/// factory with the application. buildControls() therefore calls it for
/// every window: a second call costs a list lookup.
void installAccessibleLineEdit();

} // namespace movla::ui

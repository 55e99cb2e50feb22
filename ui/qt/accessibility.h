// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What a screen reader is told about a text box.
//
// The boxes answer through an interface of our own, built on Qt's public
// accessibility API, because Qt's own for QLineEdit is private, cannot be
// subclassed, and misleads a reader:
// - Qt 6.4's QLineEdit interface answers every text-attribute query with an
//   empty run at the offset asked, which Orca joins into [0, length - 1)
//   and so speaks every value one character short ("44" for 440); here one
//   run covers the whole text, drawn in one font and one colour.
// - Qt 6.4's QAccessibleTextInterface never returns from a word or sentence
//   query at the end of the text, which hangs the program; every piece is
//   answered here, none handed on.
// It also places every character where the box draws it, follows the box's
// scrolling, and lets a reader edit only an input, through the box's undo
// stack. Qt tells AT-SPI of every text change through it too.

namespace movla::qt {

/// Makes every TextBox created from now on answer screen readers through
/// this interface. Qt asks the factory installed last first, so this must
/// follow the QApplication, which installs Qt's own; and Qt drops every
/// factory with the application. buildControls() therefore calls it for
/// every window: a second call costs a list lookup.
void installAccessibleTextBox();

} // namespace movla::qt

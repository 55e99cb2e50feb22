// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// The calculator and About windows on Qt, each built and loaded (its
// Form_Load has run), ready to be shown.

#include <QDialog>
#include <QLocale>

#include <memory>

namespace movla::qt {

/// `locale` gives the decimal separator the user reads and types.
std::unique_ptr<QWidget> openCalculator(const QLocale &locale = QLocale::system());

/// About, modal over `parent`: exec() shows it until Done closes it.
std::unique_ptr<QDialog> openAbout(QWidget *parent = nullptr);

} // namespace movla::qt

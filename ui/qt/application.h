// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Process-wide settings that both windows rely on; main() calls this once,
// right after creating the QApplication.

#include <QIcon>

namespace movla {

/// Sets the application's name and version and maps the window fonts
/// ("MS Sans Serif", "Arial") onto metric-compatible Liberation fonts.
void setApplicationInfo();

/// The program's icon, from the PNGs embedded in the binary; as the
/// application's icon it is every window's icon.
QIcon programIcon();

} // namespace movla

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/design.h"

#include <QFont>

#include <array>

namespace kvarnel::platform {

QFont font(Face face, double points, Weight weight = Weight::Regular);

// The windows' default dialog font, MS Sans Serif 8.25 pt.
QFont dialogFont();

// Start the font system before the application object is made, where it starts for less,
// and give the application its fonts right after.
void startFontSystem();
void setApplicationFonts();

// The names under which Qt keeps the fonts a platform gives some classes of its own,
// which setApplicationFonts gives back after setting the application's font.
inline constexpr std::array themedFontClasses{
    "QMessageBox",      "QMenu",       "QMenuBar",
    "QMenuItem",        "QLabel",      "QTipLabel",
    "QTitleBar",        "QStatusBar",  "QMdiSubWindowTitleBar",
    "QDockWidgetTitle", "QPushButton", "QCheckBox",
    "QRadioButton",     "QToolButton", "QAbstractItemView",
    "QListView",        "QHeaderView", "QListBox",
    "QComboMenuItem"};

} // namespace kvarnel::platform

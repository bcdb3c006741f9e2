// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"

#include <QFont>

#include <array>

namespace kvarnel::platform {

// The font of a design: the face installed here, at its size in whole pixels.
QFont font(const design::Font &font);

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

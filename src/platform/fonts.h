// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/design.h"

#include <QFont>

namespace kvarnel::platform {

QFont font(Face face, double points, Weight weight = Weight::Regular);

// The windows' default dialog font, MS Sans Serif 8.25 pt.
QFont dialogFont();

// Start the font system before the application object is made, where it starts for less,
// and give the application its fonts right after.
void startFontSystem();
void setApplicationFonts();

} // namespace kvarnel::platform

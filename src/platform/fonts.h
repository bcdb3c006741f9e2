// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace kvarnel::platform {

// The faces the windows are designed in. Where a face is missing, a substitute with the
// same or narrower metrics stands in, so no caption outgrows its control.
enum class Face {
    MsSansSerif,
    Arial,
    TimesNewRoman,
};

enum class Weight {
    Regular,
    Bold,
};

QFont font(Face face, double points, Weight weight = Weight::Regular);

// The windows' default dialog font, MS Sans Serif 8.25 pt.
QFont dialogFont();

} // namespace kvarnel::platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/design.h"

#include <QRect>
#include <QSize>

#include <cmath>

namespace kvarnel::platform {

// Window layouts are given in twips (1/1440 inch), tables in millimetres and fonts in
// points, all at 96 dpi. They become Qt's device-independent pixels here and nowhere else;
// Qt scales those for high-DPI screens.
inline constexpr int twipsPerPixel = 15;
inline constexpr double pixelsPerInch = 96.0;

constexpr int twipsToPixels(int twips)
{
    return twips / twipsPerPixel;
}

constexpr QRect toPixels(TwipRect r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

constexpr QSize toPixels(TwipSize s)
{
    return {twipsToPixels(s.width), twipsToPixels(s.height)};
}

constexpr double millimetresToPixels(double mm)
{
    return mm * pixelsPerInch / 25.4;
}

// Font heights are whole pixels, as on the screen the layouts were made for: 8.25 pt is
// 11 px, 14 pt is 19 px.
inline int pointsToPixels(double points)
{
    return static_cast<int>(std::lround(points * pixelsPerInch / 72.0));
}

} // namespace kvarnel::platform

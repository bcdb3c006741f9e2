// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/units.h"

#include <QRect>
#include <QSize>

namespace kvarnel::platform {

// The design's pixels as Qt's device-independent ones.
constexpr QRect toQRect(design::TwipRect r)
{
    const design::PixelRect p = design::toPixels(r);
    return {p.left, p.top, p.width, p.height};
}

constexpr QSize toQSize(design::TwipSize s)
{
    const design::PixelSize p = design::toPixels(s);
    return {p.width, p.height};
}

} // namespace kvarnel::platform

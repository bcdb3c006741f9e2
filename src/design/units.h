// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"

#include <cmath>

// Window layouts are given in twips (1/1440 inch), tables in millimetres and fonts in
// points, all at 96 dpi. They become pixels here and nowhere else: the desktop's
// device-independent pixels, which Qt scales for high-DPI screens, and a page's CSS pixels.
namespace kvarnel::design {

inline constexpr int twipsPerPixel = 15;
inline constexpr double pixelsPerInch = 96.0;

struct PixelRect
{
    int left;
    int top;
    int width;
    int height;
};

struct PixelSize
{
    int width;
    int height;
};

constexpr int twipsToPixels(int twips)
{
    return twips / twipsPerPixel;
}

constexpr PixelRect toPixels(TwipRect r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

constexpr PixelSize toPixels(TwipSize s)
{
    return {twipsToPixels(s.width), twipsToPixels(s.height)};
}

// The least and the most pixels a control may be wide in a window of that client size: its
// own width, or for one that fits its text, anything up to the window's edge.
struct WidthRange
{
    int least;
    int most;
};

constexpr WidthRange widthRange(const Control &control, TwipSize client)
{
    const PixelRect own = toPixels(control.rect);
    return {own.width,
            control.width == Width::FitsText ? twipsToPixels(client.width) - own.left : own.width};
}

constexpr double millimetresToPixels(double mm)
{
    return mm * pixelsPerInch / 25.4;
}

// A length in millimetres on the pixel grid: every edge of a table is rounded on its own,
// so neighbouring cells never overlap or leave gaps.
inline int millimetresToGrid(double mm)
{
    return static_cast<int>(std::lround(millimetresToPixels(mm)));
}

// Font heights are whole pixels, as on the screen the layouts were made for: 8.25 pt is
// 11 px, 14 pt is 19 px.
inline int pointsToPixels(double points)
{
    return static_cast<int>(std::lround(points * pixelsPerInch / 72.0));
}

} // namespace kvarnel::design

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The terms the windows and the tables are designed in, in plain C++ so that the data
// written in them (the window definitions, the density tables) reads without Qt. Twips,
// millimetres and points become pixels in platform/units.h, faces become fonts in
// platform/fonts.h.
namespace kvarnel::platform {

// Twips are 1/1440 inch; 15 make a pixel at 96 dpi.
struct TwipRect
{
    int left;
    int top;
    int width;
    int height;
};

struct TwipSize
{
    int width;
    int height;
};

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

enum class Border {
    Fixed,   // fixed single border, close box only
    Sizable, // resizable, with minimise and maximise boxes
};

// What a top-level window shows of itself: object name, caption, border and client size.
struct WindowFrame
{
    const char *name;    // the name the window definitions give it
    const char *caption; // UTF-8
    Border border;
    TwipSize client;
};

} // namespace kvarnel::platform

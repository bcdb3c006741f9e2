// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

// The terms the windows and the tables are designed in, in plain C++ so that everything
// written in them (the windows' descriptions, the density tables) reads without Qt, and
// a page or a test can read it as the desktop program does. Twips, millimetres and points
// become pixels in design/units.h, faces become font families in design/faces.h.
namespace kvarnel::design {

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

// The faces the windows are designed in.
enum class Face {
    MsSansSerif,
    Arial,
    TimesNewRoman,
};

enum class Weight {
    Regular,
    Bold,
};

struct Font
{
    Face face;
    double points;
    Weight weight = Weight::Regular;
};

// The windows' dialog font, for every control without a font of its own.
inline constexpr Font dialogFont{Face::MsSansSerif, 8.25};

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

enum class ControlKind {
    Label,
    Result, // a label the program writes and the user may copy from
    TextBox,
    Button,
};

enum class Width {
    Fixed,
    // Grows to the right to fit its text, never past the window's edge: a stand-in face
    // may be wider than the one the window was designed in.
    FitsText,
};

// One control of a window as the window definitions give it. A window lists its controls
// in tab order: the order they are made in is the order Tab visits them.
struct Control
{
    ControlKind kind;
    const char *name;      // the objectName, by which the world outside knows it
    std::string_view text; // UTF-8, shown exactly, blanks included
    TwipRect rect;
    int buddy = -1; // a caption's control, by its place in the list: screen readers name it so
    std::optional<Font> font = std::nullopt; // without one, the dialog font
    Width width = Width::Fixed;
};

// A message shown in a modal box with one button.
struct Alert
{
    std::string_view title;
    std::string_view message;
    std::string_view button;
};

} // namespace kvarnel::design

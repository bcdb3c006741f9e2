// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/fonts.h"
#include "platform/units.h"

#include <optional>
#include <span>

class QWidget;

namespace kvarnel::ui {

enum class ControlKind {
    Label,
    Result, // a label the program writes and the user may copy from (FittingLabel)
    TextBox,
    Button,
};

// A font of a control's own; without one a control uses its window's dialog font.
struct ControlFont
{
    platform::Face face;
    double points;
};

// One control of a window as the window definitions give it.
struct Control
{
    ControlKind kind;
    const char *name; // becomes the objectName
    const char *text; // UTF-8, shown exactly, blanks included
    platform::TwipRect rect;
    int tabIndex;
    std::optional<ControlFont> font = std::nullopt;
};

// Creates the controls as children of `form` and chains the focusable ones in tab-index
// order.
void buildControls(QWidget *form, std::span<const Control> controls);

} // namespace kvarnel::ui

#pragma once

#include "platform/units.h"

#include <span>

class QWidget;

namespace kvarnel::ui {

enum class ControlKind {
    Label,
    TextBox,
    Button,
};

// One control of a window as the window definitions give it.
struct Control
{
    ControlKind kind;
    const char *name; // becomes the objectName
    const char *text; // UTF-8, shown exactly, blanks included
    platform::TwipRect rect;
    int tabIndex;
};

// Creates the controls as children of `form`, in the window's default dialog font, and
// chains the focusable ones in tab-index order.
void buildControls(QWidget *form, std::span<const Control> controls);

} // namespace kvarnel::ui

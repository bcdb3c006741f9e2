// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/design.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <span>
#include <string_view>

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

// One control of a window as the window definitions give it. A window's controls are
// listed in tab order: the order they are created in is the order Tab visits them.
struct Control
{
    ControlKind kind;
    const char *name;      // becomes the objectName
    std::string_view text; // UTF-8, shown exactly, blanks included
    platform::TwipRect rect;
    const char *buddy = nullptr; // a caption's control, which screen readers know by it
    std::optional<ControlFont> font = std::nullopt;
};

// Creates the controls as children of `form`, in the order given.
void buildControls(QWidget *form, std::span<const Control> controls);

// The one of `controls` with this name, or null.
const Control *find(std::span<const Control> controls, std::string_view name);

// The control of `form` with this name.
template<typename T> T *control(const QWidget *form, const char *name)
{
    return form->findChild<T *>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

} // namespace kvarnel::ui

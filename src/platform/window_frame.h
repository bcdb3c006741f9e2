// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/units.h"

class QWidget;

namespace kvarnel::platform {

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

void applyFrame(QWidget *window, const WindowFrame &frame);

} // namespace kvarnel::platform

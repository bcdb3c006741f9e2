// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"

class QWidget;

namespace kvarnel::platform {

// Gives a top-level window its name, caption, border and client size.
void applyFrame(QWidget *window, const design::WindowFrame &frame);

// Shows a top-level window at its own size, at its own place. Where windows are not placed
// by a window manager (a browser page), a new one opens beside those already open.
void showWindow(QWidget *window);

} // namespace kvarnel::platform

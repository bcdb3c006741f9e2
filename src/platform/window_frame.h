// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/design.h"

class QWidget;

namespace kvarnel::platform {

// Gives a top-level window its name, caption, border and client size.
void applyFrame(QWidget *window, const WindowFrame &frame);

} // namespace kvarnel::platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"

class QWidget;

namespace kvarnel::platform {

// Gives a top-level window its name, caption, border and client size.
void applyFrame(QWidget *window, const design::WindowFrame &frame);

} // namespace kvarnel::platform

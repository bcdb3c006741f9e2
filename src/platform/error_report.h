// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"

class QWidget;

namespace kvarnel::platform {

// Tells the user that something went wrong, in a modal message box owned by `owner`.
void reportError(QWidget *owner, const design::Alert &alert);

} // namespace kvarnel::platform

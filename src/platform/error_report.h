// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace kvarnel::platform {

// Tells the user that something went wrong, in a modal message box owned by `owner`.
void reportError(QWidget *owner, const QString &message);

} // namespace kvarnel::platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kvarnel::platform {

// Tells the user that something went wrong, in a modal message box owned by `owner`.
void reportError(QWidget *owner, const QString &message);

// Replaces the message box, for tests that must not enter a modal loop. An empty sink
// restores the message box. Returns the sink that was in place.
using ErrorSink = std::function<void(QWidget *owner, const QString &message)>;
ErrorSink setErrorSink(ErrorSink sink);

} // namespace kvarnel::platform

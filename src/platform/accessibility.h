// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kvarnel::platform {

// Tells assistive technology that `widget` now shows `value`, so a screen reader can
// speak a result the moment it appears.
void announceValue(QWidget *widget, const QString &value);

// Observes announcements instead, for tests: without an accessibility bridge (offscreen,
// or no accessibility bus) Qt drops them. An empty sink restores the default. Returns the
// sink that was in place.
using AnnouncementSink = std::function<void(QWidget *widget, const QString &value)>;
AnnouncementSink setAnnouncementSink(AnnouncementSink sink);

} // namespace kvarnel::platform

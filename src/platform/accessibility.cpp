// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility.h"

#include <QAccessible>
#include <QWidget>

#include <utility>

namespace kvarnel::platform {
namespace {

AnnouncementSink &currentSink()
{
    static AnnouncementSink sink;
    return sink;
}

} // namespace

void announceValue(QWidget *widget, const QString &value)
{
    if (const AnnouncementSink &sink = currentSink()) {
        sink(widget, value);
        return;
    }
    QAccessibleValueChangeEvent event(widget, value);
    QAccessible::updateAccessibility(&event);
}

AnnouncementSink setAnnouncementSink(AnnouncementSink sink)
{
    return std::exchange(currentSink(), std::move(sink));
}

} // namespace kvarnel::platform

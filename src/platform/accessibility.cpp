// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace kvarnel::platform {
namespace {

const QString announcementName = QStringLiteral("Announcement");

// Why a notification: a value or description change of another object is not spoken.
// Qt's AT-SPI bridge sends no value change for an object without a value, and sends a
// changed description without its text, which Orca refuses; Orca ignores text changes
// in labels. What Orca does speak, wherever the focus is, is a notification that
// appears. It has no size and paints nothing, so the window looks the same.
class Notification : public QWidget
{
  public:
    explicit Notification(QWidget *window) : QWidget(window)
    {
        setObjectName(announcementName);
        setGeometry(0, 0, 0, 0);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }
};

class NotificationAccessible : public QAccessibleWidget
{
  public:
    explicit NotificationAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Notification)
    {
    }
};

} // namespace

void announce(QWidget *window, const QString &message)
{
    QWidget *notification =
        window->findChild<QWidget *>(announcementName, Qt::FindDirectChildrenOnly);
    if (!notification) {
        provideAccessible<Notification, NotificationAccessible>();
        notification = new Notification(window);
    }
    notification->hide();
    notification->setAccessibleName(message);
    notification->show();
}

} // namespace kvarnel::platform

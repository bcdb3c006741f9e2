// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace kvarnel::platform {
namespace {

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
        setObjectName(QStringLiteral("Announcement"));
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

void Announcer::announce(const QString &message)
{
    if (!m_notification) {
        provideAccessible<Notification, NotificationAccessible>();
        m_notification = new Notification(m_window);
    }
    m_notification->hide();
    m_notification->setAccessibleName(message);
    m_notification->show();
}

} // namespace kvarnel::platform

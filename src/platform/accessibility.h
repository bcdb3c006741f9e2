// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace kvarnel::platform {

// Has a screen reader speak a message now, without moving the focus away from where the
// user is: the window gains an invisible notification that appears with each message.
class Announcer
{
  public:
    explicit Announcer(QWidget *window) : m_window(window) {}

    void announce(const QString &message);

  private:
    QWidget *m_window;
    QPointer<QWidget> m_notification; // made at the first message
};

// From now on, assistive technology sees every widget of type W through an interface A,
// made from the widget.
template<typename W, typename A> void provideAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &, QObject *object) -> QAccessibleInterface * {
            auto *widget = dynamic_cast<W *>(object);
            return widget ? new A(widget) : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace kvarnel::platform

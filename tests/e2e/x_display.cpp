// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_display.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template<typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply> ReplyPtr<Reply> own(Reply *reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

void xdotool(const QStringList &arguments)
{
    QProcess::execute(QStringLiteral("xdotool"), arguments);
}

// xdotool's words for a mouse move to a point of a window.
QStringList moveTo(XDisplay::Window window, QPoint point)
{
    return {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window),
            QString::number(point.x()), QString::number(point.y())};
}

} // namespace

XDisplay::XDisplay() : m_connection(xcb_connect(nullptr, nullptr))
{
    if (xcb_connection_has_error(m_connection))
        return;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
}

XDisplay::~XDisplay()
{
    xcb_disconnect(m_connection);
}

bool XDisplay::isOpen() const
{
    return m_root != 0;
}

std::uint32_t XDisplay::atom(const char *name) const
{
    auto reply = own(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : std::uint32_t(XCB_ATOM_NONE);
}

QString XDisplay::title(Window window) const
{
    const QByteArray name = property(window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 1024);
    return QString::fromUtf8(name);
}

QByteArray XDisplay::property(Window window, std::uint32_t name, std::uint32_t type,
                              std::uint32_t words) const
{
    auto reply = own(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, name, type, 0, words), nullptr));
    if (!reply)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

QList<XDisplay::Window> XDisplay::children(Window window) const
{
    auto tree =
        own(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), nullptr));
    if (!tree)
        return {};
    const xcb_window_t *first = xcb_query_tree_children(tree.get());
    return QList<Window>(first, first + xcb_query_tree_children_length(tree.get()));
}

bool XDisplay::isViewable(Window window) const
{
    auto attributes = own(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

XDisplay::Window XDisplay::waitForWindow(const QString &wanted, int timeoutMs, Window besides) const
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        // Top-level windows, and the windows inside a window manager's frames.
        const QList<Window> topLevel = children(m_root);
        QList<Window> candidates = topLevel;
        for (Window frame : topLevel)
            candidates += children(frame);
        for (Window window : candidates) {
            if (window != besides && isViewable(window) && title(window) == wanted)
                return window;
        }
        QThread::msleep(20);
    }
    return 0;
}

bool XDisplay::hasFixedSize(Window window) const
{
    const QByteArray value = property(window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 18);
    if (value.size() < 4 * 9)
        return false;
    // flags, x, y, width, height, min width, min height, max width, max height
    const auto *hints = reinterpret_cast<const std::uint32_t *>(value.constData());
    constexpr std::uint32_t minSize = 1 << 4, maxSize = 1 << 5;
    return (hints[0] & minSize) && (hints[0] & maxSize) && hints[5] == hints[7] &&
           hints[6] == hints[8];
}

QSize XDisplay::clientSize(Window window) const
{
    auto geometry =
        own(xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    return geometry ? QSize(geometry->width, geometry->height) : QSize();
}

void XDisplay::click(Window window, QPoint position) const
{
    xdotool(moveTo(window, position) << QStringLiteral("click") << QStringLiteral("1"));
}

void XDisplay::drag(Window window, QLine line) const
{
    xdotool(moveTo(window, line.p1())
            << QStringLiteral("mousedown") << QStringLiteral("1") << moveTo(window, line.p2())
            << QStringLiteral("mouseup") << QStringLiteral("1"));
}

bool XDisplay::grab(Window window, const QString &file) const
{
    return QProcess::execute(QStringLiteral("import"),
                             {QStringLiteral("-window"),
                              window ? QString::number(window) : QStringLiteral("root"), file}) ==
           0;
}

QString XDisplay::clipboard() const
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    xclip.waitForFinished(30000);
    return QString::fromUtf8(xclip.readAllStandardOutput());
}

void XDisplay::raise(Window window) const
{
    if (!property(m_root, atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1).isEmpty()) {
        xdotool(
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window)});
        return;
    }
    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(m_connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_flush(m_connection);
}

void XDisplay::type(const QString &text) const
{
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

void XDisplay::key(const QString &keys) const
{
    xdotool({QStringLiteral("key"), keys});
}

void XDisplay::close(Window window) const
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(m_connection);
}

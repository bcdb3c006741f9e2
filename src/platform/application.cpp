// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.h"

#include "platform/fonts.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace kvarnel::platform {
namespace {

// What Qt says while it opens the display is held back: on success it is passed on as
// said, on failure the one line below takes the place of Qt's several.
struct HeldMessage
{
    QtMsgType type;
    const char *file;
    int line;
    const char *function;
    const char *category;
    QString text;
};

std::vector<HeldMessage> &heldMessages()
{
    static std::vector<HeldMessage> messages;
    return messages;
}

void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs("kvarnel: нет дисплея, чтобы показать окна; запустите программу в графическом "
                   "сеансе / no display to show the windows on; start it in a graphical "
                   "session\n",
                   stderr);
        std::_Exit(1);
    }
    heldMessages().push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

} // namespace

std::unique_ptr<QApplication> makeApplication(int &argc, char **argv)
{
    startFontSystem();
    const QtMessageHandler previous = qInstallMessageHandler(holdBack);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
#if defined(Q_OS_WIN) && QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    // Qt 6.7 and later draw Windows 11 in a style of their own; the windows keep the
    // Windows look they were laid out in, which Qt 6.4 gave every Windows.
    QApplication::setStyle(QStringLiteral("windowsvista"));
#endif
    setApplicationFonts();
    for (const HeldMessage &message : heldMessages()) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
    heldMessages().clear();
    return application;
}

} // namespace kvarnel::platform

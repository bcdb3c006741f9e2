// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser_screen.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QThread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Qt makes each window of a page an element of its own, in a shadow root inside the element
// it was given (#desktop): a .qt-window with a title bar (its .window-name and its buttons)
// and the client area, .qt-window-contents. A window found once is marked with its number.
// The function below, given a window's number, answers where its parts are on the page;
// given a title, the first shown window of that title, other than the one numbered
// `besides`, marking it with the next number if it has none.
constexpr char16_t windowsScript[] = uR"((function (number, title, besides) {
    const host = [...document.getElementById("desktop").children].find((c) => c.shadowRoot);
    const shown = host ? [...host.shadowRoot.querySelectorAll(".qt-window")]
        .filter((w) => getComputedStyle(w).display !== "none") : [];
    const name = (w) => w.querySelector(".title-bar .window-name").textContent;
    let window = shown.find((w) => number ? w.dataset.testNumber === String(number)
        : name(w) === title && w.dataset.testNumber !== String(besides));
    if (!window)
        return {};
    if (!window.dataset.testNumber)
        window.dataset.testNumber = document.testWindows = (document.testWindows || 0) + 1;
    const box = (e) => { const r = e.getBoundingClientRect();
        return [Math.round(r.x), Math.round(r.y), Math.round(r.width), Math.round(r.height)]; };
    const buttons = [...window.querySelectorAll(".title-bar .action-button")]
        .filter((b) => getComputedStyle(b).display !== "none");
    return {number: Number(window.dataset.testNumber), title: name(window),
            client: box(window.querySelector(".qt-window-contents")),
            titleBar: box(window.querySelector(".title-bar .window-name")),
            buttons: buttons.map(box)};
}))";

QRect rectOf(const QJsonValue &box)
{
    const QJsonArray a = box.toArray();
    return {a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt(), a.at(3).toInt()};
}

} // namespace

Browser::Browser(const QString &folder, const QString &language) : m_language(language)
{
    // The folder on a port of its own on 127.0.0.1: Python says which once it listens.
    m_server.setStandardErrorFile(QProcess::nullDevice());
    m_server.start(u"/usr/bin/python3"_s, {u"-u"_s, u"-m"_s, u"http.server"_s, u"--bind"_s,
                                           u"127.0.0.1"_s, u"--directory"_s, folder, u"0"_s});
    static const QRegularExpression listening(u"port (\\d+)"_s);
    QString said;
    for (QDeadlineTimer deadline(10000);
         !listening.match(said).hasMatch() && !deadline.hasExpired();) {
        m_server.waitForReadyRead(100);
        said += QString::fromUtf8(m_server.readAllStandardOutput());
    }
    const QString origin = u"http://127.0.0.1:"_s + listening.match(said).captured(1);
    m_url = origin + u"/index.html"_s;

    // The protocol goes through descriptors 3 (commands) and 4 (answers) of the browser.
    int commands[2], answers[2];
    if (!listening.match(said).hasMatch() || ::pipe(commands) != 0 || ::pipe(answers) != 0)
        return;
    m_chromium.setChildProcessModifier([commands, answers] {
        const int in = ::fcntl(commands[0], F_DUPFD, 10), out = ::fcntl(answers[1], F_DUPFD, 10);
        ::dup2(in, 3);
        ::dup2(out, 4);
        ::close(commands[1]);
        ::close(answers[0]);
    });
    m_chromium.setStandardOutputFile(QProcess::nullDevice());
    m_chromium.setStandardErrorFile(QProcess::nullDevice());
    // As root, without a sandbox; without the background traffic a closed network refuses;
    // WebGL, which Qt draws windows with, in software (chosen by the browser: asked for
    // SwiftShader through ANGLE, it takes ten times as long to make a context).
    m_chromium.start(u"/usr/bin/chromium"_s,
                     {u"--headless=new"_s, u"--remote-debugging-pipe"_s, u"--no-sandbox"_s,
                      u"--no-first-run"_s, u"--disable-background-networking"_s,
                      u"--disable-component-update"_s, u"--disable-sync"_s, u"--disable-quic"_s,
                      u"--enable-unsafe-swiftshader"_s, u"--user-data-dir="_s + m_profile.path(),
                      u"about:blank"_s});
    ::close(commands[0]);
    ::close(answers[1]);
    m_commands = commands[1];
    m_answers = answers[0];
    m_ready = !send(u"Browser.getVersion"_s).isEmpty();
    send(u"Browser.grantPermissions"_s,
         {{u"origin"_s, origin},
          {u"permissions"_s, QJsonArray{u"clipboardReadWrite"_s, u"clipboardSanitizedWrite"_s}}});
}

Browser::~Browser()
{
    ::close(m_commands);
    ::close(m_answers);
    for (QProcess *process : {&m_chromium, &m_server}) {
        process->terminate();
        if (!process->waitForFinished(5000))
            process->kill();
    }
}

QJsonObject Browser::send(const QString &method, const QJsonObject &params, const QString &session)
{
    QJsonObject command{{u"id"_s, ++m_lastId}, {u"method"_s, method}, {u"params"_s, params}};
    if (!session.isEmpty())
        command.insert(u"sessionId"_s, session);
    const QByteArray bytes = QJsonDocument(command).toJson(QJsonDocument::Compact) + '\0';
    if (::write(m_commands, bytes.constData(), bytes.size()) != bytes.size())
        return {};
    for (QDeadlineTimer deadline(30000); !deadline.hasExpired();) {
        // Answers and events, each ended by a NUL; events are not needed.
        for (qsizetype end; (end = m_received.indexOf('\0')) >= 0;) {
            const QJsonObject message = QJsonDocument::fromJson(m_received.left(end)).object();
            m_received.remove(0, end + 1);
            if (message.value(u"id").toInt() == m_lastId)
                return message.value(u"result").toObject();
        }
        pollfd ready{m_answers, POLLIN, 0};
        char buffer[65536];
        const auto got = ::poll(&ready, 1, 1000) > 0 ? ::read(m_answers, buffer, sizeof buffer) : 0;
        if (got < 0 || (got == 0 && ready.revents & POLLHUP))
            return {};
        m_received.append(buffer, got);
    }
    return {};
}

BrowserScreen::BrowserScreen(Browser &browser) : m_browser(browser)
{
    m_target = browser.send(u"Target.createTarget"_s, {{u"url"_s, u"about:blank"_s}})
                   .value(u"targetId")
                   .toString();
    m_session =
        browser.send(u"Target.attachToTarget"_s, {{u"targetId"_s, m_target}, {u"flatten"_s, true}})
            .value(u"sessionId")
            .toString();
    // The language the page's program takes its decimal separator from.
    send(u"Emulation.setUserAgentOverride"_s,
         {{u"userAgent"_s, u"Mozilla/5.0"_s}, {u"acceptLanguage"_s, browser.language()}});
    send(u"Emulation.setDeviceMetricsOverride"_s, {{u"width"_s, 1280},
                                                   {u"height"_s, 800},
                                                   {u"deviceScaleFactor"_s, 1},
                                                   {u"mobile"_s, false}});
    send(u"Emulation.setFocusEmulationEnabled"_s, {{u"enabled"_s, true}});
    send(u"Page.navigate"_s, {{u"url"_s, browser.url()}});
}

BrowserScreen::~BrowserScreen()
{
    m_browser.send(u"Target.closeTarget"_s, {{u"targetId"_s, m_target}});
}

QJsonObject BrowserScreen::send(const QString &method, const QJsonObject &params) const
{
    return m_browser.send(method, params, m_session);
}

QJsonValue BrowserScreen::evaluate(const QString &expression) const
{
    return send(u"Runtime.evaluate"_s, {{u"expression"_s, expression},
                                        {u"awaitPromise"_s, true},
                                        {u"returnByValue"_s, true}})
        .value(u"result")
        .toObject()
        .value(u"value");
}

QImage BrowserScreen::picture() const
{
    const QString png = send(u"Page.captureScreenshot"_s).value(u"data").toString();
    return QImage::fromData(QByteArray::fromBase64(png.toLatin1()))
        .convertToFormat(QImage::Format_RGB32);
}

QJsonObject BrowserScreen::windowParts(Window window, const QString &title, Window besides) const
{
    const QString call = u"(%1)(%2, %3, %4)"_s.arg(
        QString::fromUtf16(windowsScript), QString::number(window),
        QString::fromUtf8(QJsonDocument(QJsonArray{title}).toJson(QJsonDocument::Compact))
            .mid(1)
            .chopped(1),
        QString::number(besides));
    return evaluate(call).toObject();
}

bool BrowserScreen::hasEnded(int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    do {
        if (evaluate(u"!document.getElementById('ended').hidden"_s).toBool())
            return true;
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return false;
}

Screen::Window BrowserScreen::waitForWindow(const QString &title, int timeoutMs,
                                            Window besides) const
{
    QDeadlineTimer deadline(timeoutMs);
    do {
        if (const int number = windowParts(0, title, besides).value(u"number").toInt())
            return Window(number);
        QThread::msleep(20);
    } while (!deadline.hasExpired());
    return 0;
}

QRect BrowserScreen::client(Window window) const
{
    return window ? rectOf(windowParts(window).value(u"client")) : QRect();
}

QSize BrowserScreen::clientSize(Window window) const
{
    return client(window).size();
}

bool BrowserScreen::hasFixedSize(Window window) const
{
    // A close box alone, no maximise box
    return windowParts(window).value(u"buttons").toArray().size() == 1;
}

void BrowserScreen::mouse(const char *type, QPoint at, int buttons) const
{
    send(u"Input.dispatchMouseEvent"_s, {{u"type"_s, QLatin1String(type)},
                                         {u"x"_s, at.x()},
                                         {u"y"_s, at.y()},
                                         {u"button"_s, u"left"_s},
                                         {u"buttons"_s, buttons},
                                         {u"clickCount"_s, 1}});
    QThread::msleep(30); // for the program to take it
}

void BrowserScreen::click(Window window, QPoint position) const
{
    const QPoint at = client(window).topLeft() + position;
    mouse("mouseMoved", at, 0);
    mouse("mousePressed", at, 1);
    mouse("mouseReleased", at, 0);
}

void BrowserScreen::drag(Window window, QLine line) const
{
    const QPoint origin = client(window).topLeft();
    mouse("mousePressed", origin + line.p1(), 1);
    mouse("mouseMoved", origin + line.p2(), 1);
    mouse("mouseReleased", origin + line.p2(), 0);
}

void BrowserScreen::raise(Window window) const
{
    const QPoint title = rectOf(windowParts(window).value(u"titleBar")).center();
    mouse("mouseMoved", title, 0);
    mouse("mousePressed", title, 1);
    mouse("mouseReleased", title, 0);
}

void BrowserScreen::close(Window window) const
{
    const QJsonArray buttons = windowParts(window).value(u"buttons").toArray();
    if (buttons.isEmpty())
        return;
    const QPoint box = rectOf(buttons.last()).center(); // the close box is the last
    mouse("mouseMoved", box, 0);
    mouse("mousePressed", box, 1);
    mouse("mouseReleased", box, 0);
}

void BrowserScreen::press(const QString &key, const QString &code, int virtualKey,
                          const QString &text, int modifiers) const
{
    for (const char *type : {"keyDown", "keyUp"}) {
        QJsonObject event{{u"type"_s, QLatin1String(type)},
                          {u"key"_s, key},
                          {u"code"_s, code},
                          {u"windowsVirtualKeyCode"_s, virtualKey},
                          {u"modifiers"_s, modifiers}};
        if (qstrcmp(type, "keyDown") == 0 && !text.isEmpty())
            event.insert(u"text"_s, text);
        send(u"Input.dispatchKeyEvent"_s, event);
    }
    QThread::msleep(30);
}

void BrowserScreen::type(const QString &text) const
{
    for (QChar c : text) {
        const QChar upper = c.toUpper();
        const bool letter = upper >= u'A' && upper <= u'Z';
        const QString code = letter ? u"Key"_s + upper : c.isDigit() ? u"Digit"_s + c : u"Period"_s;
        press(QString(c), code, letter || c.isDigit() ? upper.unicode() : 190, QString(c), 0);
    }
}

void BrowserScreen::key(const QString &keys) const
{
    if (keys == u"Return")
        return press(u"Enter"_s, u"Enter"_s, 13, u"\r"_s, 0);
    // "ctrl+a": a letter, with Ctrl (2 in the protocol's modifiers).
    const QChar letter = keys.back();
    press(QString(letter), u"Key"_s + letter.toUpper(), letter.toUpper().unicode(), {},
          keys.startsWith(u"ctrl+") ? 2 : 0);
}

bool BrowserScreen::grab(Window window, const QString &file) const
{
    const QImage image = picture();
    return (window ? image.copy(client(window)) : image).save(file);
}

QString BrowserScreen::clipboard() const
{
    return evaluate(u"navigator.clipboard.readText()"_s).toString();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser_screen.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QThread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// Qt's frame around a window in a page: white, a light grey line inside, a dark edge at the
// right and the bottom; the title bar within, 26 pixels from the top to the client area.
constexpr QRgb white = 0xffffffff, light = 0xffcacaca, dark = 0xff767676;
constexpr QMargins frameMargins(4, 26, 4, 4);

// The outer rectangles of the frames the picture shows whole at their top-left corner,
// even where they overlap others.
QList<QRect> framesIn(const QImage &image)
{
    QList<QRect> frames;
    const auto at = [&image](int x, int y) { return image.valid(x, y) ? image.pixel(x, y) : 0; };
    for (int y = 0; y + 40 < image.height(); ++y) {
        for (int x = 0; x + 40 < image.width(); ++x) {
            // White outside, and the light line inside turning the corner.
            if (at(x, y) != white || at(x + 4, y) != white || at(x + 1, y + 1) != light ||
                at(x + 2, y + 1) != light || at(x + 1, y + 4) != light || at(x + 2, y + 4) == light)
                continue;
            int right = x;
            while (right + 1 < image.width() && at(right, y) == white)
                ++right;
            int bottom = y;
            while (bottom + 1 < image.height() && at(x, bottom) == white)
                ++bottom;
            if (at(right, y) == dark && at(x, bottom) == dark && right - x > 60 && bottom - y > 40)
                frames << QRect(QPoint(x, y), QPoint(right, bottom));
        }
    }
    return frames;
}

int differs(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

} // namespace

Browser::Browser(const QString &folder, const QString &language) : m_language(language)
{
    // The folder on a port of its own on 127.0.0.1: Python says which once it listens.
    m_server.setStandardErrorFile(QProcess::nullDevice());
    m_server.start(QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                    QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                    QStringLiteral("--directory"), folder, QStringLiteral("0")});
    static const QRegularExpression listening(QStringLiteral("port (\\d+)"));
    QString said;
    QElapsedTimer clock;
    clock.start();
    while (!listening.match(said).hasMatch() && clock.elapsed() < 10000) {
        m_server.waitForReadyRead(100);
        said += QString::fromUtf8(m_server.readAllStandardOutput());
    }
    const auto port = listening.match(said);
    if (!port.hasMatch())
        return;
    const QString origin = QStringLiteral("http://127.0.0.1:") + port.captured(1);
    m_url = origin + QStringLiteral("/index.html");

    // The protocol goes through descriptors 3 (commands) and 4 (answers) of the browser.
    int commands[2], answers[2];
    if (::pipe(commands) != 0 || ::pipe(answers) != 0)
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
    m_chromium.start(
        QStringLiteral("/usr/bin/chromium"),
        {QStringLiteral("--headless=new"), QStringLiteral("--remote-debugging-pipe"),
         QStringLiteral("--no-sandbox"), QStringLiteral("--no-first-run"),
         QStringLiteral("--disable-background-networking"),
         QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
         QStringLiteral("--disable-quic"), QStringLiteral("--enable-unsafe-swiftshader"),
         QStringLiteral("--user-data-dir=") + m_profile.path(), QStringLiteral("about:blank")});
    ::close(commands[0]);
    ::close(answers[1]);
    m_commands = commands[1];
    m_answers = answers[0];
    m_userAgent = send(QStringLiteral("Browser.getVersion")).value(u"userAgent").toString();
    send(QStringLiteral("Browser.grantPermissions"),
         {{QStringLiteral("origin"), origin},
          {QStringLiteral("permissions"), QJsonArray{QStringLiteral("clipboardReadWrite"),
                                                     QStringLiteral("clipboardSanitizedWrite")}}});
    m_ready = !m_userAgent.isEmpty();
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
    QJsonObject command{{QStringLiteral("id"), ++m_lastId},
                        {QStringLiteral("method"), method},
                        {QStringLiteral("params"), params}};
    if (!session.isEmpty())
        command.insert(QStringLiteral("sessionId"), session);
    const QByteArray bytes = QJsonDocument(command).toJson(QJsonDocument::Compact) + '\0';
    for (qsizetype sent = 0; sent < bytes.size();) {
        const auto written = ::write(m_commands, bytes.constData() + sent, bytes.size() - sent);
        if (written <= 0)
            return {};
        sent += written;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000) {
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
    m_target = browser
                   .send(QStringLiteral("Target.createTarget"),
                         {{QStringLiteral("url"), QStringLiteral("about:blank")}})
                   .value(u"targetId")
                   .toString();
    m_session =
        browser
            .send(QStringLiteral("Target.attachToTarget"),
                  {{QStringLiteral("targetId"), m_target}, {QStringLiteral("flatten"), true}})
            .value(u"sessionId")
            .toString();
    // The language the page's program takes its decimal separator from.
    send(QStringLiteral("Emulation.setUserAgentOverride"),
         {{QStringLiteral("userAgent"), QStringLiteral("Mozilla/5.0")},
          {QStringLiteral("acceptLanguage"), browser.language()}});
    send(QStringLiteral("Emulation.setDeviceMetricsOverride"),
         {{QStringLiteral("width"), 1280},
          {QStringLiteral("height"), 800},
          {QStringLiteral("deviceScaleFactor"), 1},
          {QStringLiteral("mobile"), false}});
    send(QStringLiteral("Emulation.setFocusEmulationEnabled"), {{QStringLiteral("enabled"), true}});
    send(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), browser.url()}});
}

BrowserScreen::~BrowserScreen()
{
    m_browser.send(QStringLiteral("Target.closeTarget"), {{QStringLiteral("targetId"), m_target}});
}

QJsonObject BrowserScreen::send(const QString &method, const QJsonObject &params) const
{
    return m_browser.send(method, params, m_session);
}

QImage BrowserScreen::picture() const
{
    const QJsonObject shot = send(QStringLiteral("Page.captureScreenshot"),
                                  {{QStringLiteral("format"), QStringLiteral("png")}});
    return QImage::fromData(QByteArray::fromBase64(shot.value(u"data").toString().toLatin1()))
        .convertToFormat(QImage::Format_RGB32);
}

bool BrowserScreen::hasEnded(int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    do {
        if (evaluate(QStringLiteral("!document.getElementById('ended').hidden")).toBool())
            return true;
        QThread::msleep(100);
    } while (clock.elapsed() < timeoutMs);
    return false;
}

Screen::Window BrowserScreen::waitForWindow(const QString &title, int timeoutMs,
                                            Window besides) const
{
    QElapsedTimer clock;
    clock.start();
    do {
        const QList<QRect> frames = framesIn(picture());
        const auto shown = [&frames](const QRect &frame) {
            return std::any_of(frames.begin(), frames.end(), [&frame](const QRect &other) {
                return other.topLeft() == frame.topLeft();
            });
        };
        for (std::size_t i = 0; i < m_windows.size(); ++i) {
            if (m_windows[i].title == title && Window(i + 1) != besides &&
                shown(m_windows[i].frame))
                return Window(i + 1);
        }
        for (const QRect &frame : frames) {
            if (std::none_of(m_windows.begin(), m_windows.end(), [&frame](const Known &known) {
                    return known.frame.topLeft() == frame.topLeft();
                })) {
                m_windows.push_back({title, frame});
                return Window(m_windows.size());
            }
        }
        QThread::msleep(20);
    } while (clock.elapsed() < timeoutMs);
    return 0;
}

QRect BrowserScreen::client(Window window) const
{
    return window ? m_windows.at(window - 1).frame - frameMargins : QRect();
}

QSize BrowserScreen::clientSize(Window window) const
{
    return client(window).size();
}

QList<std::pair<int, int>> BrowserScreen::titleButtons(Window window) const
{
    const QImage image = picture();
    const QRect frame = m_windows.at(window - 1).frame;
    const QRgb bar = image.pixel(frame.right() - 5, frame.top() + 5);
    QList<std::pair<int, int>> runs;
    for (int x = frame.right() - 5; x > frame.right() - 45; --x) {
        bool inked = false;
        for (int y = frame.top() + 8; y < frame.top() + 22 && !inked; ++y)
            inked = differs(image.pixel(x, y), bar) > 60;
        if (inked && !runs.isEmpty() && runs.last().first == x + 1)
            runs.last().first = x;
        else if (inked)
            runs.append({x, x});
    }
    return runs;
}

bool BrowserScreen::hasFixedSize(Window window) const
{
    return titleButtons(window).size() == 1; // a close box alone, no maximise box
}

void BrowserScreen::mouse(const char *type, QPoint at, int buttons) const
{
    send(QStringLiteral("Input.dispatchMouseEvent"),
         {{QStringLiteral("type"), QLatin1String(type)},
          {QStringLiteral("x"), at.x()},
          {QStringLiteral("y"), at.y()},
          {QStringLiteral("button"), QStringLiteral("left")},
          {QStringLiteral("buttons"), buttons},
          {QStringLiteral("clickCount"), 1}});
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
    const QRect frame = m_windows.at(window - 1).frame;
    click(window, QPoint(frame.width() / 2, 15) - QPoint(4, 26)); // on the title bar
}

void BrowserScreen::close(Window window) const
{
    const auto buttons = titleButtons(window);
    if (buttons.isEmpty())
        return;
    const QRect frame = m_windows.at(window - 1).frame;
    const QPoint box((buttons.first().first + buttons.first().second) / 2, frame.top() + 15);
    mouse("mousePressed", box, 1);
    mouse("mouseReleased", box, 0);
}

void BrowserScreen::press(const QString &key, const QString &code, int virtualKey,
                          const QString &text, int modifiers) const
{
    for (const char *type : {"keyDown", "keyUp"}) {
        QJsonObject event{{QStringLiteral("type"), QLatin1String(type)},
                          {QStringLiteral("key"), key},
                          {QStringLiteral("code"), code},
                          {QStringLiteral("windowsVirtualKeyCode"), virtualKey},
                          {QStringLiteral("modifiers"), modifiers}};
        if (qstrcmp(type, "keyDown") == 0 && !text.isEmpty())
            event.insert(QStringLiteral("text"), text);
        send(QStringLiteral("Input.dispatchKeyEvent"), event);
    }
    QThread::msleep(30);
}

void BrowserScreen::type(const QString &text) const
{
    for (QChar c : text) {
        const QChar upper = c.toUpper();
        const bool letter = upper >= u'A' && upper <= u'Z';
        const bool digit = c.isDigit();
        const QString code = letter  ? QStringLiteral("Key") + upper
                             : digit ? QStringLiteral("Digit") + c
                                     : QStringLiteral("Period");
        press(QString(c), code, letter || digit ? upper.unicode() : 190, QString(c), 0);
    }
}

void BrowserScreen::key(const QString &keys) const
{
    if (keys == u"Return") {
        press(QStringLiteral("Enter"), QStringLiteral("Enter"), 13, QStringLiteral("\r"), 0);
        return;
    }
    // "ctrl+a": a letter with Ctrl (2 in the protocol's modifiers).
    const QChar letter = keys.back();
    press(QString(letter), QStringLiteral("Key") + letter.toUpper(), letter.toUpper().unicode(), {},
          keys.startsWith(u"ctrl+") ? 2 : 0);
}

bool BrowserScreen::grab(Window window, const QString &file) const
{
    const QImage image = picture();
    return (window ? image.copy(client(window)) : image).save(file);
}

QString BrowserScreen::clipboard() const
{
    return evaluate(QStringLiteral("navigator.clipboard.readText()")).toString();
}

QJsonValue BrowserScreen::evaluate(const QString &expression) const
{
    return send(QStringLiteral("Runtime.evaluate"), {{QStringLiteral("expression"), expression},
                                                     {QStringLiteral("awaitPromise"), true}})
        .value(u"result")
        .toObject()
        .value(u"value");
}

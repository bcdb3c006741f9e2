// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

#include <QImage>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

// Debian's Chromium, headless, driven through its debugging protocol on a pipe, with the
// page's folder served on 127.0.0.1 and the browser's language set ("ru-RU").
class Browser
{
  public:
    Browser(const QString &folder, const QString &language);
    ~Browser();
    Browser(const Browser &) = delete;
    Browser &operator=(const Browser &) = delete;

    bool isReady() const { return m_ready; }
    const QString &url() const { return m_url; }
    const QString &language() const { return m_language; }
    // Sends a command, to a page's session or to the browser, and waits for its answer.
    QJsonObject send(const QString &method, const QJsonObject &params = {},
                     const QString &session = {});

  private:
    QProcess m_server;
    QProcess m_chromium;
    QTemporaryDir m_profile;
    int m_commands = -1; // our ends of the two pipes
    int m_answers = -1;
    QByteArray m_received;
    int m_lastId = 0;
    QString m_url;
    QString m_language;
    bool m_ready = false;
};

// A page of the browser, which is the program's desktop. Its windows are found among the
// page's elements by their titles, pointed at with the mouse and typed into with keys.
class BrowserScreen : public Screen
{
  public:
    explicit BrowserScreen(Browser &browser); // opens the page
    ~BrowserScreen() override;

    // Whether the page says, within the time, that the program has ended.
    bool hasEnded(int timeoutMs) const;
    // The value of a JavaScript expression in the page (awaited, if a promise).
    QJsonValue evaluate(const QString &expression) const;

    Window waitForWindow(const QString &title, int timeoutMs = 10000,
                         Window besides = 0) const override;
    QSize clientSize(Window window) const override;
    bool hasFixedSize(Window window) const override;
    void click(Window window, QPoint position) const override;
    void drag(Window window, QLine line) const override;
    void raise(Window window) const override;
    void type(const QString &text) const override;
    void key(const QString &keys) const override;
    void close(Window window) const override;
    bool grab(Window window, const QString &file) const override;
    QString clipboard() const override;

  private:
    QJsonObject send(const QString &method, const QJsonObject &params = {}) const;
    QImage picture() const;
    // Where the parts of a window are on the page (see windowsScript), or of the first
    // shown window of the title, other than `besides`.
    QJsonObject windowParts(Window window, const QString &title = {}, Window besides = 0) const;
    QRect client(Window window) const;
    void mouse(const char *type, QPoint at, int buttons) const;
    void press(const QString &key, const QString &code, int virtualKey, const QString &text,
               int modifiers) const;

    Browser &m_browser;
    QString m_target;
    QString m_session;
};

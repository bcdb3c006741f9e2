// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// Where the program under test runs: the Linux program on the test's X display as it is;
// kvarnel.exe through Wine, in a prefix made afresh, beside a window manager that honours
// fixed borders as Windows does (xfwm4). KVARNEL_LANGUAGE ("ru", the default, or "en")
// gives the regional settings. (The page has tests of its own, in web/.)
class Launcher
{
  public:
    explicit Launcher(QString executable);
    ~Launcher();
    Launcher(const Launcher &) = delete;
    Launcher &operator=(const Launcher &) = delete;

    bool isReady() const { return m_ready; }
    // The decimal separator the program shows under these settings.
    QChar separator() const { return m_english ? u'.' : u','; }
    // The command that starts `executable` (by default the one under test) here.
    QStringList command(const QString &executable = {}) const;
    QProcessEnvironment environment() const;
    // Runs a helper (wine, wineserver, ...) in the same environment; its exit status.
    int run(const QString &program, const QStringList &arguments) const;
    // A path inside the Wine prefix.
    QString inPrefix(const QString &path) const { return m_prefix->filePath(path); }

  private:
    QString m_executable;
    bool m_windows;
    bool m_english;
    bool m_ready = true;
    std::unique_ptr<QTemporaryDir> m_prefix;
    QProcessEnvironment m_wine;
    QProcess m_windowManager;
};

// The program as a user starts and drives it: clicks where its own window tables put the
// controls, typing, and the clipboard.
class ProgramRun
{
  public:
    explicit ProgramRun(const Launcher &launcher, const QString &executable = {});
    ~ProgramRun();

    const Screen &screen() const { return *m_screen; }
    bool isRunning();
    // Whether it ends within the time, with status 0.
    bool ends(int timeoutMs = 10000);

    // The main window, once it is shown; 0 if it is not.
    Screen::Window waitForMain();
    void enter(const QStringList &texts); // into the three boxes, in order
    void click(int control);              // a control of the main window (MainForm::Command2)
    QString copy(int result);             // dragged over, then Ctrl+C
    Screen::Window openCatalogue();
    Screen::Window openTable(int index); // from the catalogue
    // The exit button (Command4) ends the program, with status 0.
    bool exitsWithStatusZero();

  private:
    std::unique_ptr<Screen> m_screen;
    QProcess m_process;
    Screen::Window m_main = 0;
    Screen::Window m_catalogue = 0;
};

// What a command prints on standard output.
QByteArray output(const QString &program, const QStringList &arguments);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "x_display.h"

#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// Where the program under test runs, on the test's X display: the Linux program as it is,
// or kvarnel.exe through Wine, in a prefix made afresh, beside a window manager that
// honours fixed borders as Windows does (xfwm4).
class Launcher
{
  public:
    explicit Launcher(QString executable);
    ~Launcher();
    Launcher(const Launcher &) = delete;
    Launcher &operator=(const Launcher &) = delete;

    bool isReady() const { return m_ready; }
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
    bool m_ready = true;
    std::unique_ptr<QTemporaryDir> m_prefix;
    QProcessEnvironment m_wine;
    QProcess m_windowManager;
};

// The program as a user starts and drives it, under Russian settings: clicks where its own
// window tables put the controls, typing, and the clipboard.
class ProgramRun
{
  public:
    explicit ProgramRun(const Launcher &launcher, const QString &executable = {});
    ~ProgramRun();

    QProcess &process() { return m_process; }
    const XDisplay &display() const { return m_display; }

    // The main window, once it is shown; 0 if it is not.
    XDisplay::Window waitForMain();
    void enter(const QStringList &texts); // into the three boxes, in order
    void click(const char *control);      // a control of the main window, by name
    QString copy(const char *result);     // dragged over, Ctrl+C, read from the clipboard
    XDisplay::Window openCatalogue();
    XDisplay::Window openTable(int index); // from the catalogue
    // «ВЫХОД» ends the program, with status 0.
    bool exitsWithStatusZero();

  private:
    XDisplay m_display;
    QProcess m_process;
    XDisplay::Window m_main = 0;
    XDisplay::Window m_catalogue = 0;
};

// What a command prints on standard output.
QByteArray output(const QString &program, const QStringList &arguments);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "x_display.h"

#include <QProcess>

// The program as a user starts it, on the test's X display under Russian settings; a
// Windows program through `wine`, with the environment given.
class ProgramRun
{
  public:
    explicit ProgramRun(const QString &executable, const QStringList &arguments = {},
                        const QProcessEnvironment &extra = {});
    ~ProgramRun();

    QProcess &process() { return m_process; }
    const XDisplay &display() const { return m_display; }

    // Where the buttons of the main window and the catalogue are: the centres of their
    // twip rectangles, in pixels.
    static constexpr QPoint densityButton{128, 100};
    static constexpr QPoint exitButton{128, 260};
    static QPoint catalogueButton(int number)
    {
        return {164, (120 + 480 * (number - 1)) / 15 + 12};
    }

  private:
    XDisplay m_display;
    QProcess m_process;
};

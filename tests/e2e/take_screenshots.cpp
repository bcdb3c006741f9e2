// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the real program's windows, through the end-to-end driver:
//   take_screenshots EXECUTABLE STEM [DIRECTORY]
// writes STEMmain-window.png (after 57 × 3.5 mm at 8800 kg/m³) and STEMreference-window.png
// (the brass table); with DIRECTORY, also every window as FormN.png and the whole screen.
#include "double_entry.h"
#include "program_run.h"
#include "reference/density_tables.h"
#include "ui/main_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>

#include <cstdio>

using kvarnel::reference::densityTables;
using kvarnel::ui::MainWindow;

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: take_screenshots EXECUTABLE STEM [DIRECTORY]\n");
        return 2;
    }
    const QString stem = QString::fromLocal8Bit(argv[2]);
    const QString all = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    Launcher launcher(QString::fromLocal8Bit(argv[1]));
    ProgramRun run(launcher);
    const XDisplay &display = run.display();
    bool written = true;
    const auto grab = [&](XDisplay::Window window, const QString &file) {
        QThread::msleep(300); // until it is drawn
        written = display.grab(window, file) && written;
        std::printf("wrote %s\n", qPrintable(file));
    };
    // Without a window manager every window opens at the top left: each is put aside.
    const auto place = [&](XDisplay::Window window, QPoint where) {
        if (!launcher.hasWindowManager())
            display.move(window, where);
    };

    const auto main = run.waitForMain();
    if (!launcher.isReady() || !main)
        return 1;
    run.enter({QStringLiteral("57"), QStringLiteral("3.5"), QStringLiteral("8800")});
    run.click(MainWindow::calculateButton);
    grab(main, stem + QStringLiteral("main-window.png"));
    const auto catalogue = run.openCatalogue();
    place(catalogue, {300, 0});
    if (!all.isEmpty()) {
        QDir().mkpath(all);
        grab(main, all + QStringLiteral("/Form1.png"));
        grab(catalogue, all + QStringLiteral("/Form2.png"));
    }
    const int brass = int(&expected::brass - expected::tables);
    for (int i = 0; i < int(densityTables.size()); ++i) {
        if (all.isEmpty() && i != brass)
            continue;
        const auto window = run.openTable(i);
        place(window, {700 + 100 * ((i + 1) % 4), 50 * (i + 1)});
        if (i == brass)
            grab(window, stem + QStringLiteral("reference-window.png"));
        if (!all.isEmpty())
            grab(window, all + u'/' + QLatin1String(densityTables[std::size_t(i)].window.name) +
                             QStringLiteral(".png"));
    }
    if (!all.isEmpty())
        grab(display.root(), all + QStringLiteral("/screen.png"));
    return written && run.exitsWithStatusZero() ? 0 : 1;
}

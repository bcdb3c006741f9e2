// SPDX-License-Identifier: GPL-3.0-or-later
// Opening each reference window: construct, show, and the first paint of its table, with
// the main window already up as in the program (so Qt's fonts are started). The first
// opening of each also loads the faces of its table. Run it on a display (xvfb-run).
#include "reference/density_tables.h"
#include "ui/main_window.h"
#include "ui/reference_window.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <vector>

namespace {

// Notes when the table picture has been painted.
class PaintWatch : public QObject
{
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void showAndPaint(QWidget &window, QWidget *painted)
{
    PaintWatch watch;
    painted->installEventFilter(&watch);
    window.show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(); // the rest of the first paint
}

double openOnce(const kvarnel::reference::DensityTable &table)
{
    QElapsedTimer clock;
    clock.start();
    kvarnel::ui::ReferenceWindow window(table);
    showAndPaint(window, window.findChild<QWidget *>(QStringLiteral("Image1")));
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    kvarnel::ui::MainWindow mainWindow;
    showAndPaint(mainWindow, &mainWindow);
    std::printf("%-8s %10s %12s\n", "window", "first ms", "median ms");
    for (const auto &table : kvarnel::reference::densityTables) {
        const double first = openOnce(table);
        std::vector<double> times;
        for (int i = 0; i < 15; ++i)
            times.push_back(openOnce(table));
        std::sort(times.begin(), times.end());
        std::printf("%-8s %10.2f %12.2f\n", table.window.name, first, times[times.size() / 2]);
    }
    return 0;
}

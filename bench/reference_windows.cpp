// SPDX-License-Identifier: GPL-3.0-or-later
// Opening each reference window as a user does, from the click on its button in the
// catalogue to the window painted and its picture sent to the display: the program
// started as it starts (its font set-up included), with the main window and the catalogue
// up. The first opening in the process loads the tables' faces; the targets are 10 ms
// for it and 6 ms for every later one. Run it on a display:
//   xvfb-run -a build/bench/bench_reference_windows
#include "app/program.h"
#include "design/main_form.h"
#include "find_control.h"
#include "platform/application.h"
#include "reference/catalogue_form.h"
#include "reference/table_drawing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <vector>

namespace {

using kvarnel::reference::CatalogueForm;

// Notes when a widget has been painted.
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

void waitUntilPainted(QWidget *widget)
{
    PaintWatch watch;
    widget->installEventFilter(&watch);
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The rest of the update: the painted picture is flushed to the window.
    QCoreApplication::processEvents();
    widget->removeEventFilter(&watch);
}

struct Opening
{
    double open;    // from the click to the table painted
    double repaint; // painting it again, as when it is uncovered
};

// Milliseconds from the click on the catalogue's button `index` to the table painted.
Opening open(int index)
{
    const auto i = static_cast<std::size_t>(index);
    QWidget *button = findControl<CatalogueForm>(findWindow(CatalogueForm::frame.name), i);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton);
    QWidget *window = findWindow(kvarnel::reference::densityTables[i].window.name);
    QWidget *picture = window->findChild<QWidget *>(kvarnel::reference::tablePictureName);
    waitUntilPainted(picture);
    const double opened = clock.nsecsElapsed() / 1e6;
    clock.restart();
    picture->repaint();
    const double repainted = clock.nsecsElapsed() / 1e6;
    window->close(); // deleted on close: the next opening makes it afresh
    QCoreApplication::processEvents();
    return {opened, repainted};
}

} // namespace

int main(int argc, char *argv[])
{
    const auto application = kvarnel::platform::makeApplication(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    kvarnel::Program program;
    program.start();
    waitUntilPainted(findWindow(kvarnel::design::MainForm::frame.name));
    program.showCatalogue();
    waitUntilPainted(findWindow(CatalogueForm::frame.name));

    std::printf("%-8s %10s %12s %12s\n", "window", "first ms", "median ms", "repaint ms");
    const int tables = static_cast<int>(kvarnel::reference::densityTables.size());
    for (int index = 0; index < tables; ++index) {
        const double first = open(index).open;
        std::vector<double> times, repaints;
        for (int i = 0; i < 15; ++i) {
            const Opening opening = open(index);
            times.push_back(opening.open);
            repaints.push_back(opening.repaint);
        }
        std::sort(times.begin(), times.end());
        std::sort(repaints.begin(), repaints.end());
        std::printf("%-8s %10.2f %12.2f %12.3f\n",
                    kvarnel::reference::densityTables[index].window.name, first,
                    times[times.size() / 2], repaints[repaints.size() / 2]);
    }
    std::printf("targets: the first opening of the process 10 ms at most, later ones 6 ms\n");
    return 0;
}

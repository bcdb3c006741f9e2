// SPDX-License-Identifier: GPL-3.0-or-later
#include "double_entry.h"
#include "program_run.h"
#include "reference/density_tables.h"
#include "ui/catalogue_window.h"
#include "ui/main_window.h"

#include <QTest>

#include <memory>

using kvarnel::ui::MainWindow;

// The built program started for real and driven as a user drives it, on an X display: the
// Linux program, or kvarnel.exe under Wine (KVARNEL_EXECUTABLE names either). With
// KVARNEL_PICTURES naming a folder, it also leaves there a picture of every window it
// opens, named after it (scripts/screenshots).
class TestEndToEnd : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QVERIFY2(XDisplay().isOpen(), "needs an X display (run under xvfb-run)");
        m_launcher = std::make_unique<Launcher>(qEnvironmentVariable("KVARNEL_EXECUTABLE"));
        QVERIFY(m_launcher->isReady());
    }

    void cleanupTestCase() { m_launcher.reset(); }

    // Under Russian settings, and on after an overflow's report.
    void calculates()
    {
        ProgramRun run(*m_launcher);
        const auto main = run.waitForMain();
        QVERIFY(main);
        QCOMPARE(run.display().clientSize(main), expected::mainWindow);
        QVERIFY(run.display().hasFixedSize(main));

        run.enter({QStringLiteral("57"), QStringLiteral("3.5"), QStringLiteral("8800")});
        run.click(MainWindow::calculateButton);
        picture(run, main, MainWindow::frame.name);
        QCOMPARE(run.copy(MainWindow::areaResult), u"587,965");
        QCOMPARE(run.copy(MainWindow::massResult), u"5,174092");

        run.enter({QStringLiteral("1E160")});
        run.click(MainWindow::calculateButton);
        const QString title = QString::fromUtf8(MainWindow::frame.caption);
        QVERIFY(run.display().waitForWindow(title, 10000, main));
        QTest::qWait(1000);
        run.display().key(QStringLiteral("Return")); // its one button has the focus
        QTRY_VERIFY(!run.display().waitForWindow(title, 100, main));
        QCOMPARE(run.process().state(), QProcess::Running);
        run.enter({QStringLiteral("57")});
        run.click(MainWindow::calculateButton);
        QCOMPARE(run.copy(MainWindow::areaResult), u"587,965");
        QVERIFY(run.exitsWithStatusZero());
    }

    // Every window opens at its size, and the program lives until the last one closes.
    void livesUntilItsLastWindowCloses()
    {
        ProgramRun run(*m_launcher);
        const XDisplay &display = run.display();
        const auto main = run.waitForMain();
        QVERIFY(main);
        const auto catalogue = run.openCatalogue();
        QVERIFY(catalogue);
        const int tables = int(kvarnel::reference::densityTables.size());
        QCOMPARE(display.clientSize(catalogue), expected::catalogue(tables));
        picture(run, catalogue, kvarnel::ui::CatalogueWindow::frame.name);
        QList<XDisplay::Window> windows{main, catalogue};
        for (int i = 0; i < tables; ++i) {
            const expected::Table &table = expected::tables[i];
            windows << run.openTable(i);
            QVERIFY2(windows.last(), table.name);
            QCOMPARE(display.clientSize(windows.last()), table.pixels);
            QCOMPARE(display.hasFixedSize(windows.last()), !table.sizable);
            picture(run, windows.last(), table.name);
        }

        for (auto window : windows.mid(0, windows.size() - 1)) {
            display.close(window);
            QVERIFY(!run.process().waitForFinished(300));
        }
        display.close(windows.last());
        QVERIFY(run.process().waitForFinished(10000));
        QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.process().exitCode(), 0);
    }

  private:
    static void picture(const ProgramRun &run, XDisplay::Window window, const char *name)
    {
        const QString folder = qEnvironmentVariable("KVARNEL_PICTURES");
        if (!folder.isEmpty()) {
            QTest::qWait(300); // until it is drawn
            QVERIFY(run.display().grab(
                window, QStringLiteral("%1/%2.png").arg(folder, QLatin1String(name))));
        }
    }

    std::unique_ptr<Launcher> m_launcher;
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"

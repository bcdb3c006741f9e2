// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/main_form.h"
#include "double_entry.h"
#include "program_run.h"
#include "reference/catalogue_form.h"

#include <QTest>

#include <memory>

using kvarnel::design::MainForm;
using kvarnel::reference::CatalogueForm;

// The built program started for real and driven as a user drives it: the Linux program or
// kvarnel.exe under Wine on an X display (KVARNEL_EXECUTABLE names either). With
// KVARNEL_PICTURES naming a folder, it also leaves there a picture of every window it
// opens, named after it, and of the whole screen (scripts/screenshots).
class TestEndToEnd : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        m_launcher = std::make_unique<Launcher>(qEnvironmentVariable("KVARNEL_EXECUTABLE"));
        QVERIFY2(m_launcher->isReady(), "needs an X display (xvfb-run)");
    }

    void cleanupTestCase() { m_launcher.reset(); }

    // With the regional decimal separator, and on after an overflow's report.
    void calculates()
    {
        ProgramRun run(*m_launcher);
        const Screen &screen = run.screen();
        const auto main = run.waitForMain();
        QVERIFY(main);
        QCOMPARE(screen.clientSize(main), expected::mainWindow.pixels);
        QVERIFY(screen.hasFixedSize(main));

        run.enter({QStringLiteral("57"), QStringLiteral("3.5"), QStringLiteral("8800")});
        run.click(MainForm::Command2);
        picture(run, main, MainForm::frame.name);
        QCOMPARE(run.copy(MainForm::Label6), shown("587.965"));
        QCOMPARE(run.copy(MainForm::Label7), shown("5.174092"));

        run.enter({QStringLiteral("1E160")});
        run.click(MainForm::Command2);
        const QString title = QString::fromUtf8(MainForm::frame.caption);
        QVERIFY(screen.waitForWindow(title, 10000, main));
        QTest::qWait(1000);
        screen.key(QStringLiteral("Return")); // its one button has the focus
        QTRY_VERIFY(!screen.waitForWindow(title, 100, main));
        QVERIFY(run.isRunning());
        run.enter({QStringLiteral("57")});
        run.click(MainForm::Command2);
        QCOMPARE(run.copy(MainForm::Label6), shown("587.965"));
        if (!qEnvironmentVariableIsEmpty("KVARNEL_PICTURES")) { // with the brass table beside
            run.openCatalogue();
            run.openTable(int(&expected::brass - expected::tables));
            picture(run, 0, "screen");
        }
        QVERIFY(run.exitsWithStatusZero());
    }

    // Every window opens at its size, and the program lives until the last one closes.
    void livesUntilItsLastWindowCloses()
    {
        ProgramRun run(*m_launcher);
        const Screen &display = run.screen();
        const auto main = run.waitForMain();
        QVERIFY(main);
        const auto catalogue = run.openCatalogue();
        QVERIFY(catalogue);
        const int tables = int(kvarnel::reference::densityTables.size());
        QCOMPARE(display.clientSize(catalogue), expected::catalogue.pixels);
        picture(run, catalogue, CatalogueForm::frame.name);
        QList<Screen::Window> windows{main, catalogue};
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
            QVERIFY(!run.ends(300));
        }
        display.close(windows.last());
        QVERIFY(run.ends());
    }

  private:
    // A number as the program writes it under these settings.
    QString shown(const char *number) const
    {
        return QString::fromLatin1(number).replace(u'.', m_launcher->separator());
    }

    static void picture(const ProgramRun &run, Screen::Window window, const char *name)
    {
        const QString folder = qEnvironmentVariable("KVARNEL_PICTURES");
        if (!folder.isEmpty()) {
            QTest::qWait(300); // until it is drawn
            QVERIFY(run.screen().grab(
                window, QStringLiteral("%1/%2.png").arg(folder, QLatin1String(name))));
        }
    }

    std::unique_ptr<Launcher> m_launcher;
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"

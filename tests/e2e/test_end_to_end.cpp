// SPDX-License-Identifier: GPL-3.0-or-later
#include "double_entry.h"
#include "program_run.h"
#include "reference/density_tables.h"
#include "ui/main_window.h"

#include <QTest>

#include <memory>

using kvarnel::ui::MainWindow;

// The built program started for real and driven as a user drives it, on an X display: the
// Linux program, or kvarnel.exe under Wine (KVARNEL_EXECUTABLE names either).
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

    void calculatesUnderRussianSettings()
    {
        ProgramRun run(*m_launcher);
        const auto main = run.waitForMain();
        QVERIFY(main);
        QCOMPARE(run.display().clientSize(main), expected::mainWindow);
        QVERIFY(run.display().hasFixedSize(main));

        run.enter({QStringLiteral("57"), QStringLiteral("3.5"), QStringLiteral("8800")});
        run.click(MainWindow::calculateButton);
        QCOMPARE(run.copy(MainWindow::areaResult), u"587,965");
        QCOMPARE(run.copy(MainWindow::massResult), u"5,174092");
        QVERIFY(run.exitsWithStatusZero());
    }

    void overflowIsReportedAndTheProgramLivesOn()
    {
        ProgramRun run(*m_launcher);
        const auto main = run.waitForMain();
        QVERIFY(main);
        run.enter({QStringLiteral("1E160"), QStringLiteral("1"), QStringLiteral("1")});
        run.click(MainWindow::calculateButton);
        const QString title = QString::fromUtf8(MainWindow::frame.caption);
        QVERIFY(run.display().waitForWindow(title, 10000, main));
        QTest::qWait(1000);
        run.display().key(QStringLiteral("Return")); // its one button has the focus
        QTRY_VERIFY(!run.display().waitForWindow(title, 100, main));
        QVERIFY2(run.process().state() == QProcess::Running,
                 qPrintable(QStringLiteral("ended with status %1").arg(run.process().exitCode())));

        run.enter({QStringLiteral("57"), QStringLiteral("3.5"), QStringLiteral("8800")});
        run.click(MainWindow::calculateButton);
        QCOMPARE(run.copy(MainWindow::areaResult), u"587,965");
        QVERIFY(run.exitsWithStatusZero());
    }

    void livesUntilItsLastWindowCloses()
    {
        ProgramRun run(*m_launcher);
        const XDisplay &display = run.display();
        const auto main = run.waitForMain();
        QVERIFY(main);
        const auto catalogue = run.openCatalogue();
        QVERIFY(catalogue);
        QCOMPARE(display.clientSize(catalogue),
                 expected::catalogue(int(kvarnel::reference::densityTables.size())));
        const auto brass = run.openTable(int(&expected::brass - expected::tables));
        QVERIFY(brass);
        QCOMPARE(display.clientSize(brass), expected::brass.pixels);
        QVERIFY(!display.hasFixedSize(brass)); // the brass table's window is sizable

        for (auto window : {main, catalogue}) {
            display.close(window);
            QVERIFY(!run.process().waitForFinished(500));
        }
        display.close(brass);
        QVERIFY(run.process().waitForFinished(10000));
        QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.process().exitCode(), 0);
    }

  private:
    std::unique_ptr<Launcher> m_launcher;
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_run.h"

#include <QTest>

// The built program, started for real on an X display and driven with the mouse.
class TestEndToEnd : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QVERIFY2(XDisplay().isOpen(), "needs an X display (run under xvfb-run)");
    }

    void exitButtonEndsWithStatusZero()
    {
        ProgramRun run(executable());
        const auto main = run.display().waitForWindow(QStringLiteral("Кварнель"));
        QVERIFY(main);
        QCOMPARE(run.display().clientSize(main), QSize(257, 297));
        run.display().click(main, ProgramRun::exitButton);
        QVERIFY(run.process().waitForFinished(5000));
        QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.process().exitCode(), 0);
    }

    void livesUntilItsLastWindowCloses()
    {
        ProgramRun run(executable());
        const XDisplay &display = run.display();
        const auto main = display.waitForWindow(QStringLiteral("Кварнель"));
        QVERIFY(main);
        display.click(main, ProgramRun::densityButton);
        const auto catalogue = display.waitForWindow(QStringLiteral("Плотность материалов"));
        QVERIFY(catalogue);
        display.click(catalogue, ProgramRun::catalogueButton(4));
        const auto brass = display.waitForWindow(QStringLiteral("Латунь"));
        QVERIFY(brass);
        QCOMPARE(display.clientSize(brass), QSize(264, 292));

        for (auto window : {main, catalogue}) {
            display.close(window);
            QVERIFY(!run.process().waitForFinished(500));
        }
        display.close(brass);
        QVERIFY(run.process().waitForFinished(5000));
        QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.process().exitCode(), 0);
    }

  private:
    static QString executable() { return qEnvironmentVariable("KVARNEL_EXECUTABLE"); }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"

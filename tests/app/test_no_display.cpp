// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QTest>

// Started where there is no display, the program says so in one line and exits with
// status 1: no abort, no core dump, no page of Qt's messages.
class TestNoDisplay : public QObject
{
    Q_OBJECT

  private slots:
    void saysSoAndExits_data()
    {
        QTest::addColumn<QString>("display"); // empty: none named at all
        QTest::newRow("no display named") << QString();
        QTest::newRow("a display that refuses") << QStringLiteral(":4711");
    }

    void saysSoAndExits()
    {
        QFETCH(QString, display);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("KVARNEL_EXECUTABLE"), {});
        QVERIFY(program.waitForFinished(20000));

        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(said.count(u'\n'), 1);
        QVERIFY2(said.contains(u"нет дисплея") && said.contains(u"no display"), qPrintable(said));
        QVERIFY(program.readAllStandardOutput().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestNoDisplay)
#include "test_no_display.moc"

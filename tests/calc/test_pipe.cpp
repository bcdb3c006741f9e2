// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"
#include "calc/pipe.h"

#include <QTest>

#include <bit>
#include <cstdint>

using kvarnel::FloatingPointError;
using kvarnel::pipe_section;
using kvarnel::to_text;

class TestPipe : public QObject
{
    Q_OBJECT

  private slots:
    // The exact bits follow from the order of the steps: two circle areas with 3.14,
    // subtracted, then divided by a million before the density. Any reordering, or
    // pi/4 * (D² - d²), changes the last bits.
    void exactBits_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("wall");
        QTest::addColumn<double>("density");
        QTest::addColumn<quint64>("area");
        QTest::addColumn<quint64>("mass");

        QTest::newRow("worked example, steel")
            << 57.0 << 3.5 << 7850.0 << quint64(0x40825fb851eb8520) << quint64(0x4012764c404a72ed);
        QTest::newRow("brass") << 57.0 << 3.5 << 8800.0 << quint64(0x40825fb851eb8520)
                               << quint64(0x4014b2452c59fb20);
        QTest::newRow("fifteen-digit mass")
            << 97.1 << 3.7 << 8829.0 << quint64(0x4090f47c1bda5118) << quint64(0x4023293be4b0e4cf);
        QTest::newRow("round numbers") << 100.0 << 10.0 << 7850.0 << quint64(0x40a6140000000000)
                                       << quint64(0x40362f212d773190);
    }

    void exactBits()
    {
        QFETCH(double, diameter);
        QFETCH(double, wall);
        QFETCH(double, density);
        QFETCH(quint64, area);
        QFETCH(quint64, mass);
        const auto section = pipe_section(diameter, wall, density);
        QCOMPARE(std::bit_cast<quint64>(section.area), area);
        QCOMPARE(std::bit_cast<quint64>(section.mass), mass);
    }

    void writtenResults_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("wall");
        QTest::addColumn<double>("density");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("mass");

        QTest::newRow("worked example") << 57.0 << 3.5 << 7850.0 << "587.965"
                                        << "4.61552525";
        QTest::newRow("typical use, brass") << 57.0 << 3.5 << 8800.0 << "587.965"
                                            << "5.174092";
        QTest::newRow("whole area") << 100.0 << 10.0 << 7850.0 << "2826"
                                    << "22.1841";
        QTest::newRow("solid bar") << 10.0 << 5.0 << 1000.0 << "78.5"
                                   << "0.0785";
        QTest::newRow("wall past the centre") << 10.0 << 8.0 << 7850.0 << "50.24"
                                              << "0.394384";
        QTest::newRow("wall past the diameter") << 10.0 << 20.0 << 7850.0 << "-628"
                                                << "-4.9298";
        QTest::newRow("all empty") << 0.0 << 0.0 << 0.0 << "0"
                                   << "0";
        QTest::newRow("no density") << 57.0 << 3.5 << 0.0 << "587.965"
                                    << "0";
        QTest::newRow("fifteen digits") << 97.1 << 3.7 << 8829.0 << "1085.1212"
                                        << "9.58053507479999";
        QTest::newRow("underflow is no error") << 1e-200 << 0.0 << 7850.0 << "0"
                                               << "0";
        QTest::newRow("largest finite mass") << 1e6 << 1e5 << 1e302 << "282600000000"
                                             << "2.826E+307";
    }

    void writtenResults()
    {
        QFETCH(double, diameter);
        QFETCH(double, wall);
        QFETCH(double, density);
        QFETCH(QString, area);
        QFETCH(QString, mass);
        const auto section = pipe_section(diameter, wall, density);
        QCOMPARE(QString::fromStdString(to_text(section.area, ".")), area);
        QCOMPARE(QString::fromStdString(to_text(section.mass, ".")), mass);
    }

    void overflowStops_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("wall");
        QTest::addColumn<double>("density");

        QTest::newRow("outer square") << 1e160 << 0.0 << 0.0;
        QTest::newRow("outer area times 3.14") << 2e154 << 0.0 << 0.0;
        QTest::newRow("doubled wall") << 1.0 << 1e308 << 0.0;
        QTest::newRow("inner square") << 0.0 << 1e154 << 0.0;
        QTest::newRow("mass") << 1e6 << 1e5 << 1e305;
    }

    void overflowStops()
    {
        QFETCH(double, diameter);
        QFETCH(double, wall);
        QFETCH(double, density);
        QVERIFY_THROWS_EXCEPTION(FloatingPointError, pipe_section(diameter, wall, density));
    }
};

QTEST_GUILESS_MAIN(TestPipe)
#include "test_pipe.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"
#include "calc/pipe.h"
#include "pipe_cases.h"

#include <QTest>

#include <bit>
#include <cstdint>
#include <cstdlib>

using kvarnel::FloatingPointError;
using kvarnel::pipe_section;
using kvarnel::to_text;

class TestPipe : public QObject
{
    Q_OBJECT

  private slots:
    // The written results, and where given the exact bits, which follow from the order of
    // the steps: two circle areas with 3.14, subtracted, then divided by a million before
    // the density. Any reordering, or pi/4 * (D² - d²), changes the last bits.
    void results_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("wall");
        QTest::addColumn<double>("density");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("mass");
        QTest::addColumn<quint64>("areaBits"); // 0: not pinned
        QTest::addColumn<quint64>("massBits");
        for (const PipeCase &r : pipeCases) {
            QTest::newRow(r.name) << std::strtod(r.diameter, nullptr)
                                  << std::strtod(r.wall, nullptr) << std::strtod(r.density, nullptr)
                                  << QString(r.area) << QString(r.mass) << quint64(r.areaBits)
                                  << quint64(r.massBits);
        }
    }

    void results()
    {
        QFETCH(double, diameter);
        QFETCH(double, wall);
        QFETCH(double, density);
        QFETCH(QString, area);
        QFETCH(QString, mass);
        QFETCH(quint64, areaBits);
        QFETCH(quint64, massBits);
        const auto section = pipe_section(diameter, wall, density);
        QCOMPARE(QString::fromStdString(to_text(section.area, ".")), area);
        QCOMPARE(QString::fromStdString(to_text(section.mass, ".")), mass);
        if (areaBits != 0) {
            QCOMPARE(std::bit_cast<quint64>(section.area), areaBits);
            QCOMPARE(std::bit_cast<quint64>(section.mass), massBits);
        }
    }

    void overflowStops_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("wall");
        QTest::addColumn<double>("density");

        for (const OverflowCase &r : overflowCases) {
            QTest::newRow(r.name) << std::strtod(r.diameter, nullptr)
                                  << std::strtod(r.wall, nullptr)
                                  << std::strtod(r.density, nullptr);
        }
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

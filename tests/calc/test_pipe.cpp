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
        const struct
        {
            const char *name;
            double diameter, wall, density;
            const char *area, *mass;
            quint64 areaBits = 0, massBits = 0;
        } rows[] = {
            {"worked example, steel", 57, 3.5, 7850, "587.965", "4.61552525", 0x40825fb851eb8520,
             0x4012764c404a72ed},
            {"typical use, brass", 57, 3.5, 8800, "587.965", "5.174092", 0x40825fb851eb8520,
             0x4014b2452c59fb20},
            {"whole area", 100, 10, 7850, "2826", "22.1841", 0x40a6140000000000,
             0x40362f212d773190},
            {"fifteen digits", 97.1, 3.7, 8829, "1085.1212", "9.58053507479999", 0x4090f47c1bda5118,
             0x4023293be4b0e4cf},
            {"solid bar", 10, 5, 1000, "78.5", "0.0785"},
            {"wall past the centre", 10, 8, 7850, "50.24", "0.394384"},
            {"wall past the diameter", 10, 20, 7850, "-628", "-4.9298"},
            {"all empty", 0, 0, 0, "0", "0"},
            {"no density", 57, 3.5, 0, "587.965", "0"},
            {"underflow is no error", 1e-200, 0, 7850, "0", "0"},
            {"largest finite mass", 1e6, 1e5, 1e302, "282600000000", "2.826E+307"},
        };
        for (const auto &r : rows) {
            QTest::newRow(r.name) << r.diameter << r.wall << r.density << QString(r.area)
                                  << QString(r.mass) << r.areaBits << r.massBits;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calculation.h"
#include "calc/number_text.h"
#include "calc/pipe.h"
#include "pipe_cases.h"

#include <QTest>

#include <bit>
#include <cstdint>
#include <string>

using kvarnel::pipe_section;
using kvarnel::to_number;

class TestPipe : public QObject
{
    Q_OBJECT

  private slots:
    // The cases as a user types them, through what the calculate button does; and where
    // given the exact bits, which follow from the order of the steps (pipe_cases.h).
    void results_data()
    {
        QTest::addColumn<QStringList>("typed"); // diameter, wall, density
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("mass");
        QTest::addColumn<quint64>("areaBits"); // 0: not pinned
        QTest::addColumn<quint64>("massBits");
        for (const PipeCase &r : pipeCases) {
            QTest::newRow(r.name) << QStringList{r.diameter, r.wall, r.density} << QString(r.area)
                                  << QString(r.mass) << quint64(r.areaBits) << quint64(r.massBits);
        }
    }

    void results()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, area);
        QFETCH(QString, mass);
        QFETCH(quint64, areaBits);
        QFETCH(quint64, massBits);
        const std::string d = typed[0].toStdString(), s = typed[1].toStdString(),
                          rho = typed[2].toStdString();
        const auto shown = kvarnel::calculate(d, s, rho, ",");
        QVERIFY(shown);
        QCOMPARE(QString::fromStdString(shown->area), area.replace(u'.', u','));
        QCOMPARE(QString::fromStdString(shown->mass), mass.replace(u'.', u','));
        if (areaBits != 0) {
            const auto section = pipe_section(to_number(d), to_number(s), to_number(rho));
            QCOMPARE(std::bit_cast<quint64>(section.area), areaBits);
            QCOMPARE(std::bit_cast<quint64>(section.mass), massBits);
        }
    }

    // Every step that can leave the double range stops the calculation there, and the
    // calculate button shows nothing.
    void overflowStops_data()
    {
        QTest::addColumn<QStringList>("typed");
        for (const OverflowCase &r : overflowCases)
            QTest::newRow(r.name) << QStringList{r.diameter, r.wall, r.density};
    }

    void overflowStops()
    {
        QFETCH(QStringList, typed);
        QVERIFY(!kvarnel::calculate(typed[0].toStdString(), typed[1].toStdString(),
                                    typed[2].toStdString(), "."));
    }
};

QTEST_GUILESS_MAIN(TestPipe)
#include "test_pipe.moc"

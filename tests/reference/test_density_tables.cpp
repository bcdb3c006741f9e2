// SPDX-License-Identifier: GPL-3.0-or-later
#include "double_entry.h"
#include "table_rows.h"

#include <QTest>

using kvarnel::reference::DensityTable;
using kvarnel::reference::densityTables;
using kvarnel::reference::Weight;

// The tables as the program holds them against the hand-written copy, so that a slip in a
// grade, a density, a caption or a size fails.
class TestDensityTables : public QObject
{
    Q_OBJECT

  private slots:
    void content_data()
    {
        QCOMPARE(densityTables.size(), std::size(expected::tables));
        addTableRows();
    }

    void content()
    {
        QFETCH(int, index);
        const DensityTable &t = densityTables[std::size_t(index)];
        const expected::Table &e = expected::tables[index];
        QCOMPARE(utf8(t.window.name), e.name); // in the catalogue's order
        QCOMPARE(utf8(t.window.caption), e.caption);
        QCOMPARE(utf8(t.button), e.button);
        QCOMPARE(utf8(t.header.grade) + u'|' + utf8(t.header.density), e.headers);
        QCOMPARE(t.header.weight == Weight::Bold, e.boldHeader);

        QStringList grades;
        QStringList densities;
        QString weights;
        for (const auto &row : t.rows) {
            grades << utf8(row.grade);
            weights += t.weightOf(row) == Weight::Bold ? u'b' : u'r';
            if (!t.merged)
                densities << utf8(row.density);
            else
                QVERIFY(row.density.empty());
        }
        if (t.merged)
            densities << utf8(t.merged->text);
        QCOMPARE(grades.join(u'|'), e.grades);
        QCOMPARE(densities.join(u'|'), e.densities);
        QCOMPARE(weights, e.weights);
        QCOMPARE(t.merged ? t.merged->points : 0.0, e.mergedPoints);

        QCOMPARE(t.window.border == kvarnel::design::Border::Sizable, e.sizable);
        QCOMPARE(QSize(t.window.client.width, t.window.client.height), e.twips);
        QCOMPARE((std::array{t.gradeColumnWidth, t.densityColumnWidth, t.width, t.height}),
                 e.millimetres);
    }

    void lettersAreCyrillic()
    {
        // A Latin look-alike (X for Х, C for С, M for М) would pass a glance but not a search.
        for (const DensityTable &t : densityTables) {
            for (const auto &row : t.rows) {
                for (QChar c : utf8(row.grade)) {
                    if (c.isLetter())
                        QVERIFY2(c.script() == QChar::Script_Cyrillic, qPrintable(utf8(row.grade)));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDensityTables)
#include "test_density_tables.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/density_tables.h"

#include <QTest>

using kvarnel::reference::DensityTable;
using kvarnel::reference::densityTables;
using kvarnel::reference::Weight;

namespace {

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QStringList split(const char *joined)
{
    return QString::fromUtf8(joined).split(u'|');
}

const DensityTable *table(const QString &name)
{
    for (const DensityTable &t : densityTables) {
        if (text(t.window.name) == name)
            return &t;
    }
    return nullptr;
}

} // namespace

// The tables as the standards' extracts give them, written out here a second time so
// that a slip in a grade, a density or a size fails.
class TestDensityTables : public QObject
{
    Q_OBJECT

  private slots:
    void windowsInCatalogueOrder()
    {
        QStringList names;
        for (const DensityTable &t : densityTables)
            names << text(t.window.name);
        QCOMPARE(names.join(u' '), u"Form3 Form4 Form5 Form6 Form7 Form8 Form9 Form10");
    }

    void content_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("grades");
        QTest::addColumn<QStringList>("densities"); // one per row, or the merged text alone

        QTest::newRow("Form3") << "Form3"
                               << "Сталь обыкновенного качества"
                               << "СТАЛЬ|ПЛОТНОСТЬ"
                               << split("Ст2|Ст2кп|Ст2пс|Ст2сп|Ст3|Ст3Гсп|Ст3кп|Ст3пс|Ст3сп|Ст4кп|"
                                        "Ст4пс|Ст5|Ст5пс|Ст5сп|Ст6|Ст6пс|Ст6сп")
                               << split("7850кг/м3");
        QTest::newRow("Form4")
            << "Form4"
            << "Стали коррозионно-стойкие и жаропрочные"
            << "СТАЛЬ|ПЛОТНОСТЬ"
            << split("Сталь 08Х13|Сталь 08Х17Т|Сталь 08Х18Н10|Сталь 08Х18Н10Т|Сталь 08Х22Н6Т|"
                     "Сталь 10Х13СЮ|Сталь 10Х17Н13М2Т|Сталь 10Х23Н18|Сталь 12Х13|Сталь 12Х17|"
                     "Сталь 12Х18Н10Т|Сталь 12Х18Н9|Сталь 12Х18Н9Т|Сталь 15Х25Т|Сталь 15Х5|"
                     "Сталь 17Х18Н9|Сталь 20Х13|Сталь 20Х20Н14С2|Сталь 30Х13|Сталь 40Х13|Сталь "
                     "40Х9С2")
            << split(
                   "7760 кг/м3|7700 кг/м3|7850 кг/м3|7900 кг/м3|7700 кг/м3|7850 кг/м3|7900 кг/м3|"
                   "7950 кг/м3|7720 кг/м3|7720 кг/м3|7900 кг/м3|7900 кг/м3|7900 кг/м3|7600 кг/м3|"
                   "7630 кг/м3|7850 кг/м3|7670 кг/м3|7800 кг/м3|7670 кг/м3|7650 кг/м3|7630 кг/м3");
        QTest::newRow("Form5") << "Form5"
                               << "Чугуны серые"
                               << "МАРКА|ПЛОТНОСТЬ" << split("СЧ10|СЧ15|СЧ18|СЧ20|СЧ25|СЧ30|СЧ35")
                               << split("7200 кг/м3");
        QTest::newRow("Form6")
            << "Form6"
            << "Латунь"
            << "МАРКА|ПЛОТНОСТЬ"
            << split("Л60|Л63|Л68|Л80|Л90|Л96|ЛА 77-2|ЛК 80-3|ЛН 65-5|ЛО 62-1|ЛО 70-1|ЛС 59-1")
            << split("8800 кг/м3|8800 кг/м3|8800 кг/м3|8800 кг/м3|8800 кг/м3|8800 кг/м3|"
                     "8540 кг/м3|8540 кг/м3|8540 кг/м3|8540 кг/м3|8540 кг/м3|8500 кг/м3");
        QTest::newRow("Form7") << "Form7"
                               << "Медь"
                               << "МАРКА|ПЛОТНОСТЬ" << split("М0|М1|М2|М3|М4")
                               << split("8940 кг/м3");
        QTest::newRow("Form8")
            << "Form8"
            << "Сплавы алюминиевые деформируемые"
            << "МАРКА|ПЛОТНОСТЬ"
            << split(
                   "АД0|АД1|АК6|АК8|АМг2|АМг3|АМг4|АМг5|АМг6|Амц|В95оч|В95пч|В96Ц1|Д1|Д16|Д18|Д19")
            << split("2710 кг/м3|2710 кг/м3|2800 кг/м3|2800 кг/м3|2680 кг/м3|2680 кг/м3|2680 кг/м3|"
                     "2680 кг/м3|2640 кг/м3|2730 кг/м3|2850 кг/м3|2850 кг/м3|2850 кг/м3|2800 кг/м3|"
                     "2800 кг/м3|2800 кг/м3|2800 кг/м3");
        QTest::newRow("Form9") << "Form9"
                               << "Титан и сплавы титановые"
                               << "МАРКА|ПЛОТНОСТЬ"
                               << split("ВТ1-0|ВТ14|ВТ20|ВТ22|ВТ3-1|ВТ5|ВТ6|ВТ9|ОТ4|ОТ4-1|ПТ7М")
                               << split("4500 кг/м3");
        QTest::newRow("Form10") << "Form10"
                                << "Винипласты"
                                << "МАРКА|ПЛОТНОСТЬ" << split("Винипласт УВ-10")
                                << split("1450 кг/м3");
    }

    void content()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, header);
        QFETCH(QStringList, grades);
        QFETCH(QStringList, densities);

        const DensityTable *t = table(name);
        QVERIFY(t);
        QCOMPARE(text(t->window.caption), caption);
        QCOMPARE(text(t->header.grade) + u'|' + text(t->header.density), header);
        QStringList actualGrades;
        QStringList actualDensities;
        for (const auto &row : t->rows) {
            actualGrades << text(row.grade);
            if (!t->merged)
                actualDensities << text(row.density);
            else
                QVERIFY(row.density.empty());
        }
        if (t->merged)
            actualDensities << text(t->merged->text);
        QCOMPARE(actualGrades, grades);
        QCOMPARE(actualDensities, densities);
    }

    void lettersAreCyrillic()
    {
        // A Latin look-alike (X for Х, C for С, M for М) would pass a glance but not a search.
        for (const DensityTable &t : densityTables) {
            for (const auto &row : t.rows) {
                for (QChar c : text(row.grade)) {
                    if (c.isLetter())
                        QVERIFY2(c.script() == QChar::Script_Cyrillic, qPrintable(text(row.grade)));
                }
            }
        }
    }

    void weightsAndSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("boldHeader");
        QTest::addColumn<QString>("gradeWeights"); // b or r per row
        QTest::addColumn<double>("mergedPoints");  // 0 without a merged density

        QTest::newRow("Form3") << "Form3" << false << "rrrrrrrrrrrrrrrrb" << 20.0;
        QTest::newRow("Form4") << "Form4" << true << QString(21, u'b') << 0.0;
        QTest::newRow("Form5") << "Form5" << true << QString(7, u'b') << 18.0;
        QTest::newRow("Form6") << "Form6" << true << QString(12, u'b') << 0.0;
        QTest::newRow("Form7") << "Form7" << true << QString(5, u'b') << 18.0;
        QTest::newRow("Form8") << "Form8" << true << "bbbbbbbbbbbbbbbbr" << 0.0;
        QTest::newRow("Form9") << "Form9" << true << QString(11, u'b') << 20.0;
        QTest::newRow("Form10") << "Form10" << true << "b" << 0.0;
    }

    void weightsAndSizes()
    {
        QFETCH(QString, name);
        QFETCH(bool, boldHeader);
        QFETCH(QString, gradeWeights);
        QFETCH(double, mergedPoints);

        const DensityTable *t = table(name);
        QVERIFY(t);
        QCOMPARE(t->header.weight == Weight::Bold, boldHeader);
        QString weights;
        for (std::size_t i = 0; i < t->rows.size(); ++i)
            weights += t->weightOf(t->rows[i]) == Weight::Bold ? u'b' : u'r';
        QCOMPARE(weights, gradeWeights);
        QCOMPARE(t->merged ? t->merged->points : 0.0, mergedPoints);
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("sizable");
        QTest::addColumn<QSize>("client");              // twips
        QTest::addColumn<QList<double>>("millimetres"); // grade, density, width, height

        QTest::newRow("Form3") << "Form3" << false << QSize(4005, 6090)
                               << QList<double>{25.9, 43.8, 70.15, 106.94};
        QTest::newRow("Form4") << "Form4" << false << QSize(5430, 7455)
                               << QList<double>{53.1, 41.8, 95.37, 130.59};
        QTest::newRow("Form5") << "Form5" << false << QSize(3975, 2745)
                               << QList<double>{28.0, 41.8, 70.29, 47.66};
        QTest::newRow("Form6") << "Form6" << true << QSize(3960, 4380)
                               << QList<double>{28.0, 41.8, 70.29, 77.55};
        QTest::newRow("Form7") << "Form7" << false << QSize(4155, 1995)
                               << QList<double>{27.0, 45.9, 73.34, 35.84};
        QTest::newRow("Form8") << "Form8" << false << QSize(4275, 6075)
                               << QList<double>{30.0, 44.8, 75.30, 106.94};
        QTest::newRow("Form9") << "Form9" << true << QSize(4335, 4080)
                               << QList<double>{31.0, 44.8, 76.31, 71.39};
        QTest::newRow("Form10") << "Form10" << true << QSize(5190, 705)
                                << QList<double>{46.0, 44.8, 91.31, 12.12};
    }

    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(bool, sizable);
        QFETCH(QSize, client);
        QFETCH(QList<double>, millimetres);

        const DensityTable *t = table(name);
        QVERIFY(t);
        QCOMPARE(t->window.border == kvarnel::platform::Border::Sizable, sizable);
        QCOMPARE(QSize(t->window.client.width, t->window.client.height), client);
        QCOMPARE((QList<double>{t->gradeColumnWidth, t->densityColumnWidth, t->width, t->height}),
                 millimetres);
    }
};

QTEST_GUILESS_MAIN(TestDensityTables)
#include "test_density_tables.moc"

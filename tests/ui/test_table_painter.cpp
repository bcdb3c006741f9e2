// SPDX-License-Identifier: GPL-3.0-or-later
#include "double_entry.h"
#include "platform/fonts.h"
#include "table_rows.h"
#include "ui/table_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cstdlib>

using kvarnel::reference::DensityTable;
using kvarnel::reference::densityTables;

namespace {

constexpr double pixelsPerMm = 96 / 25.4;
const QColor outside(255, 0, 255); // never part of a table
using namespace expected::colour;

QSize sizeOf(const DensityTable &table)
{
    return kvarnel::ui::TableLayout(table).size();
}

QImage render(const DensityTable &table, int ratio = 1)
{
    const kvarnel::ui::TableLayout layout(table);
    QImage image((layout.size() + QSize(20, 20)) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(outside);
    QPainter painter(&image);
    layout.paint(painter);
    return image;
}

// Text is antialiased: a pixel counts as text of a colour when it is close to it.
bool near(QRgb pixel, const QColor &colour)
{
    const QColor c(pixel);
    return std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
               std::abs(c.blue() - colour.blue()) <
           90;
}

struct Run
{
    int begin;
    int end;
    QRgb colour;
};

// Runs of rule colour (not cell background) down one pixel column.
QList<Run> rulesDown(const QImage &image, int x, int height)
{
    QList<Run> runs;
    for (int y = 0; y < height; ++y) {
        const QRgb p = image.pixel(x, y);
        if (p == silver.rgb())
            continue;
        if (!runs.isEmpty() && runs.last().end == y && runs.last().colour == p)
            ++runs.last().end;
        else
            runs.append({y, y + 1, p});
    }
    return runs;
}

// Runs of rows (y ranges) in which some pixel of [left, right) shows the colour.
QList<Run> textLines(const QImage &image, int left, int right, int top, int bottom,
                     const QColor &colour)
{
    QList<Run> lines;
    for (int y = top; y < bottom; ++y) {
        bool found = false;
        for (int x = left; x < right && !found; ++x)
            found = near(image.pixel(x, y), colour);
        if (!found)
            continue;
        if (!lines.isEmpty() && lines.last().end == y)
            ++lines.last().end;
        else
            lines.append({y, y + 1, colour.rgb()});
    }
    return lines;
}

int px(double mm)
{
    return qRound(mm * pixelsPerMm);
}

} // namespace

class TestTablePainter : public QObject
{
    Q_OBJECT

  private slots:
    void extentMatchesPhysicalSize_data() { addTableRows(); }
    void extentMatchesPhysicalSize()
    {
        QFETCH(int, index);
        const DensityTable &table = densityTables[std::size_t(index)];
        const QImage image = render(table);
        QRect drawn;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != outside.rgb())
                    drawn |= QRect(x, y, 1, 1);
            }
        }
        QCOMPARE(drawn.topLeft(), QPoint(0, 0));
        QVERIFY2(std::abs(drawn.width() - table.width * pixelsPerMm) <= 1.0, table.window.name);
        QVERIFY2(std::abs(drawn.height() - table.height * pixelsPerMm) <= 1.0, table.window.name);
    }

    void rules_data() { addTableRows(); }
    void rules()
    {
        QFETCH(int, index);
        const DensityTable &table = densityTables[std::size_t(index)];
        const QImage image = render(table);
        const QSize size = sizeOf(table);
        const int rows = int(table.rows.size());

        // No rule on the left edge; a grey rule between the columns, a white one at the right.
        for (int y = 0; y < size.height(); ++y) {
            QCOMPARE(image.pixel(0, y), silver.rgb());
            QCOMPARE(image.pixel(px(table.gradeColumnWidth), y), grey.rgb());
            QCOMPARE(image.pixel(size.width() - 1, y), white.rgb());
        }

        // Bands alternate grey (under the header) and white; a grey band above the last row
        // is left out.
        const QList<Run> gradeBands =
            rulesDown(image, px(table.gradeColumnWidth - 0.5), size.height());
        const int expectedBands = rows % 2 == 1 ? rows - 1 : rows;
        QCOMPARE(gradeBands.size(), expectedBands);
        for (int k = 0; k < gradeBands.size(); ++k) {
            QCOMPARE(QColor(gradeBands[k].colour), k % 2 == 0 ? grey : white);
            QVERIFY(gradeBands[k].end - gradeBands[k].begin <= 2);
        }
        if (!gradeBands.isEmpty())
            QVERIFY(std::abs(gradeBands[0].begin - 6.46 * pixelsPerMm) <= 1.0);
        for (int k = 1; k < gradeBands.size(); ++k) {
            const int pitch = gradeBands[k].begin - gradeBands[k - 1].begin;
            QVERIFY2(pitch >= 22 && pitch <= 23, qPrintable(QString::number(pitch)));
        }

        // Across the density column only where it has cell boundaries.
        const QList<Run> densityBands = rulesDown(image, size.width() - 1 - px(0.7), size.height());
        if (table.merged) {
            QCOMPARE(densityBands.size(), std::min(1, expectedBands));
        } else {
            QCOMPARE(densityBands.size(), gradeBands.size());
            for (int k = 0; k < gradeBands.size(); ++k)
                QCOMPARE(densityBands[k].begin, gradeBands[k].begin);
        }
    }

    void textInItsCells_data() { addTableRows(); }
    void textInItsCells()
    {
        QFETCH(int, index);
        const DensityTable &table = densityTables[std::size_t(index)];
        const QImage image = render(table);
        const QSize size = sizeOf(table);
        const int rule = px(table.gradeColumnWidth);
        const int header = px(6.46);
        const int rows = int(table.rows.size());

        QCOMPARE(textLines(image, 0, rule, 0, size.height(), yellow).size(), 1);
        QCOMPARE(textLines(image, rule + 1, size.width(), 0, size.height(), yellow).size(), 1);
        QVERIFY(textLines(image, 0, size.width(), 0, size.height(), yellow).last().end <= header);

        const QList<Run> grades = textLines(image, 0, rule, header, size.height(), green);
        QCOMPARE(grades.size(), rows);
        const QList<Run> densities =
            textLines(image, rule + 1, size.width(), header, size.height(), plum);
        QCOMPARE(densities.size(), table.merged ? 1 : rows);
        // Green only in the grade column, plum only in the density column.
        QVERIFY(textLines(image, rule + 1, size.width(), 0, size.height(), green).isEmpty());
        QVERIFY(textLines(image, 0, rule, 0, size.height(), plum).isEmpty());

        // Each line of a table with a density per row stands in the same row as its grade.
        if (!table.merged) {
            for (int i = 0; i < rows; ++i)
                QVERIFY(std::abs(grades[i].begin - densities[i].begin) <= 2);
        }
    }

    void mergedDensityIsCentred_data()
    {
        addTableRows([](const DensityTable &table) { return table.merged.has_value(); });
    }
    void mergedDensityIsCentred()
    {
        QFETCH(int, index);
        const DensityTable &table = densityTables[std::size_t(index)];
        const QImage image = render(table);
        const QSize size = sizeOf(table);
        const int left = px(table.gradeColumnWidth) + 1;
        const QList<Run> bands = rulesDown(image, size.width() - 1 - px(0.7), size.height());
        QCOMPARE(bands.size(), 1);
        const double cellMiddle = (bands[0].end + size.height()) / 2.0;
        const QList<Run> ink =
            textLines(image, left, size.width(), bands[0].end, size.height(), plum);
        QCOMPARE(ink.size(), 1);
        const double inkMiddle = (ink[0].begin + ink[0].end) / 2.0;
        QVERIFY2(std::abs(inkMiddle - cellMiddle) <= 3.0,
                 qPrintable(QString("ink %1, cell %2").arg(inkMiddle).arg(cellMiddle)));
    }

    // On a 2× screen every edge lands exactly twice as far out, rules stay solid colour, and
    // text is drawn at the finer resolution rather than enlarged from the 1× picture.
    void sharpAtDoubleResolution_data() { addTableRows(); }
    void sharpAtDoubleResolution()
    {
        QFETCH(int, index);
        const DensityTable &table = densityTables[std::size_t(index)];
        const QImage single = render(table);
        const QImage twice = render(table, 2);
        const QSize size = sizeOf(table);

        const int rule = px(table.gradeColumnWidth);
        for (int y = 0; y < 2 * size.height(); ++y) {
            QCOMPARE(twice.pixel(2 * rule, y), grey.rgb());
            QCOMPARE(twice.pixel(2 * rule + 1, y), grey.rgb());
            QCOMPARE(twice.pixel(2 * size.width() - 1, y), white.rgb());
        }
        QCOMPARE(twice.pixel(2 * size.width(), 0), outside.rgb());
        QCOMPARE(twice.pixel(0, 2 * size.height()), outside.rgb());

        const int x = px(table.gradeColumnWidth - 0.5);
        const QList<Run> bands = rulesDown(single, x, size.height());
        const QList<Run> doubled = rulesDown(twice, 2 * x, 2 * size.height());
        QCOMPARE(doubled.size(), bands.size());
        for (int k = 0; k < bands.size(); ++k) {
            QCOMPARE(doubled[k].begin, 2 * bands[k].begin);
            QCOMPARE(doubled[k].end, 2 * bands[k].end);
            QCOMPARE(doubled[k].colour, bands[k].colour);
        }

        // An enlarged 1× picture would repeat each pixel in 2×2 blocks, or blur them.
        const QImage enlarged =
            single.scaled(single.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QRect header(0, 0, 2 * rule, 2 * px(6.46));
        int uniformBlocks = 0, blocks = 0, differing = 0;
        for (int y = header.top(); y + 1 < header.bottom(); y += 2) {
            for (int x2 = header.left(); x2 + 1 < header.right(); x2 += 2) {
                const QRgb p = twice.pixel(x2, y);
                if (p == silver.rgb())
                    continue;
                ++blocks;
                uniformBlocks += p == twice.pixel(x2 + 1, y) && p == twice.pixel(x2, y + 1) &&
                                 p == twice.pixel(x2 + 1, y + 1);
                differing += !near(p, QColor(enlarged.pixel(x2, y)));
            }
        }
        QVERIFY(blocks > 50);
        QVERIFY2(uniformBlocks < blocks * 3 / 4,
                 qPrintable(QString("%1 of %2").arg(uniformBlocks).arg(blocks)));
        QVERIFY2(differing > blocks / 10,
                 qPrintable(QString("%1 of %2").arg(differing).arg(blocks)));
    }

    // The widest texts, bold 14 pt grades such as "Сталь 10Х17Н13М2Т", are centred between
    // their cell's margins (2.0 mm and 1.7 mm for grades, 1.8 mm and 1.7 mm for densities)
    // and may reach into them by a few pixels where hinting rounds every advance up to a
    // whole pixel (Windows), but never so far that the column cuts them: they reach at
    // most half the margins' sum into them, which keeps 0.75 mm clear on either side.
    void noTextIsCut_data() { addTableRows(); }
    void noTextIsCut()
    {
        QFETCH(int, index);
        const DensityTable &table = densityTables[std::size_t(index)];
        using kvarnel::design::Face;
        using kvarnel::design::Weight;
        const double gradeArea = (table.gradeColumnWidth - 3.7 / 2) * pixelsPerMm;
        const double densityArea = (table.densityColumnWidth - 3.5 / 2) * pixelsPerMm;
        const QFont regular = kvarnel::platform::font({Face::TimesNewRoman, 14, Weight::Regular});
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            const QFont gradeFont =
                kvarnel::platform::font({Face::TimesNewRoman, 14, table.weightOf(table.rows[i])});
            const QString grade = utf8(table.rows[i].grade);
            const double width = QFontMetricsF(gradeFont).horizontalAdvance(grade);
            QVERIFY2(width <= gradeArea, qPrintable(QStringLiteral("%1: %2 px in %3, %4 px of room")
                                                        .arg(grade)
                                                        .arg(width)
                                                        .arg(QFontInfo(gradeFont).family())
                                                        .arg(gradeArea)));
            const QString density = utf8(table.rows[i].density);
            QVERIFY2(QFontMetricsF(regular).horizontalAdvance(density) <= densityArea,
                     qPrintable(density));
        }
        if (table.merged) {
            const QFont merged =
                kvarnel::platform::font({Face::TimesNewRoman, table.merged->points, Weight::Bold});
            QVERIFY(QFontMetricsF(merged).horizontalAdvance(utf8(table.merged->text)) <=
                    densityArea);
        }
    }
};

QTEST_MAIN(TestTablePainter)
#include "test_table_painter.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "double_entry.h"
#include "reference/table_drawing.h"
#include "table_rows.h"
#include "ui/reference_window.h"
#include "ui/table_painter.h"

#include <QAccessible>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <climits>
#include <utility>

using kvarnel::reference::densityTables;
using kvarnel::ui::ReferenceWindow;

class TestReferenceWindow : public QObject
{
    Q_OBJECT

  private slots:
    void frame_data() { addTableRows(); }

    void frame()
    {
        QFETCH(int, index);
        const auto &table = densityTables[std::size_t(index)];
        const expected::Table &e = expected::tables[index];
        ReferenceWindow window(table);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.objectName(), e.name);
        QCOMPARE(window.windowTitle(), e.caption);
        QCOMPARE(window.size(), e.pixels);
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), e.sizable);
        QCOMPARE(bool(flags & Qt::WindowMaximizeButtonHint), e.sizable);
        QCOMPARE(window.minimumSize() == window.maximumSize(), !e.sizable);

        auto *picture = window.findChild<QWidget *>(kvarnel::reference::tablePictureName);
        QVERIFY(picture);
        QCOMPARE(picture->pos(), QPoint(0, 0));
        QCOMPARE(picture->size(), kvarnel::ui::TableLayout(table).size());
    }

    // What a screen reader reads cell by cell, and where the arrow keys take it.
    void screenReadersReadTheTable_data() { addTableRows(); }

    void screenReadersReadTheTable()
    {
        QFETCH(int, index);
        const auto &data = densityTables[std::size_t(index)];
        ReferenceWindow window(data);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *picture = window.findChild<QWidget *>(kvarnel::reference::tablePictureName);
        QVERIFY(picture->hasFocus());

        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(picture);
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleTableInterface *cells = table->tableInterface();
        const int rows = int(data.rows.size());
        QCOMPARE(cells->rowCount(), rows);
        QCOMPARE(cells->columnCount(), 2);
        QCOMPARE(cells->columnDescription(1), utf8(data.header.density));

        // Qt's bridge takes child i for row i / 2, column i % 2, and uses whatever cellAt
        // gives; a merged density is a cell in every row, spanning them all.
        const QRect drawn(picture->mapToGlobal(QPoint(0, 0)), picture->size());
        for (int row = 0; row < rows; ++row) {
            QAccessibleInterface *grade = cells->cellAt(row, 0);
            for (int column : {0, 1}) {
                QAccessibleInterface *cell = cells->cellAt(row, column);
                const auto *place = cell->tableCellInterface();
                QCOMPARE(table->child(row * 2 + column), cell);
                QCOMPARE(table->indexOfChild(cell), row * 2 + column);
                QCOMPARE(QPoint(place->rowIndex(), place->columnIndex()), QPoint(row, column));
                QCOMPARE(place->rowExtent(), column == 1 && data.merged ? rows : 1);
                QCOMPARE(place->columnHeaderCells().value(0)->role(), QAccessible::ColumnHeader);
                // Pointing beside a grade finds its own row's cell, inside the drawing.
                const QPoint beside(cell->rect().center().x(), grade->rect().center().y());
                QCOMPARE(table->childAt(beside.x(), beside.y()), cell);
                QVERIFY(drawn.contains(cell->rect()));
            }
            QCOMPARE(grade->text(QAccessible::Name), utf8(data.rows[std::size_t(row)].grade));
        }
        QCOMPARE(cells->cellAt(rows - 1, 1)->text(QAccessible::Name),
                 QString::fromUtf8(data.merged ? data.merged->text : data.rows.back().density));
        for (auto [row, column] :
             {std::pair{-1, 0}, {rows, 0}, {0, 2}, {0, -1}, {INT_MAX, INT_MIN}}) {
            const auto *nowhere = cells->cellAt(row, column)->tableCellInterface();
            QCOMPARE(nowhere->rowExtent() + nowhere->columnExtent(), 0);
            QVERIFY(nowhere->columnHeaderCells().isEmpty());
        }

        // Up and Home stop at the first row, Down and End at the last; Left and Right keep
        // the row.
        const auto current = [&] {
            const auto *place = table->focusChild()->tableCellInterface();
            return QPoint(place->rowIndex(), place->columnIndex());
        };
        QCOMPARE(current(), QPoint(0, 0));
        const std::pair<Qt::Key, QPoint> walk[] = {
            {Qt::Key_Up, {0, 0}},
            {Qt::Key_Right, {0, 1}},
            {Qt::Key_Down, {std::min(1, rows - 1), 1}},
            {Qt::Key_End, {rows - 1, 1}},
            {Qt::Key_Down, {rows - 1, 1}},
            {Qt::Key_Left, {rows - 1, 0}},
            {Qt::Key_Home, {0, 0}},
            {Qt::Key_Up, {0, 0}},
        };
        for (const auto &[key, expected] : walk) {
            QTest::keyClick(picture, key);
            QCOMPARE(current(), expected);
            QVERIFY(table->focusChild()->state().focused);
        }
    }

    // The window shows its own table, and enlarging a sizable one uncovers only background.
    void showsItsTableAndEmptyBackground_data()
    {
        addTableRows([](const kvarnel::reference::DensityTable &table) {
            return table.window.border == kvarnel::design::Border::Sizable;
        });
    }

    void showsItsTableAndEmptyBackground()
    {
        QFETCH(int, index);
        const auto &table = densityTables[std::size_t(index)];
        ReferenceWindow window(table);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize enlarged = window.size() * 2;
        window.resize(enlarged);
        QTRY_COMPARE(window.size(), enlarged);

        const kvarnel::ui::TableLayout layout(table);
        const QSize size = layout.size();
        QImage expected(size, QImage::Format_RGB32);
        QPainter painter(&expected);
        layout.paint(painter);
        painter.end();

        const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(QRect(QPoint(0, 0), size)), expected);
        const QRgb background = window.palette().color(QPalette::Window).rgb();
        QCOMPARE(shown.pixel(size.width() + 2, 2), background);
        QCOMPARE(shown.pixel(2, size.height() + 2), background);
        QCOMPARE(shown.pixel(shown.width() - 1, shown.height() - 1), background);
    }
};

QTEST_MAIN(TestReferenceWindow)
#include "test_reference_window.moc"

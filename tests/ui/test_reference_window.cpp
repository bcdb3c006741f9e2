// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/density_tables.h"
#include "ui/reference_window.h"
#include "ui/table_painter.h"

#include <QAccessible>
#include <QPainter>
#include <QTest>

#include <algorithm>

using kvarnel::reference::densityTables;
using kvarnel::ui::ReferenceWindow;

class TestReferenceWindow : public QObject
{
    Q_OBJECT

  private slots:
    // Client sizes in pixels: the window definitions' twips divided by 15.
    void frame_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("sizable");
        QTest::addColumn<QSize>("client");
        QTest::newRow("Form3") << "Form3" << false << QSize(267, 406);
        QTest::newRow("Form4") << "Form4" << false << QSize(362, 497);
        QTest::newRow("Form5") << "Form5" << false << QSize(265, 183);
        QTest::newRow("Form6") << "Form6" << true << QSize(264, 292);
        QTest::newRow("Form7") << "Form7" << false << QSize(277, 133);
        QTest::newRow("Form8") << "Form8" << false << QSize(285, 405);
        QTest::newRow("Form9") << "Form9" << true << QSize(289, 272);
        QTest::newRow("Form10") << "Form10" << true << QSize(346, 47);
    }

    void frame()
    {
        QFETCH(QString, name);
        QFETCH(bool, sizable);
        QFETCH(QSize, client);
        const auto found = std::ranges::find_if(
            densityTables, [&name](const auto &t) { return QLatin1String(t.window.name) == name; });
        QVERIFY(found != densityTables.end());
        const auto &table = *found;
        ReferenceWindow window(table);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.objectName(), name);
        QCOMPARE(window.windowTitle(), QString::fromUtf8(table.window.caption));
        QCOMPARE(window.size(), client);
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), sizable);
        QCOMPARE(bool(flags & Qt::WindowMaximizeButtonHint), sizable);
        QCOMPARE(window.minimumSize() == window.maximumSize(), !sizable);

        auto *picture = window.findChild<QWidget *>(QStringLiteral("Image1"));
        QVERIFY(picture);
        QCOMPARE(picture->pos(), QPoint(0, 0));
        QCOMPARE(picture->size(), kvarnel::ui::tableSize(table));
    }

    // What a screen reader reads cell by cell, and where the arrow keys take it.
    void screenReadersReadTheTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("secondGrade");
        QTest::addColumn<QString>("secondDensity");
        QTest::addColumn<int>("densitySpan");
        QTest::newRow("brass, a density per grade") << 3 << "Л63"
                                                    << "8800 кг/м3" << 1;
        QTest::newRow("copper, one merged density") << 4 << "М1"
                                                    << "8940 кг/м3" << 5;
        QTest::newRow("steel, merged, bold header") << 0 << "Ст2кп"
                                                    << "7850кг/м3" << 17;
    }

    void screenReadersReadTheTable()
    {
        QFETCH(int, index);
        QFETCH(QString, secondGrade);
        QFETCH(QString, secondDensity);
        QFETCH(int, densitySpan);
        const auto &data = densityTables[std::size_t(index)];
        ReferenceWindow window(data);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *picture = window.findChild<QWidget *>(QStringLiteral("Image1"));
        QVERIFY(picture->hasFocus());

        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(picture);
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Name), QString::fromUtf8(data.window.caption));
        QAccessibleTableInterface *cells = table->tableInterface();
        QVERIFY(cells);
        QCOMPARE(cells->rowCount(), int(data.rows.size()));
        QCOMPARE(cells->columnCount(), 2);
        QCOMPARE(cells->columnDescription(0), QString::fromUtf8(data.header.grade));
        QCOMPARE(cells->columnDescription(1), u"ПЛОТНОСТЬ");

        const auto name = [](QAccessibleInterface *cell) { return cell->text(QAccessible::Name); };
        QAccessibleInterface *grade = cells->cellAt(1, 0);
        QAccessibleInterface *density = cells->cellAt(1, 1);
        QCOMPARE(name(grade), secondGrade);
        QCOMPARE(name(density), secondDensity);
        QCOMPARE(density->tableCellInterface()->rowExtent(), densitySpan);
        QCOMPARE(name(density->tableCellInterface()->columnHeaderCells().value(0)), u"ПЛОТНОСТЬ");
        // The bridge finds a cell by its place among the children: headers come first.
        QCOMPARE(table->indexOfChild(cells->cellAt(0, 0)), 2);
        QCOMPARE(table->child(0)->role(), QAccessible::ColumnHeader);

        // Cells lie inside the drawing, the grade left of its density, a merged one over all rows.
        const QRect drawn(picture->mapToGlobal(QPoint(0, 0)), picture->size());
        QVERIFY(drawn.contains(grade->rect()) && drawn.contains(density->rect()));
        QVERIFY(grade->rect().right() < density->rect().left());
        QCOMPARE(density->rect().top() < grade->rect().top(), densitySpan > 1);
        QCOMPARE(table->childAt(grade->rect().center().x(), grade->rect().center().y()), grade);

        QCOMPARE(table->focusChild(), cells->cellAt(0, 0));
        QTest::keyClick(picture, Qt::Key_Down);
        QTest::keyClick(picture, Qt::Key_Right);
        QCOMPARE(table->focusChild(), density);
        QVERIFY(density->state().focused && !grade->state().focused);
        QTest::keyClick(picture, Qt::Key_End);
        QTest::keyClick(picture, Qt::Key_Down);
        QTest::keyClick(picture, Qt::Key_Left);
        QCOMPARE(table->focusChild(), cells->cellAt(int(data.rows.size()) - 1, 0));
    }

    // The window shows its own table, and enlarging a sizable one uncovers only background.
    void showsItsTableAndEmptyBackground_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("Form6") << 3;
        QTest::newRow("Form9") << 6;
        QTest::newRow("Form10") << 7;
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

        const QSize size = kvarnel::ui::tableSize(table);
        QImage expected(size, QImage::Format_RGB32);
        QPainter painter(&expected);
        kvarnel::ui::paintTable(painter, table);
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

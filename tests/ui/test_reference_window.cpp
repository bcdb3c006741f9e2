// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/density_tables.h"
#include "ui/reference_window.h"
#include "ui/table_painter.h"

#include <QPainter>
#include <QTest>

using kvarnel::reference::densityTables;
using kvarnel::ui::ReferenceWindow;

class TestReferenceWindow : public QObject
{
    Q_OBJECT

  private slots:
    void frame_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("sizable");
        QTest::addColumn<QSize>("client"); // twips
        const bool sizable[] = {false, false, false, true, false, false, true, true};
        const QSize client[] = {{4005, 6090}, {5430, 7455}, {3975, 2745}, {3960, 4380},
                                {4155, 1995}, {4275, 6075}, {4335, 4080}, {5190, 705}};
        for (int i = 0; i < 8; ++i)
            QTest::newRow(densityTables[std::size_t(i)].window.name)
                << i << sizable[i] << client[i];
    }

    void frame()
    {
        QFETCH(int, index);
        QFETCH(bool, sizable);
        QFETCH(QSize, client);
        const auto &table = densityTables[std::size_t(index)];
        ReferenceWindow window(table);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.objectName(), QString::fromUtf8(table.window.name));
        QCOMPARE(window.windowTitle(), QString::fromUtf8(table.window.caption));
        QCOMPARE(window.size(), client / 15);
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

    void screenReadersGetTheTableAsText()
    {
        ReferenceWindow brass(densityTables[3]);
        const QWidget *picture = brass.findChild<QWidget *>(QStringLiteral("Image1"));
        QCOMPARE(picture->accessibleName(), u"Латунь");
        QVERIFY(picture->accessibleDescription().startsWith(u"Л60: 8800 кг/м3; Л63: 8800 кг/м3; "));
        ReferenceWindow copper(densityTables[4]);
        QCOMPARE(copper.findChild<QWidget *>(QStringLiteral("Image1"))->accessibleDescription(),
                 u"М0; М1; М2; М3; М4: 8940 кг/м3");
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

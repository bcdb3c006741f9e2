// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/density_tables.h"
#include "ui/reference_window.h"
#include "ui/table_painter.h"

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

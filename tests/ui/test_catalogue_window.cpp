// SPDX-License-Identifier: GPL-3.0-or-later
#include "captions.h"
#include "ui/catalogue_window.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using kvarnel::ui::CatalogueWindow;

class TestCatalogueWindow : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        m_window = std::make_unique<CatalogueWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void shouldHaveDefaultValues()
    {
        QCOMPARE(m_window->objectName(), u"Form2");
        QCOMPARE(m_window->windowTitle(), u"Плотность материалов");
        QCOMPARE(m_window->size(), QSize(329, 267));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(QApplication::focusWidget(), button(1));
        QCOMPARE(captionsCut(m_window.get()), QStringList());
    }

    void buttons_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "Сталь обыкновенного качества  ГОСТ 380-94";
        QTest::newRow("2") << 2 << "Стали коррозионно-стойкие и жаропрочные ГОСТ 5632-72";
        QTest::newRow("3") << 3 << "Чугуны серые ГОСТ 1412-85";
        QTest::newRow("4") << 4 << "Латунь ГОСТ 15527-70";
        QTest::newRow("5") << 5 << "Медь ГОСТ 859-2001";
        QTest::newRow("6") << 6 << "Сплавы алюминиевые деформируемые ГОСТ 4784-97";
        QTest::newRow("7") << 7 << "Титан и сплавы титановые ГОСТ 19807-91";
        QTest::newRow("8") << 8 << "Винипласты ТУ 6-01-737-72";
    }

    void buttons()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QPushButton *b = button(number);
        QVERIFY(b);
        QCOMPARE(b->text(), text);
        // Twips: left 120, top 120 + 480 per button, 4695 × 375.
        QCOMPARE(b->geometry(), QRect(8, (120 + 480 * (number - 1)) / 15, 313, 25));

        QSignalSpy requested(m_window.get(), &CatalogueWindow::tableRequested);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(requested.size(), 1);
        QCOMPARE(requested.at(0).at(0).toInt(), number - 1);
    }

    void tabGoesThroughTheButtonsInOrder()
    {
        for (int number : {2, 3, 4, 5, 6, 7, 8, 1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), button(number));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int number = 1; number <= 8; ++number) {
            if (button(number) != QApplication::focusWidget())
                QVERIFY(!button(number)->isDefault());
        }
    }

  private:
    QPushButton *button(int number) const
    {
        return m_window->findChild<QPushButton *>(QStringLiteral("Command%1").arg(number));
    }

    std::unique_ptr<CatalogueWindow> m_window;
};

QTEST_MAIN(TestCatalogueWindow)
#include "test_catalogue_window.moc"

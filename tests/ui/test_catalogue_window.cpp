// SPDX-License-Identifier: GPL-3.0-or-later
#include "captions.h"
#include "double_entry.h"
#include "table_rows.h"
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
        QCOMPARE(m_window->size(),
                 expected::catalogue(int(kvarnel::reference::densityTables.size())));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(QApplication::focusWidget(), button(1));
        QCOMPARE(captionsCut(m_window.get()), QStringList());
    }

    // A button per table, captioned as its record says, one under another.
    void buttons_data() { addTableRows(); }

    void buttons()
    {
        QFETCH(int, index);
        QPushButton *b = button(index + 1);
        QVERIFY(b);
        QCOMPARE(b->text(), utf8(kvarnel::reference::densityTables[std::size_t(index)].button));
        QCOMPARE(b->geometry(), expected::catalogueButton(index));

        QSignalSpy requested(m_window.get(), &CatalogueWindow::tableRequested);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(requested.size(), 1);
        QCOMPARE(requested.at(0).at(0).toInt(), index);
    }

    void tabGoesThroughTheButtonsInOrder()
    {
        const int count = int(kvarnel::reference::densityTables.size());
        for (int number = 2; number <= count + 1; ++number) { // and round to the first
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), button((number - 1) % count + 1));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int number = 1; number <= count; ++number) {
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "captions.h"
#include "double_entry.h"
#include "find_control.h"
#include "table_rows.h"
#include "ui/catalogue_window.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using kvarnel::reference::CatalogueForm;
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
        QCOMPARE(m_window->objectName(), expected::catalogue.name);
        QCOMPARE(m_window->windowTitle(), expected::catalogue.caption);
        QCOMPARE(m_window->size(), expected::catalogue.pixels);
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(QApplication::focusWidget(), button(0));
        QCOMPARE(captionsCut(m_window.get()), QStringList());
    }

    // A button per table, captioned as defined, in its place in pixels, asking for its table.
    void buttons_data() { addTableRows(); }

    void buttons()
    {
        QFETCH(int, index);
        QPushButton *b = button(index);
        QVERIFY(b);
        QCOMPARE(b->objectName(), QStringLiteral("Command%1").arg(index + 1));
        QCOMPARE(b->text(), expected::tables[index].button);
        QCOMPARE(b->geometry(), expected::inPixels(expected::catalogueButton(index)));

        QSignalSpy requested(m_window.get(), &CatalogueWindow::tableRequested);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(requested.size(), 1);
        QCOMPARE(requested.at(0).at(0).toInt(), index);
    }

    void tabGoesThroughTheButtonsInOrder()
    {
        const int count = int(CatalogueForm::buttonCount);
        for (int index = 1; index <= count; ++index) { // and round to the first
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), button(index % count));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int index = 0; index < count; ++index) {
            if (button(index) != QApplication::focusWidget())
                QVERIFY(!button(index)->isDefault());
        }
    }

  private:
    QPushButton *button(int index) const
    {
        return qobject_cast<QPushButton *>(
            findControl<CatalogueForm>(m_window.get(), std::size_t(index)));
    }

    std::unique_ptr<CatalogueWindow> m_window;
};

QTEST_MAIN(TestCatalogueWindow)
#include "test_catalogue_window.moc"

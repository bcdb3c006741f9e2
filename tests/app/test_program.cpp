// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"
#include "double_entry.h"
#include "ui/catalogue_window.h"
#include "ui/main_window.h"
#include "ui/reference_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using kvarnel::Program;
using kvarnel::reference::densityTables;

namespace {

constexpr int tables = int(densityTables.size());

QPushButton *button(QWidget *window, int number)
{
    return window->findChild<QPushButton *>(QStringLiteral("Command%1").arg(number));
}

int visibleWindows()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->isVisible() ? 1 : 0;
    return count;
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        m_program->start();
        QVERIFY(QTest::qWaitForWindowActive(m_program->mainWindow()));
    }

    void cleanup()
    {
        m_program.reset();
        QTest::qWait(0);
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void startsWithTheMainWindowAlone()
    {
        QCOMPARE(visibleWindows(), 1);
        QCOMPARE(m_program->mainWindow()->windowIcon().availableSizes().size(), 5); // 16 to 64 px
        QCOMPARE(QApplication::applicationVersion(), KVARNEL_VERSION);
        // The desktop entry installed beside the program is the one it names as its own.
        QVERIFY(QFileInfo::exists(
            QStringLiteral(KVARNEL_DATA_DIR "/%1.desktop").arg(QApplication::desktopFileName())));
        QVERIFY(!m_program->catalogue());
        for (int i = 0; i < tables; ++i)
            QVERIFY(!m_program->reference(i));
    }

    void catalogueExistsOnce()
    {
        QTest::mouseClick(button(m_program->mainWindow(), 1), Qt::LeftButton);
        QPointer<kvarnel::ui::CatalogueWindow> first = m_program->catalogue();
        QVERIFY(first && first->isVisible());
        QTest::mouseClick(button(m_program->mainWindow(), 1), Qt::LeftButton);
        QCOMPARE(m_program->catalogue(), first.data());
        QCOMPARE(visibleWindows(), 2);
        QVERIFY(QTest::qWaitForWindowActive(first));
        QVERIFY(m_program->mainWindow()->isEnabled()); // modeless
    }

    void everyReferenceWindowSideBySide()
    {
        m_program->showCatalogue();
        QWidget *catalogue = m_program->catalogue();
        for (int number = 1; number <= tables; ++number) {
            QTest::mouseClick(button(catalogue, number), Qt::LeftButton);
            QTest::mouseClick(button(catalogue, number), Qt::LeftButton);
            auto *window = m_program->reference(number - 1);
            QVERIFY(window && window->isVisible());
            QVERIFY(!window->parentWidget()); // no owner
            QCOMPARE(window->objectName(), densityTables[std::size_t(number - 1)].window.name);
        }
        QCOMPARE(visibleWindows(), tables + 2);
    }

    void closedWindowComesBackAfresh()
    {
        m_program->showCatalogue();
        m_program->showReference(3);
        m_program->showReference(4);
        QPointer<QWidget> brass = m_program->reference(3);
        brass->close();
        QTRY_VERIFY(!brass); // deleted on close
        QVERIFY(m_program->reference(4)->isVisible());
        QVERIFY(m_program->catalogue()->isVisible());

        QTest::mouseClick(button(m_program->catalogue(), 4), Qt::LeftButton);
        QVERIFY(m_program->reference(3) && m_program->reference(3)->isVisible());
        QCOMPARE(m_program->reference(3)->windowTitle(), expected::brass.caption);
    }

    void closingTheCatalogueKeepsItsWindows()
    {
        m_program->showCatalogue();
        m_program->showReference(0);
        m_program->catalogue()->close();
        QTRY_VERIFY(!m_program->catalogue());
        QVERIFY(m_program->reference(0)->isVisible());
        m_program->showCatalogue();
        QVERIFY(QTest::qWaitForWindowActive(m_program->catalogue()));
        QCOMPARE(QApplication::focusWidget(), button(m_program->catalogue(), 1));
        m_program->showReference(0);
        QCOMPARE(visibleWindows(), 3);
    }

    void minimisedWindowIsRestored()
    {
        m_program->showReference(5); // Form9 is sizable, with a minimise box
        m_program->showReference(6);
        QWidget *titanium = m_program->reference(6);
        titanium->showMinimized();
        QTRY_VERIFY(titanium->isMinimized());
        m_program->showReference(6);
        QCOMPARE(m_program->reference(6), titanium);
        QVERIFY(!titanium->isMinimized());
    }

    // The application's event loop runs until the last window closes, whichever it is; each
    // window lives until its own turn, for none owns another.
    void programEndsWithItsLastWindow()
    {
        m_program->showCatalogue();
        m_program->showReference(7);
        int closed = 0;
        int delay = 0;
        for (QWidget *window : {static_cast<QWidget *>(m_program->mainWindow()),
                                static_cast<QWidget *>(m_program->catalogue()),
                                static_cast<QWidget *>(m_program->reference(7))}) {
            QTimer::singleShot(delay += 50, window, [window, &closed] {
                ++closed;
                window->close();
            });
        }
        QCOMPARE(runEventLoop(), 0);
        QCOMPARE(closed, 3);
    }

    void exitEndsAtOnceWithStatusZero()
    {
        m_program->showCatalogue();
        for (int i = 0; i < tables; ++i)
            m_program->showReference(i);
        QPointer<QWidget> catalogue = m_program->catalogue();
        QTimer::singleShot(0, m_program->mainWindow(), [this] {
            QTest::mouseClick(button(m_program->mainWindow(), 4), Qt::LeftButton);
        });
        QCOMPARE(runEventLoop(), 0);
        QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0);
        QVERIFY(!catalogue);
    }

  private:
    // The program's own event loop; 1 if it is still running after ten seconds.
    static int runEventLoop()
    {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, qApp, [] { QApplication::exit(1); });
        guard.start(10000);
        return QApplication::exec();
    }

    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestProgram)
#include "test_program.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"
#include "design/main_form.h"
#include "double_entry.h"
#include "find_control.h"
#include "reference/catalogue_form.h"

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

using kvarnel::design::MainForm;
using kvarnel::reference::CatalogueForm;

QWidget *mainWindow()
{
    return findWindow(MainForm::frame.name);
}

QWidget *catalogue()
{
    return findWindow(CatalogueForm::frame.name);
}

QWidget *table(int index)
{
    return findWindow(densityTables[std::size_t(index)].window.name);
}

// The catalogue's button that opens table `index`.
QPushButton *tableButton(QWidget *catalogue, int index)
{
    return qobject_cast<QPushButton *>(findControl<CatalogueForm>(catalogue, std::size_t(index)));
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
        QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
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
        QCOMPARE(mainWindow()->windowIcon().availableSizes().size(), 5); // 16 to 64 px
        QCOMPARE(QApplication::applicationVersion(), KVARNEL_VERSION);
        // The desktop entry installed beside the program is the one it names as its own.
        QVERIFY(QFileInfo::exists(
            QStringLiteral(KVARNEL_DATA_DIR "/%1.desktop").arg(QApplication::desktopFileName())));
        QVERIFY(!catalogue());
        for (int i = 0; i < tables; ++i)
            QVERIFY(!table(i));
    }

    void catalogueExistsOnce()
    {
        QTest::mouseClick(findControl<MainForm, MainForm::Command1>(mainWindow()), Qt::LeftButton);
        QPointer<QWidget> first = catalogue();
        QVERIFY(first && first->isVisible());
        QTest::mouseClick(findControl<MainForm, MainForm::Command1>(mainWindow()), Qt::LeftButton);
        QCOMPARE(catalogue(), first.data());
        QCOMPARE(visibleWindows(), 2);
        QVERIFY(QTest::qWaitForWindowActive(first));
        QVERIFY(mainWindow()->isEnabled()); // modeless
    }

    void everyReferenceWindowSideBySide()
    {
        m_program->showCatalogue();
        for (int index = 0; index < tables; ++index) {
            QTest::mouseClick(tableButton(catalogue(), index), Qt::LeftButton);
            QTest::mouseClick(tableButton(catalogue(), index), Qt::LeftButton);
            QWidget *window = table(index);
            QVERIFY(window && window->isVisible());
            QVERIFY(!window->parentWidget()); // no owner
        }
        QCOMPARE(visibleWindows(), tables + 2);
    }

    void closedWindowComesBackAfresh()
    {
        m_program->showCatalogue();
        m_program->showReference(3);
        m_program->showReference(4);
        QPointer<QWidget> brass = table(3);
        brass->close();
        QTRY_VERIFY(!brass); // deleted on close
        QVERIFY(table(4)->isVisible());
        QVERIFY(catalogue()->isVisible());

        QTest::mouseClick(tableButton(catalogue(), 3), Qt::LeftButton);
        QVERIFY(table(3) && table(3)->isVisible());
        QCOMPARE(table(3)->windowTitle(), expected::brass.caption);
    }

    void closingTheCatalogueKeepsItsWindows()
    {
        m_program->showCatalogue();
        m_program->showReference(0);
        catalogue()->close();
        QTRY_VERIFY(!catalogue());
        QVERIFY(table(0)->isVisible());
        m_program->showCatalogue();
        QVERIFY(QTest::qWaitForWindowActive(catalogue()));
        QCOMPARE(QApplication::focusWidget(), tableButton(catalogue(), 0));
        m_program->showReference(0);
        QCOMPARE(visibleWindows(), 3);
    }

    void minimisedWindowIsRestored()
    {
        m_program->showReference(5); // Form9 is sizable, with a minimise box
        m_program->showReference(6);
        QWidget *titanium = table(6);
        titanium->showMinimized();
        QTRY_VERIFY(titanium->isMinimized());
        m_program->showReference(6);
        QCOMPARE(table(6), titanium);
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
        for (QWidget *window : {mainWindow(), catalogue(), table(7)}) {
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
        QPointer<QWidget> open = catalogue();
        QTimer::singleShot(0, mainWindow(), [] {
            QTest::mouseClick(findControl<MainForm, MainForm::Command4>(mainWindow()),
                              Qt::LeftButton);
        });
        QCOMPARE(runEventLoop(), 0);
        QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0);
        QVERIFY(!open);
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

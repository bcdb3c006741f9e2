// SPDX-License-Identifier: GPL-3.0-or-later
#include "captions.h"
#include "double_entry.h"
#include "ui/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using kvarnel::ui::MainWindow;

namespace {

struct Expected
{
    const char *name;
    int left, top, width, height; // twips
};

// The window definition, transcribed on its own so that a slip in either copy shows.
constexpr Expected layout[] = {
    {"Label1", 120, 240, 2415, 255},    {"Label2", 120, 600, 2415, 255},
    {"Label3", 120, 960, 2415, 255},    {"Command1", 120, 1320, 3615, 375},
    {"Label4", 120, 1920, 1815, 255},   {"Label5", 120, 2400, 1815, 255},
    {"Text1", 2640, 120, 1095, 285},    {"Text2", 2640, 480, 1095, 285},
    {"Text3", 2640, 840, 1095, 285},    {"Label6", 2040, 1920, 1695, 255},
    {"Label7", 2040, 2280, 1695, 375},  {"Command2", 120, 2760, 3615, 375},
    {"Command3", 120, 3240, 3615, 375}, {"Command4", 120, 3720, 3615, 375},
};

QString separator()
{
    return qEnvironmentVariable("LC_ALL").startsWith(u"ru") ? QStringLiteral(",")
                                                            : QStringLiteral(".");
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        m_reports.clear();
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void shouldHaveDefaultValues()
    {
        QCOMPARE(m_window->objectName(), u"Form1");
        QCOMPARE(m_window->windowTitle(), u"Кварнель");
        QCOMPARE(m_window->size(), expected::mainWindow);
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(QApplication::focusWidget(), button("Command1"));
        for (QWidget *w : m_window->findChildren<QWidget *>(QRegularExpression("Text|Label[67]")))
            QVERIFY2(w->property("text").toString().isEmpty(), qPrintable(w->objectName()));
        QCOMPARE(label("Label5")->text(), u"Масса  трубы  (кг/м) =");
        QCOMPARE(label("Label8")->text(), u"Vemra");
    }

    void geometryFollowsTheTwipTable()
    {
        for (const Expected &e : layout) {
            auto *widget = m_window->findChild<QWidget *>(QString::fromLatin1(e.name));
            QVERIFY2(widget, e.name);
            QCOMPARE(widget->geometry(),
                     QRect(e.left / 15, e.top / 15, e.width / 15, e.height / 15));
        }
        // The signature keeps its place and may only grow to the right, inside the window.
        const QRect signature = label("Label8")->geometry();
        QCOMPARE(signature.topLeft(), QPoint(216, 280));
        QCOMPARE(signature.height(), 17);
        QVERIFY(signature.width() >= 25);
        QVERIFY(signature.right() < m_window->width());
    }

    void fonts()
    {
        QCOMPARE(m_window->font().pixelSize(), 11);
        QCOMPARE(label("Label1")->font().pixelSize(), 11);
        QCOMPARE(label("Label6")->font().pixelSize(), 13);
        QCOMPARE(label("Label7")->font().pixelSize(), 21);
        // Arial on Windows, elsewhere its metric twin; never a wider face.
#ifdef Q_OS_WIN
        const QString mass = QFontDatabase::hasFamily(QStringLiteral("Arial"))
                                 ? QStringLiteral("Arial")
                                 : QStringLiteral("Liberation Sans");
#else
        const QString mass = QStringLiteral("Liberation Sans");
#endif
        QCOMPARE(QFontInfo(label("Label7")->font()).family(), mass);
        QVERIFY(QFontInfo(label("Label1")->font()).family() != u"DejaVu Sans");
    }

    void everyCaptionFits()
    {
        QCOMPARE(captionsCut(m_window.get()), QStringList());
    }

    void calculates_data()
    {
        QTest::addColumn<QStringList>("inputs"); // diameter, wall, density
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("mass");
        const struct
        {
            const char *name;
            QStringList inputs;
            const char *area;
            const char *mass;
        } rows[] = {
            {"brass", {"57", "3.5", "8800"}, "587.965", "5.174092"},
            {"steel", {"57", "3.5", "7850"}, "587.965", "4.61552525"},
            {"comma typed", {"57", "3,5", "8800"}, "587.965", "5.174092"},
            {"all empty", {"", "", ""}, "0", "0"},
            {"wall past the diameter", {"10", "20", "7850"}, "-628", "-4.9298"},
            {"no density", {"57", "3.5", ""}, "587.965", "0"},
            {"scientific", {"1E100", "5E99", "1"}, "7.85E+199", "7.85E+193"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.inputs << row.area << row.mass;
    }

    void calculates()
    {
        answerMessageBoxes();
        QFETCH(QStringList, inputs);
        QFETCH(QString, area);
        QFETCH(QString, mass);
        for (int click = 0; click < 2; ++click) { // a second click shows the same
            calculate(click == 0 ? inputs : QStringList());
            QCOMPARE(label("Label6")->text(), area.replace(u'.', separator()));
            QCOMPARE(label("Label7")->text(), mass.replace(u'.', separator()));
        }
        QCOMPARE(box("Text2")->text(), inputs[1]); // inputs are never reformatted
        QVERIFY(m_reports.isEmpty());
    }

    void writtenResultReadsBack()
    {
        calculate({"57", "3.5", "7850"});
        const QString mass = label("Label7")->text();
        box("Text3")->clear();
        QTest::keyClicks(box("Text3"), mass); // 4,61552525 under comma settings
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(label("Label7")->text(),
                 QStringLiteral("0.00271376730361625").replace(u'.', separator()));
    }

    void longResultIsShownWhole()
    {
        calculate({"97.1", "3.7", "8829"});
        QLabel *mass = label("Label7");
        QCOMPARE(mass->text(), QStringLiteral("9.58053507479999").replace(u'.', separator()));
        QVERIFY(mass->font().pixelSize() < 21);
        QCOMPARE(QFontInfo(mass->font()).family(), u"Liberation Sans");
        QVERIFY(QFontMetricsF(mass->font()).horizontalAdvance(mass->text()) <= mass->width());

        // A short result brings the full size back.
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(mass->font().pixelSize(), 21);
    }

    void clears()
    {
        calculate({"57", "3.5", "8800"});
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        for (QWidget *w : m_window->findChildren<QWidget *>(QRegularExpression("Text|Label[67]")))
            QVERIFY2(w->property("text").toString().isEmpty(), qPrintable(w->objectName()));
        QCOMPARE(QApplication::focusWidget(), button("Command3"));
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(label("Label6")->text(), u"0");
        QCOMPARE(label("Label7")->text(), u"0");
    }

    void overflowIsReportedAndTheWindowLivesOn_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::newRow("a step overflows") << "1E160";
        QTest::newRow("a box out of range") << "1E400";
    }

    void overflowIsReportedAndTheWindowLivesOn()
    {
        QFETCH(QString, diameter);
        calculate({"57", "3.5", "8800"});
        QVERIFY(!label("Label6")->text().isEmpty());

        box("Text1")->clear();
        QTest::keyClicks(box("Text1"), diameter);
        answerMessageBoxes();
        QTest::mouseClick(button("Command2"), Qt::LeftButton); // returns once the box is closed
        QCOMPARE(m_reports.size(), 1);
        QCOMPARE(m_reports[0].owner, m_window.get());
        QCOMPARE(m_reports[0].icon, QMessageBox::Critical);
        QVERIFY(m_reports[0].message.contains(u"Переполнение"));
        QVERIFY(m_reports[0].area.isEmpty()); // results emptied before the report
        QVERIFY(m_reports[0].mass.isEmpty());
        QVERIFY(label("Label6")->text().isEmpty());
        QCOMPARE(box("Text1")->text(), diameter);
        QCOMPARE(box("Text3")->text(), u"8800");

        box("Text1")->clear();
        QTest::keyClicks(box("Text1"), "57");
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(label("Label7")->text(), QStringLiteral("5.174092").replace(u'.', separator()));
    }

    void tabOrderCycles()
    {
        const char *order[] = {"Text1",    "Text2",    "Text3",   "Command2",
                               "Command3", "Command4", "Command1"};
        for (const char *name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
    }

    void enterPressesOnlyTheFocusedButton()
    {
        QTest::keyClicks(box("Text1"), "57");
        QTest::keyClick(box("Text1"), Qt::Key_Return);
        QTest::keyClick(box("Text1"), Qt::Key_Enter);
        QTest::keyClick(box("Text1"), Qt::Key_Escape);
        QVERIFY(label("Label6")->text().isEmpty());
        QCOMPARE(box("Text1")->text(), u"57");

        button("Command2")->setFocus();
        QTest::keyClick(button("Command2"), Qt::Key_Return);
        QVERIFY(!label("Label6")->text().isEmpty());
        button("Command3")->setFocus();
        QTest::keyClick(button("Command3"), Qt::Key_Space);
        QVERIFY(label("Label6")->text().isEmpty());

        // A button is the window's default only while it has the focus itself.
        box("Text2")->setFocus();
        for (auto *b : m_window->findChildren<QPushButton *>())
            QVERIFY2(!b->isDefault(), qPrintable(b->objectName()));
    }

    void resultsAreSelectableButNotEditable()
    {
        for (const char *name : {"Label6", "Label7"}) {
            QLabel *result = label(name);
            QCOMPARE(result->textInteractionFlags(), Qt::TextSelectableByMouse);
            QVERIFY(!(result->focusPolicy() & Qt::TabFocus));
        }
    }

    void screenReadersKnowEveryBoxAndResult()
    {
        calculate({"57", "3.5", "8800"});

        const auto read = [this](const char *name, QAccessible::Text kind) {
            return QAccessible::queryAccessibleInterface(
                       m_window->findChild<QWidget *>(QString::fromLatin1(name)))
                ->text(kind);
        };
        QCOMPARE(read("Text1", QAccessible::Name), u"Наружный диаметр трубы (мм)");
        QCOMPARE(read("Text2", QAccessible::Name), u"Толщина стенки трубы (мм)");
        QCOMPARE(read("Text3", QAccessible::Name), u"Плотность материала (кг/м3)");
        QCOMPARE(read("Text3", QAccessible::Value), u"8800");
        const QString area = QStringLiteral("587.965").replace(u'.', separator());
        const QString mass = QStringLiteral("5.174092").replace(u'.', separator());
        const auto shown = [this](const char *name) {
            QAccessibleTextInterface *text =
                QAccessible::queryAccessibleInterface(m_window->findChild<QWidget *>(name))
                    ->textInterface();
            return text ? text->text(0, text->characterCount()) : QStringLiteral("(no text)");
        };
        QCOMPARE(shown("Label6"), area);
        QCOMPARE(shown("Label7"), mass);
        QCOMPARE(read("Label6", QAccessible::Name), area);
        const auto caption = [this](const char *name) {
            const auto labels =
                QAccessible::queryAccessibleInterface(m_window->findChild<QWidget *>(name))
                    ->relations(QAccessible::Label);
            return labels.size() == 1 ? labels[0].first->text(QAccessible::Name) : QString();
        };
        QCOMPARE(caption("Label6"), u"Сечение трубы (мм2) =");
        QCOMPARE(caption("Label7"), u"Масса  трубы  (кг/м) =");

        // Both results are spoken at once, by a notification the focus stays away from.
        QWidget *announcement = m_window->findChild<QWidget *>("Announcement");
        QVERIFY(announcement && !announcement->isHidden());
        QVERIFY(button("Command2")->hasFocus());
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(announcement);
        QCOMPARE(spoken->role(), QAccessible::Notification);
        QCOMPARE(spoken->text(QAccessible::Name),
                 "Сечение трубы (мм2) = " + area + ", Масса  трубы  (кг/м) = " + mass);
        QVERIFY(announcement->size().isEmpty());
    }

    // On a 2× screen every control's edge lands exactly twice as far out, and captions are
    // drawn at the finer resolution rather than enlarged.
    void sharpAtDoubleResolution()
    {
        const auto render = [this](int ratio) {
            QImage image(m_window->size() * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            m_window->render(&image);
            return image;
        };
        const QImage single = render(1);
        const QImage twice = render(2);
        const QRgb background = single.pixel(1, 1);
        QCOMPARE(twice.pixel(1, 1), background);

        // The first pixel of a control's frame from the left, along its middle.
        const auto leftEdge = [background](const QImage &image, int y, int from) {
            int x = from;
            while (x < image.width() && image.pixel(x, y) == background)
                ++x;
            return x;
        };
        for (auto *control : m_window->findChildren<QWidget *>()) {
            if (!qobject_cast<QPushButton *>(control) && !qobject_cast<QLineEdit *>(control))
                continue;
            const QRect r = control->geometry();
            const int single_x = leftEdge(single, r.center().y(), r.left() - 4);
            const int twice_x = leftEdge(twice, 2 * r.center().y(), 2 * (r.left() - 4));
            QVERIFY2(twice_x == 2 * single_x || twice_x == 2 * single_x + 1,
                     qPrintable(control->objectName()));
        }

        // Text drawn at 2× has finer detail than 2×2 blocks of the 1× picture.
        const QRect caption = label("Label1")->geometry();
        int uniform = 0, blocks = 0;
        for (int y = 2 * caption.top(); y < 2 * caption.bottom(); y += 2) {
            for (int x = 2 * caption.left(); x < 2 * caption.right(); x += 2) {
                const QRgb p = twice.pixel(x, y);
                if (p == background)
                    continue;
                ++blocks;
                uniform += p == twice.pixel(x + 1, y) && p == twice.pixel(x, y + 1) &&
                           p == twice.pixel(x + 1, y + 1);
            }
        }
        QVERIFY(blocks > 100);
        QVERIFY2(uniform < blocks / 2, qPrintable(QString("%1 of %2").arg(uniform).arg(blocks)));
    }

    void buttonsAskTheProgram()
    {
        QSignalSpy catalogue(m_window.get(), &MainWindow::catalogueRequested);
        QSignalSpy exit(m_window.get(), &MainWindow::exitRequested);
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QCOMPARE(catalogue.size(), 1);
        QCOMPARE(exit.size(), 0);
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        QCOMPARE(exit.size(), 1);
    }

  private:
    struct Report
    {
        QWidget *owner;
        QMessageBox::Icon icon;
        QString message;
        QString area;
        QString mass;
    };

    // Answers every message box the window shows from now on: notes what it says and what
    // the results show at that moment, then presses its button, as a user would.
    void answerMessageBoxes()
    {
        auto *watch = new QTimer(m_window.get());
        connect(watch, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_reports.append({box->parentWidget(), box->icon(), box->text(),
                              label("Label6")->text(), label("Label7")->text()});
            box->buttons().constFirst()->click();
        });
        watch->start(10);
    }

    // Types into the three boxes as far as given, then presses «РАСЧЕТ».
    void calculate(const QStringList &inputs)
    {
        for (qsizetype i = 0; i < inputs.size(); ++i)
            QTest::keyClicks(box(i == 0 ? "Text1" : i == 1 ? "Text2" : "Text3"), inputs[i]);
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
    }

    QLineEdit *box(const char *name) const
    {
        return m_window->findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QLabel *label(const char *name) const
    {
        return m_window->findChild<QLabel *>(QString::fromLatin1(name));
    }
    QPushButton *button(const char *name) const
    {
        return m_window->findChild<QPushButton *>(QString::fromLatin1(name));
    }

    std::unique_ptr<MainWindow> m_window;
    QList<Report> m_reports;
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"

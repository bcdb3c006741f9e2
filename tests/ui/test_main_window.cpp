// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/pipe_cases.h"
#include "captions.h"
#include "double_entry.h"
#include "find_control.h"
#include "ui/fitting_label.h"
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

using kvarnel::design::ControlKind;
using kvarnel::ui::MainWindow;
using Form = kvarnel::design::MainForm;

namespace {

QString separator()
{
    return qEnvironmentVariable("LC_ALL").startsWith(u"ru") ? QStringLiteral(",")
                                                            : QStringLiteral(".");
}

ControlKind kindOf(const QWidget *widget)
{
    if (qobject_cast<const kvarnel::ui::FittingLabel *>(widget))
        return ControlKind::Result;
    if (qobject_cast<const QLabel *>(widget))
        return ControlKind::Label;
    return qobject_cast<const QLineEdit *>(widget) ? ControlKind::TextBox : ControlKind::Button;
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
        QCOMPARE(m_window->objectName(), expected::mainWindow.name);
        QCOMPARE(m_window->windowTitle(), expected::mainWindow.caption);
        QCOMPARE(m_window->size(), expected::mainWindow.pixels);
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(QApplication::focusWidget(), control<Form::Command1>());
        for (QWidget *w : m_window->findChildren<QWidget *>(QRegularExpression("Text|Label[67]")))
            QVERIFY2(w->property("text").toString().isEmpty(), qPrintable(w->objectName()));
    }

    // Every control, of its kind, in its place in pixels, with its text, naming the control
    // it captions for screen readers.
    void builtAsDefined()
    {
        for (const expected::Control &e : expected::mainControls) {
            auto *widget = m_window->findChild<QWidget *>(e.name);
            QVERIFY2(widget, e.name);
            QCOMPARE(kindOf(widget), e.kind);
            const QRect r = expected::inPixels(e.twips);
            QRect shown = widget->geometry();
            if (widget == control<Form::Label8>()) {
                // The signature may only grow to the right, inside the window.
                QVERIFY(shown.width() >= r.width() && shown.right() < m_window->width());
                shown.setWidth(r.width());
            }
            QCOMPARE(shown, r);
            if (e.kind != ControlKind::Result)
                QCOMPARE(widget->property("text").toString(), e.text);
            if (e.names)
                QCOMPARE(static_cast<QLabel *>(widget)->buddy()->objectName(), e.names);
        }
    }

    void fonts()
    {
        QCOMPARE(m_window->font().pixelSize(), 11);
        QCOMPARE(control<Form::Label1>()->font().pixelSize(), 11);
        QCOMPARE(control<Form::Label6>()->font().pixelSize(), 13);
        QCOMPARE(control<Form::Label7>()->font().pixelSize(), 21);
        // Arial on Windows, elsewhere its metric twin; never a wider face.
#ifdef Q_OS_WIN
        const QString mass = QFontDatabase::hasFamily(QStringLiteral("Arial"))
                                 ? QStringLiteral("Arial")
                                 : QStringLiteral("Liberation Sans");
#else
        const QString mass = QStringLiteral("Liberation Sans");
#endif
        QCOMPARE(QFontInfo(control<Form::Label7>()->font()).family(), mass);
        QVERIFY(QFontInfo(control<Form::Label1>()->font()).family() != u"DejaVu Sans");
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
        // The calculation is tested on its own; here, that the boxes reach it in their order
        // and both results come back, and what only a box adds.
        const PipeCase &c = pipeCases[1];
        QTest::newRow(c.name) << QStringList{c.diameter, c.wall, c.density} << QString(c.area)
                              << QString(c.mass);
        QTest::newRow("comma typed") << QStringList{"57", "3,5", "8800"} << "587.965"
                                     << "5.174092";
        QTest::newRow("scientific") << QStringList{"1E100", "5E99", "1"} << "7.85E+199"
                                    << "7.85E+193";
    }

    void calculates()
    {
        answerMessageBoxes();
        QFETCH(QStringList, inputs);
        QFETCH(QString, area);
        QFETCH(QString, mass);
        for (int click = 0; click < 2; ++click) { // a second click shows the same
            calculate(click == 0 ? inputs : QStringList());
            QCOMPARE(control<Form::Label6>()->text(), area.replace(u'.', separator()));
            QCOMPARE(control<Form::Label7>()->text(), mass.replace(u'.', separator()));
        }
        QCOMPARE(control<Form::Text2>()->text(), inputs[1]); // inputs are never reformatted
        QVERIFY(m_reports.isEmpty());
    }

    void writtenResultReadsBack()
    {
        calculate({"57", "3.5", "7850"});
        const QString mass = control<Form::Label7>()->text();
        control<Form::Text3>()->clear();
        QTest::keyClicks(control<Form::Text3>(), mass); // 4,61552525 under comma settings
        QTest::mouseClick(control<Form::Command2>(), Qt::LeftButton);
        QCOMPARE(control<Form::Label7>()->text(),
                 QStringLiteral("0.00271376730361625").replace(u'.', separator()));
    }

    void longResultIsShownWhole()
    {
        calculate({"97.1", "3.7", "8829"});
        QLabel *mass = control<Form::Label7>();
        QCOMPARE(mass->text(), QStringLiteral("9.58053507479999").replace(u'.', separator()));
        QVERIFY(mass->font().pixelSize() < 21);
        QCOMPARE(QFontInfo(mass->font()).family(), u"Liberation Sans");
        QVERIFY(QFontMetricsF(mass->font()).horizontalAdvance(mass->text()) <= mass->width());

        // A short result brings the full size back.
        QTest::mouseClick(control<Form::Command3>(), Qt::LeftButton);
        QTest::mouseClick(control<Form::Command2>(), Qt::LeftButton);
        QCOMPARE(mass->font().pixelSize(), 21);
    }

    void clears()
    {
        calculate({"57", "3.5", "8800"});
        QTest::mouseClick(control<Form::Command3>(), Qt::LeftButton);
        for (QWidget *w : m_window->findChildren<QWidget *>(QRegularExpression("Text|Label[67]")))
            QVERIFY2(w->property("text").toString().isEmpty(), qPrintable(w->objectName()));
        QCOMPARE(QApplication::focusWidget(), control<Form::Command3>());
        QTest::mouseClick(control<Form::Command2>(), Qt::LeftButton);
        QCOMPARE(control<Form::Label6>()->text(), u"0");
        QCOMPARE(control<Form::Label7>()->text(), u"0");
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
        QVERIFY(!control<Form::Label6>()->text().isEmpty());

        control<Form::Text1>()->clear();
        QTest::keyClicks(control<Form::Text1>(), diameter);
        answerMessageBoxes();
        QTest::mouseClick(control<Form::Command2>(),
                          Qt::LeftButton); // returns once the box is closed
        QCOMPARE(m_reports.size(), 1);
        QCOMPARE(m_reports[0].owner, m_window.get());
        QVERIFY(m_reports[0].modal);
        QCOMPARE(m_reports[0].icon, QMessageBox::Critical);
        QCOMPARE(m_reports[0].said,
                 QStringLiteral("%1|%2|%3")
                     .arg(expected::mainWindow.caption, expected::overflow, expected::alertButton));
        QVERIFY(m_reports[0].area.isEmpty()); // results emptied before the report
        QVERIFY(m_reports[0].mass.isEmpty());
        QVERIFY(control<Form::Label6>()->text().isEmpty());
        QCOMPARE(control<Form::Text1>()->text(), diameter);
        QCOMPARE(control<Form::Text3>()->text(), u"8800");

        control<Form::Text1>()->clear();
        QTest::keyClicks(control<Form::Text1>(), "57");
        QTest::mouseClick(control<Form::Command2>(), Qt::LeftButton);
        QCOMPARE(control<Form::Label7>()->text(),
                 QStringLiteral("5.174092").replace(u'.', separator()));
    }

    void tabOrderCycles()
    {
        // The boxes and buttons in the definition's order, from the first after Command1
        // round to it.
        QStringList order;
        for (const expected::Control &e : expected::mainControls) {
            if (e.kind == ControlKind::TextBox || e.kind == ControlKind::Button)
                order << QString::fromLatin1(e.name);
        }
        order.move(0, order.size() - 1);
        for (const QString &name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
    }

    void enterPressesOnlyTheFocusedButton()
    {
        QTest::keyClicks(control<Form::Text1>(), "57");
        QTest::keyClick(control<Form::Text1>(), Qt::Key_Return);
        QTest::keyClick(control<Form::Text1>(), Qt::Key_Enter);
        QTest::keyClick(control<Form::Text1>(), Qt::Key_Escape);
        QVERIFY(control<Form::Label6>()->text().isEmpty());
        QCOMPARE(control<Form::Text1>()->text(), u"57");

        control<Form::Command2>()->setFocus();
        QTest::keyClick(control<Form::Command2>(), Qt::Key_Return);
        QVERIFY(!control<Form::Label6>()->text().isEmpty());
        control<Form::Command3>()->setFocus();
        QTest::keyClick(control<Form::Command3>(), Qt::Key_Space);
        QVERIFY(control<Form::Label6>()->text().isEmpty());

        // A button is the window's default only while it has the focus itself.
        control<Form::Text2>()->setFocus();
        for (auto *b : m_window->findChildren<QPushButton *>())
            QVERIFY2(!b->isDefault(), qPrintable(b->objectName()));
    }

    void resultsAreSelectableButNotEditable()
    {
        for (QLabel *result : {control<Form::Label6>(), control<Form::Label7>()}) {
            QCOMPARE(result->textInteractionFlags(), Qt::TextSelectableByMouse);
            QVERIFY(!(result->focusPolicy() & Qt::TabFocus));
        }
    }

    // Through the interfaces every platform's bridge reads (AT-SPI, UI Automation).
    void screenReadersKnowEveryBoxAndResult()
    {
        calculate({"57", "3.5", "8800"});
        const auto caption = [](int id) { return QString::fromUtf8(Form::controls[id].text); };
        const auto accessible = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget);
        };
        for (int id : {Form::Text1, Form::Text2, Form::Text3})
            QCOMPARE(accessible(findControl<Form>(m_window.get(), std::size_t(id)))
                         ->text(QAccessible::Name),
                     caption(id - Form::Text1 + Form::Label1));
        QCOMPARE(accessible(control<Form::Text3>())->text(QAccessible::Value), u"8800");

        // A result reads as shown, labelled by its caption.
        QString spoken;
        for (auto [result, label] : {std::pair{control<Form::Label6>(), Form::Label4},
                                     std::pair{control<Form::Label7>(), Form::Label5}}) {
            QAccessibleInterface *read = accessible(result);
            QAccessibleTextInterface *text = read->textInterface();
            QVERIFY(text);
            QCOMPARE(text->text(0, text->characterCount()), result->text());
            QCOMPARE(read->text(QAccessible::Name), result->text());
            const auto labels = read->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels[0].first->text(QAccessible::Name), caption(label));
            spoken += (spoken.isEmpty() ? "" : ", ") + caption(label) + u' ' + result->text();
        }

        // Both results are spoken at once, by a notification the focus stays away from.
        QWidget *announcement = m_window->findChild<QWidget *>("Announcement");
        QVERIFY(announcement && !announcement->isHidden());
        QVERIFY(control<Form::Command2>()->hasFocus());
        QCOMPARE(accessible(announcement)->role(), QAccessible::Notification);
        QCOMPARE(accessible(announcement)->text(QAccessible::Name), spoken);
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
        const QRect caption = control<Form::Label1>()->geometry();
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
        QTest::mouseClick(control<Form::Command1>(), Qt::LeftButton);
        QCOMPARE(catalogue.size(), 1);
        QCOMPARE(exit.size(), 0);
        QTest::mouseClick(control<Form::Command4>(), Qt::LeftButton);
        QCOMPARE(exit.size(), 1);
    }

  private:
    struct Report
    {
        QWidget *owner;
        bool modal;
        QMessageBox::Icon icon;
        QString said; // title, message and buttons
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
            QStringList said{box->windowTitle(), box->text()};
            for (const QAbstractButton *button : box->buttons())
                said << button->text();
            m_reports.append({box->parentWidget(), box->isModal(), box->icon(), said.join(u'|'),
                              control<Form::Label6>()->text(), control<Form::Label7>()->text()});
            box->buttons().constFirst()->click();
        });
        watch->start(10);
    }

    // Types into the three boxes as far as given, then presses Command2 to calculate.
    void calculate(const QStringList &inputs)
    {
        for (qsizetype i = 0; i < inputs.size(); ++i)
            QTest::keyClicks(findControl<Form>(m_window.get(), Form::Text1 + std::size_t(i)),
                             inputs[i]);
        QTest::mouseClick(control<Form::Command2>(), Qt::LeftButton);
    }

    template<int id> typename kvarnel::ui::WidgetOf<Form::controls[id].kind>::type *control() const
    {
        return findControl<Form, id>(m_window.get());
    }

    std::unique_ptr<MainWindow> m_window;
    QList<Report> m_reports;
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/error_report.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestErrorReport : public QObject
{
    Q_OBJECT

  private slots:
    // The real report: a modal, critical message box owned by the window, with the alert's
    // title, message and one button.
    void showsAModalMessageBox()
    {
        QWidget owner;
        owner.show();
        QString title, text, buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QWidget *parent = nullptr;
        bool modal = false;
        QTimer::singleShot(0, &owner, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            parent = box->parentWidget();
            modal = box->isModal();
            for (QAbstractButton *button : box->buttons())
                buttons += button->text();
            box->button(QMessageBox::Ok)->click();
        });
        kvarnel::platform::reportError(&owner, {"Заголовок", "Сообщение", "Кнопка"});
        QCOMPARE(title, u"Заголовок");
        QCOMPARE(text, u"Сообщение");
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(parent, &owner);
        QVERIFY(modal);
        QCOMPARE(buttons, u"Кнопка");
    }
};

QTEST_MAIN(TestErrorReport)
#include "test_error_report.moc"

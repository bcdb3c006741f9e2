// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_pictures.h"

#include "app/program.h"
#include "ui/catalogue_window.h"
#include "ui/main_window.h"
#include "ui/reference_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QWidget *showWindow(kvarnel::Program &program, const QString &name)
{
    if (name == u"Form1") {
        QWidget *window = program.mainWindow();
        const auto type = [window](const char *box, const char *text) {
            QTest::keyClicks(window->findChild<QLineEdit *>(QLatin1String(box)), text);
        };
        type("Text1", "57");
        type("Text2", "3.5");
        type("Text3", "8800");
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        return window;
    }
    program.showCatalogue();
    if (name == u"Form2")
        return program.catalogue();
    const int table = name.mid(4).toInt() - 3; // Form3 shows the first table
    program.showReference(table);
    return program.reference(table);
}

} // namespace

QStringList windowPictureNames()
{
    QStringList names;
    for (int number = 1; number <= 10; ++number)
        names << QStringLiteral("Form%1").arg(number);
    return names;
}

QImage renderWindowPicture(const QString &name)
{
    kvarnel::Program program;
    program.start();
    QWidget *window = showWindow(program, name);
    if (!window || !QTest::qWaitForWindowActive(window))
        return {};
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

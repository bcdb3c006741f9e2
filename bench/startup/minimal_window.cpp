// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks for start-up: the smallest Qt Widgets program that shows a window of the
// main window's size, bare, or (built with KVARNEL_YARDSTICK_TEXT) with one line of text,
// which is what it costs Qt to bring up its fonts.
#include "design/main_form.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(257, 297);
#ifdef KVARNEL_YARDSTICK_TEXT
    using Form = kvarnel::design::MainForm;
    auto *label = new QLabel(QString::fromUtf8(Form::controls[Form::Label1].text), &window);
    label->move(8, 16);
#endif
    window.setVisible(true); // as show() does, but in a page too, where show() fills it
    return QApplication::exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/controls.h"

#include <QApplication>
#include <QString>
#include <QWidget>

// A control of a built window as the world outside finds it, by the objectName its
// description gives it, typed by its kind: findControl<MainForm, MainForm::Text1>(window)
// is the QLineEdit named Text1.
template<typename Form, int id> auto *findControl(const QWidget *window)
{
    using Widget = typename kvarnel::ui::WidgetOf<Form::controls[id].kind>::type;
    return window->findChild<Widget *>(QString::fromLatin1(Form::controls[id].name),
                                       Qt::FindDirectChildrenOnly);
}

// Any of a window's controls, by its place in the description.
template<typename Form> QWidget *findControl(const QWidget *window, std::size_t index)
{
    return window->findChild<QWidget *>(QString::fromLatin1(Form::controls[index].name),
                                        Qt::FindDirectChildrenOnly);
}

// A window of the program, shown or about to close, by the objectName its description
// gives it (Form1, ...); null when there is none.
inline QWidget *findWindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name))
            return window;
    }
    return nullptr;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"
#include "platform/application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto application = kvarnel::platform::makeApplication(argc, argv);
    kvarnel::Program program;
    program.start();
    return QApplication::exec();
}

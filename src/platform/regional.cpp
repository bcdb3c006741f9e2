// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regional.h"

#include <QLocale>

namespace kvarnel::platform {

std::string decimalSeparator()
{
    return QLocale::system().decimalPoint().toStdString();
}

} // namespace kvarnel::platform

#include "platform/regional.h"

#include <QLocale>

namespace kvarnel::platform {

std::string decimalSeparator()
{
    return QLocale::system().decimalPoint().toStdString();
}

} // namespace kvarnel::platform

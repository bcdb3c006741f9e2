// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/error_report.h"

#include <QMessageBox>
#include <QPushButton>

namespace kvarnel::platform {

void reportError(QWidget *owner, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Кварнель"), message, QMessageBox::Ok,
                    owner);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("ОК")); // Cyrillic, like every text here
    box.exec();
}

} // namespace kvarnel::platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/error_report.h"

#include <QMessageBox>
#include <QPushButton>

namespace kvarnel::platform {

void reportError(QWidget *owner, const design::Alert &alert)
{
    auto *box = new QMessageBox(QMessageBox::Critical, QString::fromUtf8(alert.title),
                                QString::fromUtf8(alert.message), QMessageBox::Ok, owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->button(QMessageBox::Ok)->setText(QString::fromUtf8(alert.button));
    box->exec();
}

} // namespace kvarnel::platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/error_report.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace kvarnel::platform {
namespace {

ErrorSink &currentSink()
{
    static ErrorSink sink;
    return sink;
}

} // namespace

void reportError(QWidget *owner, const QString &message)
{
    if (const ErrorSink &sink = currentSink()) {
        sink(owner, message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Кварнель"), message, QMessageBox::Ok,
                    owner);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("ОК")); // Cyrillic, like every text here
    box.exec();
}

ErrorSink setErrorSink(ErrorSink sink)
{
    return std::exchange(currentSink(), std::move(sink));
}

} // namespace kvarnel::platform

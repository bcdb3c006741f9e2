// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_run.h"

ProgramRun::ProgramRun(const QString &executable, const QStringList &arguments,
                       const QProcessEnvironment &extra)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("ru_RU.UTF-8"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("ru_RU.UTF-8"));
    for (const QString &name : extra.keys())
        environment.insert(name, extra.value(name));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.start(executable, arguments);
}

ProgramRun::~ProgramRun()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

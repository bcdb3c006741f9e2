// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_run.h"

#include "design/main_form.h"
#include "platform/units.h"
#include "reference/catalogue_form.h"
#include "x_display.h"

#include <QFileInfo>
#include <QLine>
#include <QThread>

using kvarnel::design::MainForm;
using kvarnel::platform::toQRect;
using kvarnel::reference::CatalogueForm;
using namespace Qt::StringLiterals;

namespace {

QRect placeOf(int control)
{
    return toQRect(MainForm::controls[control].rect);
}

} // namespace

Launcher::Launcher(QString executable)
    : m_executable(std::move(executable)), m_windows(m_executable.endsWith(u".exe")),
      m_english(qEnvironmentVariable("KVARNEL_LANGUAGE") == u"en")
{
    m_ready = XDisplay().isOpen();
    if (!m_windows)
        return;
    m_prefix = std::make_unique<QTemporaryDir>();
    m_wine.insert(QStringLiteral("WINEPREFIX"), m_prefix->path());
    m_wine.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    m_wine.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    m_ready = m_ready && m_prefix->isValid() &&
              run(QStringLiteral("wineboot"), {QStringLiteral("--init")}) == 0 &&
              run(QStringLiteral("wineserver"), {QStringLiteral("--wait")}) == 0;
    m_windowManager.start(QStringLiteral("xfwm4"), {QStringLiteral("--compositor=off")});
    m_ready = m_ready && m_windowManager.waitForStarted();
    QThread::sleep(1); // until it manages the screen
}

Launcher::~Launcher()
{
    if (!m_windows)
        return;
    run(QStringLiteral("wineserver"), {QStringLiteral("--kill")});
    m_windowManager.terminate();
    m_windowManager.waitForFinished();
}

QStringList Launcher::command(const QString &executable) const
{
    const QString program = executable.isEmpty() ? m_executable : executable;
    return m_windows ? QStringList{QStringLiteral("wine"), program} : QStringList{program};
}

QProcessEnvironment Launcher::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(m_wine);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const QString locale = m_english ? u"en_US.UTF-8"_s : u"ru_RU.UTF-8"_s;
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    return environment;
}

int Launcher::run(const QString &program, const QStringList &arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    return process.waitForFinished(120000) ? process.exitCode() : -1;
}

ProgramRun::ProgramRun(const Launcher &launcher, const QString &executable)
{
    m_screen = std::make_unique<XDisplay>();
    const QStringList command = launcher.command(executable);
    m_process.setProcessEnvironment(launcher.environment());
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.start(command.first(), command.mid(1));
}

ProgramRun::~ProgramRun()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool ProgramRun::isRunning()
{
    return m_process.state() == QProcess::Running;
}

bool ProgramRun::ends(int timeoutMs)
{
    return m_process.waitForFinished(timeoutMs) && m_process.exitStatus() == QProcess::NormalExit &&
           m_process.exitCode() == 0;
}

Screen::Window ProgramRun::waitForMain()
{
    m_main = m_screen->waitForWindow(QString::fromUtf8(MainForm::frame.caption), 30000);
    return m_main;
}

void ProgramRun::enter(const QStringList &texts)
{
    const int boxes[] = {MainForm::Text1, MainForm::Text2, MainForm::Text3};
    for (qsizetype i = 0; i < texts.size() && i < qsizetype(std::size(boxes)); ++i) {
        click(boxes[i]);
        m_screen->key(QStringLiteral("ctrl+a"));
        m_screen->type(texts[i]);
    }
}

void ProgramRun::click(int control)
{
    m_screen->click(m_main, placeOf(control).center());
}

QString ProgramRun::copy(int result)
{
    const QRect place = placeOf(result);
    const int middle = place.center().y();
    m_screen->drag(m_main, QLine(place.left() + 1, middle, place.right(), middle));
    m_screen->key(QStringLiteral("ctrl+c"));
    QThread::msleep(300);
    return m_screen->clipboard();
}

Screen::Window ProgramRun::openCatalogue()
{
    click(MainForm::Command1);
    m_catalogue = m_screen->waitForWindow(QString::fromUtf8(CatalogueForm::frame.caption));
    return m_catalogue;
}

Screen::Window ProgramRun::openTable(int index)
{
    m_screen->raise(m_catalogue); // the tables opened before may lie over it
    m_screen->click(m_catalogue,
                    toQRect(CatalogueForm::controls.at(std::size_t(index)).rect).center());
    const auto &table = kvarnel::reference::densityTables.at(std::size_t(index));
    return m_screen->waitForWindow(QString::fromUtf8(table.window.caption));
}

bool ProgramRun::exitsWithStatusZero()
{
    m_screen->raise(m_main); // the others may lie over it
    click(MainForm::Command4);
    return ends();
}

QByteArray output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return process.readAllStandardOutput();
}

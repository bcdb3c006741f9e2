// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_run.h"

#include <QDir>
#include <QFile>
#include <QLine>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

// Кварнель for Windows as a Windows user gets it: kvarnel.exe and its installer, run under
// Wine on a virtual display with a window manager that honours fixed borders (xfwm4).
class TestWindows : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QVERIFY2(XDisplay().isOpen(), "needs an X display (run under xvfb-run)");
        QVERIFY(QFile::exists(executable()));
        QVERIFY(m_prefix.isValid());
        m_wine.insert(QStringLiteral("WINEPREFIX"), m_prefix.path());
        m_wine.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        m_wine.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
        QCOMPARE(run(QStringLiteral("wineboot"), {QStringLiteral("--init")}), 0);
        QCOMPARE(run(QStringLiteral("wineserver"), {QStringLiteral("--wait")}), 0);
        m_windowManager.start(QStringLiteral("xfwm4"), {QStringLiteral("--compositor=off")});
        QVERIFY(m_windowManager.waitForStarted());
        QTest::qWait(1000); // until it manages the screen
    }

    void cleanupTestCase()
    {
        run(QStringLiteral("wineserver"), {QStringLiteral("--kill")});
        m_windowManager.terminate();
        m_windowManager.waitForFinished();
    }

    // One kvarnel.exe and nothing beside it: Windows' own DLLs are all it imports.
    void executableIsSelfContained()
    {
        const QString headers = output(QStringLiteral("x86_64-w64-mingw32-objdump"),
                                       {QStringLiteral("-p"), executable()});
        QVERIFY(headers.contains(QLatin1String("(Windows GUI)")));
        const QRegularExpression dll(QStringLiteral("DLL Name: (\\S+)"));
        QStringList imported;
        for (const auto &match : dll.globalMatch(headers))
            imported << match.captured(1).toLower();
        QVERIFY(imported.contains(u"kernel32.dll"));
        for (const QString &name : imported) {
            const bool system = !name.contains(QRegularExpression(
                QStringLiteral("qt|stdc|gcc|pthread|mingw|^lib|zlib|png|harfbuzz|pcre")));
            QVERIFY2(system, qPrintable(name));
        }
    }

    void carriesItsVersionAndIcon()
    {
        const QByteArray version = resource(QStringLiteral("--type=16"));
        // The fixed part of the version record: a signature, then file and product
        // version as major.minor and patch.tweak words.
        const QByteArray signature("\xbd\x04\xef\xfe", 4);
        const qsizetype at = version.indexOf(signature);
        QVERIFY(at >= 0 && version.size() >= at + 24);
        quint32 words[6];
        std::memcpy(words, version.constData() + at, sizeof words);
        const auto dotted = [](quint32 high, quint32 low) {
            return QStringLiteral("%1.%2.%3.%4")
                .arg(high >> 16)
                .arg(high & 0xffff)
                .arg(low >> 16)
                .arg(low & 0xffff);
        };
        QCOMPARE(dotted(words[2], words[3]), u"1.0.0.0");          // file version
        QCOMPARE(dotted(words[4], words[5]), u"1.0.0.0");          // product version
        QVERIFY(!resource(QStringLiteral("--type=14")).isEmpty()); // the icon group
    }

    void calculatesUnderRussianSettings()
    {
        ProgramRun run(QStringLiteral("wine"), {executable()}, m_wine);
        const XDisplay &display = run.display();
        const auto main = display.waitForWindow(QStringLiteral("Кварнель"), 30000);
        QVERIFY(main);
        QCOMPARE(display.clientSize(main), QSize(257, 297));
        QVERIFY(display.hasFixedSize(main));

        enter(display, main, {QStringLiteral("57"), QStringLiteral("3.5"), QStringLiteral("8800")});
        display.click(main, calculateButton);
        QCOMPARE(copyText(display, main, area), u"587,965");
        QCOMPARE(copyText(display, main, mass), u"5,174092");

        QVERIFY(exitsWithStatusZero(run, main));
    }

    void overflowIsReportedAndTheProgramLivesOn()
    {
        ProgramRun run(QStringLiteral("wine"), {executable()}, m_wine);
        const XDisplay &display = run.display();
        const auto main = display.waitForWindow(QStringLiteral("Кварнель"), 30000);
        QVERIFY(main);
        enter(display, main, {QStringLiteral("1E160"), QStringLiteral("1"), QStringLiteral("1")});
        display.click(main, calculateButton);
        const auto report = display.waitForWindow(QStringLiteral("Кварнель"), 10000, main);
        QVERIFY(report);
        QTest::qWait(1000);
        display.key(QStringLiteral("Return")); // its one button has the focus
        QTRY_VERIFY(!display.waitForWindow(QStringLiteral("Кварнель"), 100, main));
        QVERIFY2(run.process().state() == QProcess::Running,
                 qPrintable(QStringLiteral("ended with status %1").arg(run.process().exitCode())));

        enter(display, main, {QStringLiteral("57"), QStringLiteral("3.5"), QStringLiteral("8800")});
        display.click(main, calculateButton);
        QCOMPARE(copyText(display, main, area), u"587,965");
        QVERIFY(exitsWithStatusZero(run, main));
    }

    void catalogueAndBrassTableOpen()
    {
        ProgramRun run(QStringLiteral("wine"), {executable()}, m_wine);
        const XDisplay &display = run.display();
        const auto main = display.waitForWindow(QStringLiteral("Кварнель"), 30000);
        QVERIFY(main);
        display.click(main, ProgramRun::densityButton);
        const auto catalogue = display.waitForWindow(QStringLiteral("Плотность материалов"));
        QVERIFY(catalogue);
        QCOMPARE(display.clientSize(catalogue), QSize(329, 267));
        display.click(catalogue, ProgramRun::catalogueButton(4));
        const auto brass = display.waitForWindow(QStringLiteral("Латунь"));
        QVERIFY(brass);
        QCOMPARE(display.clientSize(brass), QSize(264, 292));
        QVERIFY(!display.hasFixedSize(brass)); // the brass table's window is sizable

        display.raise(main); // the window manager may have put the others over it
        QVERIFY(exitsWithStatusZero(run, main));
    }

    // Silently installed, the program starts from where the installer put it; the
    // uninstaller then leaves no file and no registry key behind.
    void installerInstallsAndUninstallsCleanly()
    {
        const QString installer = QDir(qEnvironmentVariable("KVARNEL_WINDOWS_BUILD"))
                                      .filePath(QStringLiteral("package/kvarnel-1.0.0-win64.exe"));
        QVERIFY(QFile::exists(installer));
        QVERIFY2(programKeys().isEmpty(), qPrintable(programKeys().join(u' ')));
        QCOMPARE(run(QStringLiteral("wine"), {installer, QStringLiteral("/S")}), 0);
        QCOMPARE(run(QStringLiteral("wineserver"), {QStringLiteral("--wait")}), 0);

        const QString folder = m_prefix.filePath(QStringLiteral("drive_c/Program Files/Kvarnel"));
        for (const char *file :
             {"kvarnel.exe", "LICENSE.txt", "THIRD-PARTY-NOTICES.txt", "Uninstall.exe"})
            QVERIFY2(QFile::exists(folder + u'/' + QLatin1String(file)), file);
        const QString key = uninstallKey();
        QVERIFY2(key.contains(u"DisplayVersion") && key.contains(u"1.0.0.0"), qPrintable(key));
        QVERIFY(key.contains(u"Кварнель"));
        QVERIFY(!shortcuts().isEmpty());

        ProgramRun run(QStringLiteral("wine"), {folder + QStringLiteral("/kvarnel.exe")}, m_wine);
        const auto main = run.display().waitForWindow(QStringLiteral("Кварнель"), 30000);
        QVERIFY(main);
        run.display().click(main, ProgramRun::exitButton);
        QVERIFY(run.process().waitForFinished(10000));

        QCOMPARE(this->run(QStringLiteral("wine"),
                           {folder + QStringLiteral("/Uninstall.exe"), QStringLiteral("/S")}),
                 0);
        // The uninstaller runs on as a copy of itself; Wine writes its registry out once
        // every program has ended.
        QCOMPARE(this->run(QStringLiteral("wineserver"), {QStringLiteral("--wait")}), 0);
        QVERIFY(!QDir(folder).exists());
        QVERIFY2(programKeys().isEmpty(), qPrintable(programKeys().join(u' ')));
        QVERIFY(shortcuts().isEmpty());
    }

  private:
    // Client coordinates: the centres of the controls' twip rectangles, and a line
    // through each result label.
    static constexpr QPoint textBoxes[] = {{212, 17}, {212, 41}, {212, 65}};
    static constexpr QPoint calculateButton{128, 197};
    static constexpr QLine area{QPoint(137, 136), QPoint(248, 136)};
    static constexpr QLine mass{QPoint(137, 164), QPoint(248, 164)};

    // «ВЫХОД» ends the program, with status 0.
    static bool exitsWithStatusZero(ProgramRun &run, XDisplay::Window main)
    {
        run.display().click(main, ProgramRun::exitButton);
        return run.process().waitForFinished(10000) &&
               run.process().exitStatus() == QProcess::NormalExit && run.process().exitCode() == 0;
    }

    static QString executable()
    {
        return QDir(qEnvironmentVariable("KVARNEL_WINDOWS_BUILD"))
            .filePath(QStringLiteral("src/kvarnel.exe"));
    }

    static void enter(const XDisplay &display, XDisplay::Window window, const QStringList &texts)
    {
        for (qsizetype i = 0; i < texts.size(); ++i) {
            display.click(window, textBoxes[i]);
            display.key(QStringLiteral("ctrl+a"));
            display.type(texts[i]);
        }
    }

    // What a user copies of a result: dragged over with the mouse, then Ctrl+C.
    static QString copyText(const XDisplay &display, XDisplay::Window window, QLine line)
    {
        QProcess::execute(
            QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window),
             QString::number(line.x1()), QString::number(line.y1()), QStringLiteral("mousedown"),
             QStringLiteral("1"), QStringLiteral("mousemove"), QStringLiteral("--window"),
             QString::number(window), QString::number(line.x2()), QString::number(line.y2()),
             QStringLiteral("mouseup"), QStringLiteral("1")});
        display.key(QStringLiteral("ctrl+c"));
        QTest::qWait(300);
        return output(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"),
                                                QStringLiteral("clipboard")});
    }

    QByteArray resource(const QString &type) const
    {
        QProcess wrestool;
        wrestool.start(QStringLiteral("wrestool"),
                       {QStringLiteral("-x"), QStringLiteral("--raw"), type, executable()});
        wrestool.waitForFinished();
        return wrestool.readAllStandardOutput();
    }

    int run(const QString &program, const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : m_wine.keys())
            environment.insert(name, m_wine.value(name));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(120000))
            return -1;
        return process.exitCode();
    }

    static QString output(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The keys of the prefix's registry that name the program.
    QStringList programKeys() const
    {
        QStringList keys;
        for (const char *hive : {"system.reg", "user.reg"}) {
            QFile file(m_prefix.filePath(QLatin1String(hive)));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
                if (line.startsWith(u'[') && line.contains(u"kvarnel", Qt::CaseInsensitive))
                    keys << line.section(u']', 0, 0);
            }
        }
        return keys;
    }

    // Our uninstall entry in the registry, as Wine keeps it: the key and its values.
    QString uninstallKey() const
    {
        QFile system(m_prefix.filePath(QStringLiteral("system.reg")));
        if (!system.open(QIODevice::ReadOnly))
            return {};
        // Wine writes characters beyond ASCII as \x41a and the like.
        QString all = QString::fromUtf8(system.readAll());
        static const QRegularExpression escaped(QStringLiteral("\\\\x([0-9a-f]{1,4})"));
        for (QRegularExpressionMatch match = escaped.match(all); match.hasMatch();
             match = escaped.match(all, match.capturedStart())) {
            all.replace(match.capturedStart(), match.capturedLength(),
                        QChar(match.captured(1).toUShort(nullptr, 16)));
        }
        const qsizetype at = all.indexOf(
            u"[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Kvarnel]");
        return at < 0 ? QString() : all.mid(at, all.indexOf(u"\n\n", at) - at);
    }

    QStringList shortcuts() const
    {
        QStringList found;
        QDir menu(m_prefix.filePath(
            QStringLiteral("drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs")));
        for (const QString &entry : menu.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (entry.contains(u"Kvarnel") || entry.contains(u"Кварнель"))
                found << entry;
        }
        return found;
    }

    QTemporaryDir m_prefix;
    QProcessEnvironment m_wine;
    QProcess m_windowManager;
};

QTEST_GUILESS_MAIN(TestWindows)
#include "test_windows.moc"

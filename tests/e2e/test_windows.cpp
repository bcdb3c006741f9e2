// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_run.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <cstring>
#include <memory>

// What only Кварнель for Windows has: one kvarnel.exe importing only Windows' own DLLs, its
// version record and icon, and its installer, run under Wine. The windows themselves are
// driven by the end-to-end test, as on Linux.
class TestWindows : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QVERIFY(QFile::exists(executable()));
        m_launcher = std::make_unique<Launcher>(executable());
        QVERIFY(m_launcher->isReady());
    }

    void cleanupTestCase() { m_launcher.reset(); }

    // One kvarnel.exe and nothing beside it: Windows' own DLLs are all it imports.
    void executableIsSelfContained()
    {
        const QString headers = QString::fromUtf8(output(
            QStringLiteral("x86_64-w64-mingw32-objdump"), {QStringLiteral("-p"), executable()}));
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
        QCOMPARE(dotted(words[2], words[3]), KVARNEL_VERSION);     // file version
        QCOMPARE(dotted(words[4], words[5]), KVARNEL_VERSION);     // product version
        QVERIFY(!resource(QStringLiteral("--type=14")).isEmpty()); // the icon group
    }

    // Silently installed, the program starts from where the installer put it; the
    // uninstaller then leaves no file and no registry key behind.
    void installerInstallsAndUninstallsCleanly()
    {
        const QString installer =
            QDir(qEnvironmentVariable("KVARNEL_WINDOWS_BUILD"))
                .filePath(QStringLiteral("package/kvarnel-" KVARNEL_RELEASE "-win64.exe"));
        QVERIFY(QFile::exists(installer));
        QVERIFY2(programKeys().isEmpty(), qPrintable(programKeys().join(u' ')));
        QCOMPARE(m_launcher->run(QStringLiteral("wine"), {installer, QStringLiteral("/S")}), 0);
        QCOMPARE(m_launcher->run(QStringLiteral("wineserver"), {QStringLiteral("--wait")}), 0);

        const QString folder =
            m_launcher->inPrefix(QStringLiteral("drive_c/Program Files/Kvarnel"));
        for (const char *file :
             {"kvarnel.exe", "LICENSE.txt", "THIRD-PARTY-NOTICES.txt", "Uninstall.exe"})
            QVERIFY2(QFile::exists(folder + u'/' + QLatin1String(file)), file);
        const QString key = uninstallKey();
        QVERIFY2(key.contains(u"DisplayVersion") && key.contains(QLatin1String(KVARNEL_VERSION)),
                 qPrintable(key));
        QVERIFY(key.contains(u"Кварнель"));
        QVERIFY(!shortcuts().isEmpty());

        ProgramRun run(*m_launcher, folder + QStringLiteral("/kvarnel.exe"));
        QVERIFY(run.waitForMain());
        QVERIFY(run.exitsWithStatusZero());

        QCOMPARE(m_launcher->run(QStringLiteral("wine"),
                                 {folder + QStringLiteral("/Uninstall.exe"), QStringLiteral("/S")}),
                 0);
        // The uninstaller runs on as a copy of itself; Wine writes its registry out once
        // every program has ended.
        QCOMPARE(m_launcher->run(QStringLiteral("wineserver"), {QStringLiteral("--wait")}), 0);
        QVERIFY(!QDir(folder).exists());
        QVERIFY2(programKeys().isEmpty(), qPrintable(programKeys().join(u' ')));
        QVERIFY(shortcuts().isEmpty());
    }

  private:
    static QString executable()
    {
        return QDir(qEnvironmentVariable("KVARNEL_WINDOWS_BUILD"))
            .filePath(QStringLiteral("src/kvarnel.exe"));
    }

    static QByteArray resource(const QString &type)
    {
        return output(QStringLiteral("wrestool"),
                      {QStringLiteral("-x"), QStringLiteral("--raw"), type, executable()});
    }

    // The keys of the prefix's registry that name the program.
    QStringList programKeys() const
    {
        QStringList keys;
        for (const char *hive : {"system.reg", "user.reg"}) {
            QFile file(m_launcher->inPrefix(QLatin1String(hive)));
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
        QFile system(m_launcher->inPrefix(QStringLiteral("system.reg")));
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
        return QDir(m_launcher->inPrefix(QStringLiteral(
                        "drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs")))
            .entryList({QStringLiteral("*Kvarnel*"), QStringLiteral("*Кварнель*")},
                       QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    std::unique_ptr<Launcher> m_launcher;
};

QTEST_GUILESS_MAIN(TestWindows)
#include "test_windows.moc"

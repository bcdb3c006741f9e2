// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_run.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The Debian package as another machine gets it: its control fields, the files it
// installs, and the installed program started for real.
class TestPackage : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        const QDir directory(qEnvironmentVariable("KVARNEL_PACKAGE_DIR"));
        const QStringList debs =
            directory.entryList({QStringLiteral("kvarnel_*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        m_deb = directory.filePath(debs.first());
        QVERIFY(m_root.isValid());
        QCOMPARE(QProcess::execute(QStringLiteral("dpkg-deb"),
                                   {QStringLiteral("-x"), m_deb, m_root.path()}),
                 0);
    }

    void controlFields()
    {
        QCOMPARE(field("Package"), u"kvarnel");
        QCOMPARE(field("Version"), KVARNEL_RELEASE);
        const QString depends = field("Depends");
        for (const char *package : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libstdc++6",
                                    "qt6-qpa-plugins", "fonts-liberation"})
            QVERIFY2(depends.contains(QLatin1String(package)), qPrintable(depends));
    }

    void installsIntoTheStandardPlaces()
    {
        for (const char *file :
             {"usr/bin/kvarnel", "usr/share/applications/" KVARNEL_APP_ID ".desktop",
              "usr/share/metainfo/" KVARNEL_APP_ID ".metainfo.xml",
              "usr/share/icons/hicolor/scalable/apps/kvarnel.svg"})
            QVERIFY2(QFile::exists(m_root.filePath(QLatin1String(file))), file);

        QFile desktop(
            m_root.filePath(QStringLiteral("usr/share/applications/" KVARNEL_APP_ID ".desktop")));
        QVERIFY(desktop.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(desktop.readAll()).split(u'\n');
        for (const char *line : {"Type=Application", "Name=Kvarnel", "Name[ru]=Кварнель",
                                 "Exec=kvarnel", "Icon=kvarnel", "Categories=Utility;Calculator;"})
            QVERIFY2(lines.contains(QString::fromUtf8(line)), line);
        if (QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty())
            QSKIP("desktop-file-validate is not installed");
        QCOMPARE(QProcess::execute(QStringLiteral("desktop-file-validate"), {desktop.fileName()}),
                 0);
    }

    // Software centres list the program from its AppStream metadata, which must name the
    // installed desktop entry. Only notes may remain (the id's domain, .invalid). AppStream
    // 1.0 warns of the homepage the program does not have, a warning its validator lets be
    // lowered to a note for that very case; older validators do not know it.
    void softwareCentresListIt()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("appstreamcli")).isEmpty())
            QSKIP("appstreamcli is not installed");
        QStringList arguments{QStringLiteral("validate-tree"), QStringLiteral("--pedantic"),
                              QStringLiteral("--no-net"), m_root.path()};
        QProcess version;
        version.start(QStringLiteral("appstreamcli"), {QStringLiteral("--version")});
        QVERIFY(version.waitForFinished(60000));
        if (!version.readAllStandardOutput().contains("version: 0."))
            arguments << QStringLiteral("--override=url-homepage-missing=info");
        QProcess validate;
        validate.start(QStringLiteral("appstreamcli"), arguments);
        QVERIFY(validate.waitForFinished(60000));
        const QString report = QString::fromUtf8(validate.readAllStandardOutput());
        QVERIFY2(validate.exitCode() == 0, qPrintable(report));
        for (const QString &line : report.split(u'\n'))
            QVERIFY2(!line.startsWith(u"E:") && !line.startsWith(u"W:"), qPrintable(line));
    }

    void installedProgramRuns()
    {
        const Launcher launcher(m_root.filePath(QStringLiteral("usr/bin/kvarnel")));
        ProgramRun run(launcher);
        QVERIFY(run.waitForMain());
        QVERIFY(run.exitsWithStatusZero());
    }

  private:
    QString field(const char *name) const
    {
        QProcess dpkg;
        dpkg.start(QStringLiteral("dpkg-deb"),
                   {QStringLiteral("--field"), m_deb, QLatin1String(name)});
        dpkg.waitForFinished();
        return QString::fromUtf8(dpkg.readAllStandardOutput()).trimmed();
    }

    QString m_deb;
    QTemporaryDir m_root;
};

QTEST_GUILESS_MAIN(TestPackage)
#include "test_package.moc"

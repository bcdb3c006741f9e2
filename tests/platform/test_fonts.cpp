// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts as the program sets them up before and after making the application: the
// faces the windows ask for, the user's own font configuration still in force, and Qt's
// own windows left in the fonts they had.
#include "platform/application.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#if defined(Q_OS_UNIX) && !defined(QT_STATIC)
#include <dlfcn.h>
#endif

using kvarnel::design::Face;

namespace {

QFont systemFont; // the application's font before the program set its own
bool ownHandlerRestored = false;

} // namespace

class TestFonts : public QObject
{
    Q_OBJECT

  private slots:
    void facesAreInstalledOnes_data()
    {
        QTest::addColumn<Face>("face");
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("twin");
        QTest::newRow("MS Sans Serif") << Face::MsSansSerif << "MS Sans Serif"
                                       << "Liberation Sans";
        QTest::newRow("Arial") << Face::Arial << "Arial"
                               << "Liberation Sans";
        QTest::newRow("Times New Roman") << Face::TimesNewRoman << "Times New Roman"
                                         << "Liberation Serif";
    }

    // The face installed here is asked for first (the original on Windows, its metric
    // twin elsewhere), so Qt does not go looking for one that is not there; the other is
    // the next choice.
    void facesAreInstalledOnes()
    {
        QFETCH(Face, face);
        QFETCH(QString, original);
        QFETCH(QString, twin);
#ifdef Q_OS_WIN
        const QStringList expected{original, twin};
#else
        const QStringList expected{twin, original};
#endif
        const QFont font = kvarnel::platform::font({face, 12});
        QCOMPARE(font.families(), expected);
        const QString shown = QFontDatabase::hasFamily(expected[0]) ? expected[0] : expected[1];
        QCOMPARE(QFontInfo(font).family(), shown);
    }

    void textBoxesAreMadeInTheDialogFont()
    {
        QCOMPARE(QApplication::font(), kvarnel::platform::font(kvarnel::design::dialogFont));
    }

    // Messages go where they went before, once the application is made.
    void ownMessageHandlerRestored()
    {
        QVERIFY(ownHandlerRestored);
    }

    // The message box and the context menus look as they did before the program set the
    // application's font.
    void qtWindowsKeepTheirFonts()
    {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("…"), QStringLiteral("…"));
        box.ensurePolished();
        QCOMPARE(box.font(), systemFont);
        QMenu menu;
        menu.ensurePolished();
        QCOMPARE(menu.font(), systemFont);
    }

#if defined(Q_OS_UNIX) && !defined(QT_STATIC)
    // Every class name whose font is kept is one the Qt in use keys a font by: a name Qt
    // has dropped or renamed would silently lose its font. Qt's Widgets library holds
    // each as a string of its own.
    void themedFontClassesAreQtsOwn()
    {
        Dl_info library{};
        QVERIFY(dladdr(&QApplication::staticMetaObject, &library) != 0);
        QFile file(QFile::decodeName(library.dli_fname));
        QVERIFY2(file.open(QIODevice::ReadOnly), library.dli_fname);
        const QByteArray binary = file.readAll();
        for (const char *className : kvarnel::platform::themedFontClasses) {
            const QByteArray name = QByteArray(1, '\0') + className + '\0';
            QVERIFY2(binary.contains(name), className);
        }
    }
#endif

#ifndef Q_OS_WIN
    // The configuration the program loads itself is the user's: a rule of their own
    // (here an alias in the file FONTCONFIG_FILE names) still holds.
    void userFontRulesHold()
    {
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Kvarnel Test Alias"))).family(),
                 u"Liberation Serif");
    }
#endif
};

int main(int argc, char *argv[])
{
    // A user's configuration: the system's, plus one alias.
    QTemporaryDir directory;
    const QString configuration = directory.filePath(QStringLiteral("fonts.conf"));
    QFile file(configuration);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="same">
    <family>Kvarnel Test Alias</family>
    <prefer><family>Liberation Serif</family></prefer>
  </alias>
</fontconfig>
)");
    file.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(configuration));

    // The system font is what a plain application gets; the program's then takes over.
    {
        QApplication plain(argc, argv);
        systemFont = QApplication::font();
    }
    const QtMessageHandler own = [](QtMsgType, const QMessageLogContext &, const QString &) {};
    qInstallMessageHandler(own);
    const auto application = kvarnel::platform::makeApplication(argc, argv);
    ownHandlerRestored = qInstallMessageHandler(nullptr) == own;
    TestFonts test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_fonts.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_pictures.h"

#include "platform/application.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Every window compared pixel for pixel with the picture taken of it when it was last
// approved (scripts/window-pictures takes them anew). The offscreen platform draws with
// Qt's own raster engine and the program's own Liberation faces, so the same versions of
// Qt, FreeType and the faces draw the same pixels everywhere: any difference is a visible
// change, a wrong caption, alignment, face, weight or colour. Elsewhere the test skips. A failure
// leaves the picture drawn now and a map of the differing pixels in window-pictures/ beside the
// test.
class TestWindowPictures : public QObject
{
    Q_OBJECT

  private slots:
    // Each set of pictures (one folder for each Debian release) holds where its versions
    // are the ones in use.
    void initTestCase()
    {
        const QString here = renderingVersions();
        QStringList sets;
        const QDir pictures(QStringLiteral(KVARNEL_WINDOW_PICTURES));
        for (const QString &set : pictures.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile file(pictures.filePath(set + u'/' + QLatin1String(renderingVersionsFile)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString approved = QString::fromUtf8(file.readAll());
            if (approved == here) {
                m_approved = pictures.filePath(set);
                return;
            }
            sets << set + QStringLiteral(": ") + oneLine(approved);
        }
        QSKIP(qPrintable(QStringLiteral("the pictures were approved with %1; here are %2")
                             .arg(sets.join(QLatin1String("; ")), oneLine(here))));
    }

    void looksAsApproved_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : windowPictureNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    void looksAsApproved()
    {
        QFETCH(QString, name);
        const QString approvedFile = m_approved + QStringLiteral("/%1.png").arg(name);
        const QImage approved = QImage(approvedFile).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!approved.isNull(), qPrintable(approvedFile));
        const QImage shown = renderWindowPicture(name);
        QVERIFY(!shown.isNull());

        if (shown == approved)
            return;
        int differing = 0;
        const QImage map = differenceMap(approved, shown, differing);
        QDir().mkpath(QStringLiteral("window-pictures"));
        const QString stem = QDir::current().filePath(QStringLiteral("window-pictures/") + name);
        shown.save(stem + QStringLiteral("-shown.png"));
        map.save(stem + QStringLiteral("-differences.png"));
        QFAIL(qPrintable(QStringLiteral("%1: %2 px × %3 px shown, %4 × %5 approved, %6 pixels "
                                        "differ; see %7-*.png")
                             .arg(name)
                             .arg(shown.width())
                             .arg(shown.height())
                             .arg(approved.width())
                             .arg(approved.height())
                             .arg(differing)
                             .arg(stem)));
    }

  private:
    static QString oneLine(QString versions)
    {
        return versions.trimmed().replace(u'\n', QLatin1String(", "));
    }

    // The approved picture faded, with every pixel that differs (counted) in pure red.
    static QImage differenceMap(const QImage &approved, const QImage &shown, int &differing)
    {
        QImage map(approved.size().expandedTo(shown.size()), QImage::Format_RGB32);
        map.fill(Qt::red);
        for (int y = 0; y < map.height(); ++y) {
            for (int x = 0; x < map.width(); ++x) {
                const bool inBoth = approved.valid(x, y) && shown.valid(x, y);
                if (inBoth && approved.pixel(x, y) == shown.pixel(x, y)) {
                    const int grey = 160 + qGray(approved.pixel(x, y)) * 95 / 255;
                    map.setPixel(x, y, qRgb(grey, grey, grey));
                } else {
                    ++differing;
                }
            }
        }
        return map;
    }

    QString m_approved; // the folder of the set drawn with the versions in use
};

// The application is made as the program makes it, font set-up and all, so the pictures
// show what the program shows.
int main(int argc, char *argv[])
{
    const auto application = kvarnel::platform::makeApplication(argc, argv);
    TestWindowPictures test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_window_pictures.moc"

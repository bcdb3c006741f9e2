// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the approved pictures of the windows anew:  render_window_pictures DIRECTORY
// Run through scripts/window-pictures, only when a change of the windows' look is meant.
#include "window_pictures.h"

#include "platform/application.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    const auto application = kvarnel::platform::makeApplication(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_window_pictures DIRECTORY\n");
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    QFile versions(directory.filePath(QLatin1String(renderingVersionsFile)));
    if (!versions.open(QIODevice::WriteOnly) || versions.write(renderingVersions().toUtf8()) < 0) {
        std::fprintf(stderr, "render_window_pictures: cannot write %s\n",
                     qPrintable(versions.fileName()));
        return 1;
    }
    for (const QString &name : windowPictureNames()) {
        const QString file = directory.filePath(name + QStringLiteral(".png"));
        if (!renderWindowPicture(name).save(file)) {
            std::fprintf(stderr, "render_window_pictures: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}

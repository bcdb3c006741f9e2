// Build-time tool: renders the scalable application icon to the bitmaps the program
// embeds for its windows, so that it needs no SVG support at run time, and to an .ico for
// the Windows executable.
//   render_icon ICON.svg OUTPUT_DIR

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_icon ICON.svg OUTPUT_DIR\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString directory = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        if (!image.save(QStringLiteral("%1/kvarnel-%2.png").arg(directory).arg(size)))
            return 1;
        if (size == 256 && !image.save(directory + QStringLiteral("/kvarnel.ico")))
            return 1;
    }
    return 0;
}

// Draws the program's icons from the main window's picture: one SVG and PNGs in the sizes
// desktops look for.
#include "app/MainPicture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons <folder> <icon name>\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);

    QSvgGenerator svg;
    svg.setFileName(folder.filePath(name + QStringLiteral(".svg")));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Pantrelle"));
    {
        QPainter painter(&svg);
        DrawMainPicture(painter, QSizeF(256, 256));
    }
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&image);
            DrawMainPicture(painter, QSizeF(size, size));
        }
        if (!folder.mkpath(QStringLiteral("%1x%1").arg(size)) ||
            !image.save(folder.filePath(QStringLiteral("%1x%1/%2.png").arg(size).arg(name)))) {
            std::fprintf(stderr, "make_icons: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}

// Renders one of the program's SVG pictures, centred and in proportion:
//   orrin_render_icon <in.svg> <out.png|out.argb> <size|widthxheight>
// A .png is for the icon theme; an .argb holds the bare pixels (32-bit
// premultiplied ARGB, row by row) for the window icon and the pictures the
// main window opens with, which the program then takes as they are.
#include "frame/DrawPicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    const QStringList sides = arguments.value(3).split(QLatin1Char('x'));
    bool widthOk = false;
    bool heightOk = false;
    const QSize size(sides.value(0).toInt(&widthOk), sides.value(sides.size() - 1).toInt(&heightOk));
    if (arguments.size() != 4 || sides.size() > 2 || !widthOk || !heightOk || size.isEmpty()) {
        std::fprintf(stderr, "usage: orrin_render_icon <in.svg> <out.png|out.argb> <size|widthxheight>\n");
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    const QImage image = drawPicture(renderer, size);
    QDir().mkpath(QFileInfo(arguments[2]).absolutePath());
    if (arguments[2].endsWith(QLatin1String(".argb"))) {
        QFile raw(arguments[2]);
        const auto bytes = reinterpret_cast<const char *>(image.constBits());
        return raw.open(QIODevice::WriteOnly) && raw.write(bytes, image.sizeInBytes()) == image.sizeInBytes() ? 0 : 1;
    }
    return image.save(arguments[2], "PNG") ? 0 : 1;
}

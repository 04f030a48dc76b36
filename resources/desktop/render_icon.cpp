// Renders the program's SVG icon into a square picture:
//   orrin_render_icon <in.svg> <out.png|out.argb> <size>
// A .png is for the icon theme; an .argb holds the bare pixels (32-bit
// premultiplied ARGB, row by row) for the window icon, which the program
// then takes as it is, with no image reader to start.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = arguments.value(3).toInt(&sizeOk);
    if (arguments.size() != 4 || !sizeOk || size <= 0) {
        std::fprintf(stderr, "usage: orrin_render_icon <in.svg> <out.png> <size>\n");
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    QDir().mkpath(QFileInfo(arguments[2]).absolutePath());
    if (arguments[2].endsWith(QLatin1String(".argb"))) {
        QFile raw(arguments[2]);
        const auto bytes = reinterpret_cast<const char *>(image.constBits());
        return raw.open(QIODevice::WriteOnly) && raw.write(bytes, image.sizeInBytes()) == image.sizeInBytes() ? 0 : 1;
    }
    return image.save(arguments[2], "PNG") ? 0 : 1;
}

#pragma once

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// An SVG picture centred in a transparent image of `pixels`, kept in
// proportion. The program draws with it, and so does the build, which draws
// ahead the pictures the main window opens with: both give the same pixels.
inline QImage drawPicture(QSvgRenderer &svg, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!svg.isValid() || pixels.isEmpty())
        return image;
    QSizeF size = svg.defaultSize();
    size.scale(QSizeF(pixels), Qt::KeepAspectRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF((pixels.width() - size.width()) / 2, (pixels.height() - size.height()) / 2),
                                size));
    return image;
}

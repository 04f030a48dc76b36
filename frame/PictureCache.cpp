#include "PictureCache.h"

#include <QCache>
#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QPainter>
#include <QSvgRenderer>

#include <thread>
#include <vector>
#include <utility>

namespace pictureCache {
namespace {

// Enough for every picture of every window at twice the designed scale.
constexpr qsizetype KeptKilobytes = 16 * 1024;

struct Store {
    QMutex mutex; // the drawing threads add images while the window is built
    QCache<QString, QImage> images{KeptKilobytes};
    QHash<QString, QSize> designed;
    std::vector<std::thread> drawing;

    void finishDrawing()
    {
        for (std::thread &thread : drawing)
            thread.join();
        drawing.clear();
    }
};

Store &store()
{
    static Store kept;
    return kept;
}

QString keyOf(const QString &picture, QSize pixels)
{
    return picture + QLatin1Char('@') + QString::number(pixels.width()) + QLatin1Char('x')
        + QString::number(pixels.height());
}

QString resourceOf(const QString &picture)
{
    return QStringLiteral(":/pictures/") + picture;
}

// Safe on any thread: the renderer and the image belong to the caller.
QImage draw(const QString &picture, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer svg(resourceOf(picture));
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

void keep(Store &kept, const QString &key, const QImage &image)
{
    QMutexLocker lock(&kept.mutex);
    kept.images.insert(key, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes() / 1024));
}

} // namespace

QImage drawn(const QString &picture, QSize pixels)
{
    Store &kept = store();
    kept.finishDrawing();
    const QString key = keyOf(picture, pixels);
    if (const QImage *image = kept.images.object(key))
        return *image;
    const QImage image = draw(picture, pixels);
    keep(kept, key, image);
    return image;
}

QSize designedSize(const QString &picture)
{
    Store &kept = store();
    auto found = kept.designed.constFind(picture);
    if (found == kept.designed.cend()) {
        const QSvgRenderer svg(resourceOf(picture));
        found = kept.designed.insert(picture, svg.isValid() ? svg.defaultSize() : QSize());
    }
    return *found;
}

void prepare(const QList<Request> &requests)
{
    if (requests.isEmpty())
        return;
    Store &kept = store();
    kept.drawing.emplace_back([&kept, requests] {
        for (const Request &request : requests)
            keep(kept, keyOf(request.picture, request.pixels), draw(request.picture, request.pixels));
    });
    // Ended while the application still stands, whatever its windows did.
    static bool ending = false;
    if (!std::exchange(ending, true))
        qAddPostRoutine([] { store().finishDrawing(); });
}

} // namespace pictureCache

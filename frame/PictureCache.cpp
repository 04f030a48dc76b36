#include "PictureCache.h"

#include "frame/DrawPicture.h"

#include <QCache>
#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QResource>
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
    QSvgRenderer svg(resourceOf(picture));
    return drawPicture(svg, pixels);
}

// The pixels the build drew ahead for this size, taken in place; a null
// image where it drew none.
QImage drawnAheadImage(const QString &key, QSize pixels)
{
    const QResource raw(QStringLiteral(":/drawn/") + key);
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression
        || raw.size() != qint64(pixels.width()) * pixels.height() * 4)
        return {};
    return QImage(raw.data(), pixels.width(), pixels.height(), pixels.width() * 4, QImage::Format_ARGB32_Premultiplied);
}

void keep(Store &kept, const QString &key, const QImage &image)
{
    QMutexLocker lock(&kept.mutex);
    kept.images.insert(key, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes() / 1024));
}

} // namespace

bool isDrawnAhead(const QString &picture, QSize pixels)
{
    return !drawnAheadImage(keyOf(picture, pixels), pixels).isNull();
}

QImage drawn(const QString &picture, QSize pixels)
{
    Store &kept = store();
    kept.finishDrawing();
    const QString key = keyOf(picture, pixels);
    if (const QImage *image = kept.images.object(key))
        return *image;
    QImage image = drawnAheadImage(key, pixels);
    if (image.isNull())
        image = draw(picture, pixels);
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
    Store &kept = store();
    QList<Request> toDraw;
    for (const Request &request : requests)
        if (!isDrawnAhead(request.picture, request.pixels))
            toDraw.append(request);
    if (toDraw.isEmpty())
        return;
    kept.drawing.emplace_back([&kept, toDraw] {
        for (const Request &request : toDraw)
            keep(kept, keyOf(request.picture, request.pixels), draw(request.picture, request.pixels));
    });
    // Ended while the application still stands, whatever its windows did.
    static bool ending = false;
    if (!std::exchange(ending, true))
        qAddPostRoutine([] { store().finishDrawing(); });
}

} // namespace pictureCache

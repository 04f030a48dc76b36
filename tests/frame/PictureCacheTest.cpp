#include "TestMain.h"

#include "frame/DrawPicture.h"
#include "frame/PictureCache.h"

#include <QObject>
#include <QTest>

namespace {

int opaqueColumns(const QImage &image, int row)
{
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += qAlpha(image.pixel(x, row)) > 0;
    return count;
}

} // namespace

class PictureCacheTest : public QObject {
    Q_OBJECT
private slots:
    // A square picture in a wide box: drawn at the box's height, centred,
    // with clear margins left and right.
    void aPictureIsCentredInProportion()
    {
        const QImage image = pictureCache::drawn(QStringLiteral("icon_coffee_cup.svg"), QSize(120, 40));
        QCOMPARE(image.size(), QSize(120, 40));
        QCOMPARE(qAlpha(image.pixel(10, 20)), 0);
        QCOMPARE(qAlpha(image.pixel(109, 20)), 0);
        QVERIFY(opaqueColumns(image, 20) > 20);
        QVERIFY(opaqueColumns(image, 20) <= 40);
        QCOMPARE(pictureCache::designedSize(QStringLiteral("icon_coffee_cup.svg")), QSize(64, 64));
    }

    // Drawn ahead on another core, a picture is the one drawn on demand.
    void preparedPicturesMatchTheOnesDrawnOnDemand()
    {
        const QSize pixels(311, 47);
        const QImage onDemand = pictureCache::drawn(QStringLiteral("teapot.svg"), pixels);
        pictureCache::prepare({{QStringLiteral("community_banner.svg"), pixels}, {QStringLiteral("teapot.svg"), QSize(33, 33)}});
        const QImage banner = pictureCache::drawn(QStringLiteral("community_banner.svg"), pixels);
        QCOMPARE(banner.size(), pixels);
        QVERIFY(opaqueColumns(banner, 23) > 250);
        QCOMPARE(pictureCache::drawn(QStringLiteral("teapot.svg"), pixels), onDemand);
        QCOMPARE(pictureCache::drawn(QStringLiteral("teapot.svg"), QSize(33, 33)).size(), QSize(33, 33));
    }

    // What the build drew ahead is what the program would draw itself.
    void picturesDrawnAheadAreTheProgramsOwn()
    {
        const QString picture = QStringLiteral("icon_tea_leaf.svg");
        const QSize pixels(45, 45);
        QVERIFY(pictureCache::isDrawnAhead(picture, pixels));
        QSvgRenderer svg(QStringLiteral(":/pictures/") + picture);
        QCOMPARE(pictureCache::drawn(picture, pixels), drawPicture(svg, pixels));
        QVERIFY(!pictureCache::isDrawnAhead(picture, QSize(44, 45)));
    }

    void aMissingPictureDrawsNothing()
    {
        const QImage image = pictureCache::drawn(QStringLiteral("no such picture.svg"), QSize(16, 8));
        QCOMPARE(image.size(), QSize(16, 8));
        QCOMPARE(opaqueColumns(image, 4), 0);
        QVERIFY(!pictureCache::designedSize(QStringLiteral("no such picture.svg")).isValid());
    }
};

ORRIN_TEST(PictureCacheTest)
#include "PictureCacheTest.moc"

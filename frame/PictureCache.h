#pragma once

#include <QList>
#include <QImage>
#include <QSize>
#include <QString>

// The program's SVG pictures (file names in the resources), drawn at the size
// the screen shows them and kept: a repaint copies pixels instead of drawing
// the picture again. Used from the GUI thread only.
namespace pictureCache {

struct Request {
    QString picture;
    QSize pixels;
};

// The picture centred in a transparent image of `pixels`, in proportion; drawn
// now unless it is kept already.
QImage drawn(const QString &picture, QSize pixels);

// Whether the build drew the picture ahead at this size (the main window's
// pictures at the scales most screens use).
bool isDrawnAhead(const QString &picture, QSize pixels);

// The size the picture is designed at; an invalid size for a missing picture.
QSize designedSize(const QString &picture);

// Draws these on another core while the caller goes on building a window, so
// that its first paint finds them ready.
void prepare(const QList<Request> &requests);

} // namespace pictureCache

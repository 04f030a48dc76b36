#pragma once

#include "oracles/modSavedReading.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

// Saved readings as the numerology program writes them, for the tests of the
// reader and of the windows that open them.
namespace savedReadingFiles {

// What the numerology program does when it saves a birthday line.
inline QByteArray shifted(const QByteArray &plain)
{
    QByteArray out;
    for (const char c : plain) {
        const int code = static_cast<unsigned char>(c) + modSavedReading::SavedReadingShift;
        Q_ASSERT(code <= 255);
        out.append(static_cast<char>(code));
    }
    return out;
}

// A whole saved reading with the given line end: three lines of its own, the
// shifted birthday, and lines after the sixth that a reader must ignore.
inline QByteArray savedReading(const QByteArray &month, const QByteArray &date, const QByteArray &year,
                               const QByteArray &end = "\r\n")
{
    return "Orrin Free Tallybook Pro" + end + "JANE Q PUBLIC" + end + "Reading 3" + end + shifted(month) + end
           + shifted(date) + end + shifted(year) + end + "Life Path 7" + end + "Expression 4" + end;
}

// A folder of its own for the files a test writes.
class Folder {
public:
    QString write(const QString &name, const QByteArray &content)
    {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write the test file");
        return file.fileName();
    }
    QString path(const QString &name) const { return folder.filePath(name); }
    QString path() const { return folder.path(); }

private:
    QTemporaryDir folder;
};

} // namespace savedReadingFiles

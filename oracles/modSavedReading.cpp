#include "modSavedReading.h"

#include <QFile>
#include <QFileInfo>

namespace modSavedReading {

SavedReadingPath CheckSavedReadingPath(const QString &path)
{
    if (path.isEmpty())
        return SavedReadingPath::Cancelled;
    if (!path.endsWith(QLatin1String("num"), Qt::CaseSensitive))
        return SavedReadingPath::WrongFile;
    return SavedReadingPath::Accepted;
}

QString DecodeShiftedText(const QByteArray &shifted)
{
    QString text;
    text.reserve(shifted.size());
    for (const char byte : shifted) {
        const int code = static_cast<unsigned char>(byte);
        if (code >= SavedReadingShift)
            text.append(QChar(static_cast<char16_t>(code - SavedReadingShift)));
    }
    return text;
}

QList<QByteArray> SplitSavedReadingLines(const QByteArray &head)
{
    QList<QByteArray> lines;
    lines.reserve(SavedReadingLineCount);
    qsizetype pos = 0;
    const qsizetype size = head.size();
    while (lines.size() < SavedReadingLineCount && pos < size) {
        qsizetype end = pos;
        while (end < size && head[end] != '\r' && head[end] != '\n')
            ++end;
        lines.append(head.mid(pos, qMin(end - pos, SavedReadingLineLimit)));
        // Step over the line end: CR LF, a lone CR or a lone LF.
        pos = end;
        if (pos < size && head[pos++] == '\r' && pos < size && head[pos] == '\n')
            ++pos;
    }
    while (lines.size() < SavedReadingLineCount)
        lines.append(QByteArray());
    return lines;
}

QList<QByteArray> ReadSavedReadingLines(const QString &path)
{
    QByteArray head;
    // Only a regular file: a directory, a pipe or a device could block the
    // read or never end.
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            head = file.read(SavedReadingReadLimit);
    }
    return SplitSavedReadingLines(head);
}

SavedBirthday ReadSavedBirthday(const QString &path)
{
    const QList<QByteArray> lines = ReadSavedReadingLines(path);
    return {DecodeShiftedText(lines[3]), DecodeShiftedText(lines[4]), DecodeShiftedText(lines[5])};
}

} // namespace modSavedReading

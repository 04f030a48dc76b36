#include "RtfWriter.h"

#include <QColor>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace RtfWriter {
namespace {

// What a run of text looks like, in RTF terms.
struct RunStyle {
    int colour = 0; // index in the colour table; 0 = the reader's own text colour
    bool bold = false;
    bool italic = false;
    int halfPoints = 0;
    bool operator==(const RunStyle &) const = default;
};

int halfPointsOf(qreal points)
{
    return qMax(1, static_cast<int>(std::lround(points * 2)));
}

class Writer {
public:
    explicit Writer(const QTextDocument &document)
        : document(document)
        , defaultHalfPoints(halfPointsOf(document.defaultFont().pointSizeF() > 0 ? document.defaultFont().pointSizeF()
                                                                                 : 12.0))
    {
    }

    QByteArray write()
    {
        QByteArray body;
        RunStyle current;
        current.halfPoints = defaultHalfPoints;
        bool firstBlock = true;
        for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) {
            if (!firstBlock)
                body += "\\par\n";
            firstBlock = false;
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const RunStyle style = styleOf(fragment.charFormat());
                body += changes(current, style);
                current = style;
                body += escaped(fragment.text());
            }
        }

        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\n"
                         "{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana;}}\n"
                         "{\\colortbl ;";
        for (const QColor &colour : colours)
            rtf += "\\red" + QByteArray::number(colour.red()) + "\\green" + QByteArray::number(colour.green())
                   + "\\blue" + QByteArray::number(colour.blue()) + ';';
        rtf += "}\n\\viewkind4\\uc1\\pard\\plain\\f0\\fs" + QByteArray::number(defaultHalfPoints) + ' ';
        rtf += body;
        rtf += "\\par\n}\n";
        return rtf;
    }

private:
    RunStyle styleOf(const QTextCharFormat &format)
    {
        RunStyle style;
        if (format.hasProperty(QTextFormat::ForegroundBrush)) {
            const QBrush brush = format.foreground();
            if (brush.style() != Qt::NoBrush)
                style.colour = colourIndex(brush.color());
        }
        style.bold = format.hasProperty(QTextFormat::FontWeight) && format.fontWeight() >= QFont::DemiBold;
        style.italic = format.fontItalic();
        style.halfPoints = format.hasProperty(QTextFormat::FontPointSize) ? halfPointsOf(format.fontPointSize())
                                                                          : defaultHalfPoints;
        return style;
    }

    int colourIndex(const QColor &colour)
    {
        const QColor rgb = colour.toRgb();
        for (int i = 0; i < colours.size(); ++i) {
            if (colours[i].red() == rgb.red() && colours[i].green() == rgb.green() && colours[i].blue() == rgb.blue())
                return i + 1;
        }
        colours.append(rgb);
        return colours.size();
    }

    static QByteArray changes(const RunStyle &from, const RunStyle &to)
    {
        QByteArray words;
        if (from.colour != to.colour)
            words += "\\cf" + QByteArray::number(to.colour);
        if (from.bold != to.bold)
            words += to.bold ? "\\b" : "\\b0";
        if (from.italic != to.italic)
            words += to.italic ? "\\i" : "\\i0";
        if (from.halfPoints != to.halfPoints)
            words += "\\fs" + QByteArray::number(to.halfPoints);
        if (!words.isEmpty())
            words += ' ';
        return words;
    }

    const QTextDocument &document;
    const int defaultHalfPoints;
    QList<QColor> colours;
};

} // namespace

QByteArray escaped(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code == u'\\' || code == u'{' || code == u'}') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code == u'\t') {
            out += "\\tab ";
        } else if (code == QChar::LineSeparator) {
            out += "\\line ";
        } else if (code >= 0x20 && code < 0x7f) {
            out += static_cast<char>(code);
        } else if (code < 0x20 || code == 0x7f || code == QChar::ObjectReplacementCharacter) {
            // control characters and embedded objects are not text
        } else {
            // \uc1: one fallback character follows, for readers without Unicode.
            // The number is a signed 16-bit value; a surrogate pair is two of them.
            const int value = code > 32767 ? int(code) - 65536 : int(code);
            out += "\\u" + QByteArray::number(value) + '?';
        }
    }
    return out;
}

QByteArray fromDocument(const QTextDocument &document)
{
    return Writer(document).write();
}

} // namespace RtfWriter

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
        const QByteArray size = QByteArray::number(defaultHalfPoints);
        rtf += "}\n\\viewkind4\\uc1\\pard\\plain\\rtlch\\af0\\afs" + size + "\\ltrch\\f0\\fs" + size + ' ';
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

    // The control words that take a run from one style to the next. Bold,
    // italic and size are set twice, the associated property (\ab, \ai,
    // \afs) for right-to-left and other complex scripts after \rtlch, the
    // property itself for every other script after \ltrch, as word
    // processors write them; the run stays left-to-right.
    static QByteArray changes(const RunStyle &from, const RunStyle &to)
    {
        QByteArray words;
        if (from.colour != to.colour)
            words += "\\cf" + QByteArray::number(to.colour);
        QByteArray associated, own;
        if (from.bold != to.bold) {
            associated += to.bold ? "\\ab" : "\\ab0";
            own += to.bold ? "\\b" : "\\b0";
        }
        if (from.italic != to.italic) {
            associated += to.italic ? "\\ai" : "\\ai0";
            own += to.italic ? "\\i" : "\\i0";
        }
        if (from.halfPoints != to.halfPoints) {
            associated += "\\afs" + QByteArray::number(to.halfPoints);
            own += "\\fs" + QByteArray::number(to.halfPoints);
        }
        if (!own.isEmpty())
            words += "\\rtlch" + associated + "\\ltrch" + own;
        if (!words.isEmpty())
            words += ' ';
        return words;
    }

    const QTextDocument &document;
    const int defaultHalfPoints;
    QList<QColor> colours;
};

// \uN with the signed 16-bit number, and the one fallback character (\uc1)
// that readers without Unicode show instead. The fallback is written as a
// hexadecimal character escape ("?"), as word processors write it: every
// reader skips it as one character, where some take a literal "?" together
// with the letter after it.
QByteArray unicodeEscape(char16_t code)
{
    const int value = code > 32767 ? int(code) - 65536 : int(code);
    return "\\u" + QByteArray::number(value) + "\\'3f";
}

} // namespace

QByteArray escaped(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t code = text[i].unicode();
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
            // A surrogate pair is written as its two halves; a half without
            // its partner is no character, and shows as the replacement character.
            if (QChar::isHighSurrogate(code) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                out += unicodeEscape(code);
                code = text[++i].unicode();
            } else if (QChar::isSurrogate(code)) {
                code = QChar::ReplacementCharacter;
            }
            out += unicodeEscape(code);
        }
    }
    return out;
}

QByteArray fromDocument(const QTextDocument &document)
{
    return Writer(document).write();
}

} // namespace RtfWriter

#include "DesktopTest.h"
#include "TestMain.h"

#include "frame/RtfWriter.h"

#include <QColor>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <iterator>

namespace {

// What an RTF reader makes of the document: the colour table and the text
// in runs of one colour, weight and size.
struct Run {
    QString text;
    QColor colour; // invalid: the reader's own colour
    bool bold = false;
    // What right-to-left and other complex scripts get (\ab, \afs).
    bool associatedBold = false;
    int halfPoints = 0;
    int associatedHalfPoints = 0;
};

struct ReadBack {
    QList<QColor> colours;
    QList<Run> runs;
    QString text;
    bool wellFormed = true;
};

// A small reader of the RTF the program writes: groups, control words and
// symbols, \uN with \ucN fallback characters (a \'hh escape counts as one),
// the colour table, \cf, \b and \ab, \fs and \afs, \par, \line, \tab.
ReadBack readRtf(const QByteArray &rtf)
{
    struct State {
        int colour = 0;
        bool bold = false;
        bool associatedBold = false;
        int halfPoints = 24;
        int associatedHalfPoints = 24;
        int fallbackLength = 1;
        bool skip = false; // a destination that is not text
        bool colourTable = false;
    };
    ReadBack result;
    QList<State> stack;
    State state;
    int red = 0, green = 0, blue = 0;
    int fallbackToSkip = 0;
    bool ended = false;
    auto append = [&](QChar ch) {
        if (fallbackToSkip > 0) {
            --fallbackToSkip;
            return;
        }
        if (state.skip)
            return;
        result.text += ch;
        if (ch == u'\n')
            return;
        const QColor colour = state.colour > 0 && state.colour <= result.colours.size()
                                  ? result.colours[state.colour - 1]
                                  : QColor();
        const Run style{QString(), colour, state.bold, state.associatedBold, state.halfPoints,
                        state.associatedHalfPoints};
        if (result.runs.isEmpty() || result.runs.last().colour != colour || result.runs.last().bold != style.bold
            || result.runs.last().associatedBold != style.associatedBold
            || result.runs.last().halfPoints != style.halfPoints
            || result.runs.last().associatedHalfPoints != style.associatedHalfPoints)
            result.runs.append(style);
        result.runs.last().text += ch;
    };

    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (ended) {
            if (c != '\n' && c != '\r')
                result.wellFormed = false; // nothing may follow the document
            continue;
        }
        if (static_cast<unsigned char>(c) >= 0x80)
            result.wellFormed = false; // the writer promises plain ASCII
        if (c == '{') {
            stack.append(state);
        } else if (c == '}') {
            if (stack.isEmpty()) {
                result.wellFormed = false;
                break;
            }
            state = stack.takeLast();
            if (stack.isEmpty())
                ended = true;
        } else if (c == '\r' || c == '\n') {
            continue;
        } else if (c == '\\') {
            const char next = i + 1 < rtf.size() ? rtf[i + 1] : '\0';
            if (next == '\'') { // \'hh, a character of the code page (ASCII here)
                bool ok = false;
                const int code = rtf.mid(i + 2, 2).toInt(&ok, 16);
                if (!ok || code >= 0x80)
                    result.wellFormed = false;
                append(QChar(code));
                i += 3;
                continue;
            }
            if (!QChar::isLetter(next)) { // control symbol
                ++i;
                if (next == '\\' || next == '{' || next == '}')
                    append(QChar(next));
                else if (next == '~')
                    append(QChar(0xa0));
                continue;
            }
            qsizetype j = i + 1;
            while (j < rtf.size() && QChar::isLetter(rtf[j]))
                ++j;
            const QByteArray word = rtf.mid(i + 1, j - i - 1);
            qsizetype k = j;
            if (k < rtf.size() && (rtf[k] == '-' || QChar::isDigit(rtf[k])))
                ++k;
            while (k < rtf.size() && QChar::isDigit(rtf[k]))
                ++k;
            const bool hasNumber = k > j;
            const int number = hasNumber ? rtf.mid(j, k - j).toInt() : 1;
            if (k < rtf.size() && rtf[k] == ' ')
                ++k;
            i = k - 1;
            if (word == "fonttbl" || word == "stylesheet" || word == "info")
                state.skip = true;
            else if (word == "colortbl") {
                state.skip = true;
                state.colourTable = true;
            } else if (word == "red")
                red = number;
            else if (word == "green")
                green = number;
            else if (word == "blue")
                blue = number;
            else if (word == "cf")
                state.colour = number;
            else if (word == "b")
                state.bold = number != 0;
            else if (word == "ab")
                state.associatedBold = number != 0;
            else if (word == "fs")
                state.halfPoints = number;
            else if (word == "afs")
                state.associatedHalfPoints = number;
            else if (word == "uc")
                state.fallbackLength = number;
            else if (word == "plain") {
                state.colour = 0;
                state.bold = state.associatedBold = false;
                state.halfPoints = state.associatedHalfPoints = 24;
            } else if (word == "par" || word == "line")
                append(u'\n');
            else if (word == "tab")
                append(u'\t');
            else if (word == "u") {
                fallbackToSkip = 0;
                append(QChar(char16_t(number < 0 ? number + 65536 : number)));
                fallbackToSkip = state.fallbackLength;
            }
        } else if (c == ';' && state.colourTable) {
            // the empty first entry (";" alone) is the reader's own colour
            if (red || green || blue || !result.colours.isEmpty() || rtf.mid(i - 1, 1) != " ")
                result.colours.append(QColor(red, green, blue));
            red = green = blue = 0;
        } else {
            append(QChar(c));
        }
    }
    if (!ended)
        result.wellFormed = false;
    return result;
}

QTextDocument *documentOf(const QList<Run> &runs, qreal pointSize = 9.75)
{
    auto *document = new QTextDocument;
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    document->setDefaultFont(font);
    QTextCursor cursor(document);
    for (const Run &run : runs) {
        QTextCharFormat format;
        if (run.colour.isValid())
            format.setForeground(run.colour);
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        if (run.halfPoints > 0)
            format.setFontPointSize(run.halfPoints / 2.0);
        cursor.insertText(run.text, format);
    }
    return document;
}

// What a reader must get back from text the writer escaped: control
// characters and embedded objects are not text, a surrogate half without
// its partner is the replacement character, a line separator is a line break.
QString readableText(const QString &text)
{
    QString expected;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            expected += ch;
            expected += text[++i];
        } else if (ch.isSurrogate()) {
            expected += QChar(QChar::ReplacementCharacter);
        } else if (ch == QChar::LineSeparator) {
            expected += u'\n';
        } else if (ch == u'\t' || (ch.unicode() >= 0x20 && ch.unicode() != 0x7f && ch != QChar::ObjectReplacementCharacter)) {
            expected += ch;
        }
    }
    return expected;
}

// Random text that favours what is hard to write: the characters RTF
// treats specially, control characters, letters of many scripts, pairs and
// lone halves of surrogates, and the last code points of the planes.
QString randomText(QRandomGenerator &generator, int length)
{
    static const char16_t special[] = {u'\\', u'{', u'}', u';', u'?', u'\'', u'\t', u'\r', u'\n', 0x7f, 0xa0,
                                       0xad, 0x200e, 0x200f, QChar::LineSeparator, QChar::ParagraphSeparator,
                                       QChar::ObjectReplacementCharacter, QChar::ReplacementCharacter, 0xfeff,
                                       0xffff, 0x8000, 0x7fff};
    QString text;
    while (text.size() < length) {
        switch (generator.bounded(9)) {
        case 0:
        case 1:
            text += QChar(char16_t(0x20 + generator.bounded(0x5f))); // printable ASCII
            break;
        case 2:
            text += QChar(special[generator.bounded(int(std::size(special)))]);
            break;
        case 3:
            text += QChar(char16_t(generator.bounded(0x20))); // control characters
            break;
        case 4:
            text += QChar(char16_t(0x80 + generator.bounded(0x780))); // Latin to Arabic
            break;
        case 5: {
            // anywhere in the first plane, surrogates included
            text += QChar(char16_t(0x800 + generator.bounded(0x10000 - 0x800)));
            break;
        }
        case 6: {
            const char32_t code = 0x10000 + generator.bounded(0x100000);
            text += QString::fromUcs4(&code, 1);
            break;
        }
        case 7: // a lone half
            text += QChar(char16_t((generator.bounded(2) ? 0xd800 : 0xdc00) + generator.bounded(0x400)));
            break;
        default:
            text += QChar(char16_t(0x590 + generator.bounded(0x200))); // Hebrew, Arabic, Syriac
            break;
        }
    }
    return text;
}

// Whether every brace that is not escaped closes one opened before it.
bool bracesBalance(const QByteArray &rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i; // the escaped character, or the first letter of a word
            continue;
        }
        if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}' && --depth < 0)
            return false;
    }
    return depth == 0;
}

bool pureAscii(const QByteArray &rtf)
{
    return std::all_of(rtf.cbegin(), rtf.cend(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

} // namespace

class RtfWriterTest : public DesktopTest {
    Q_OBJECT

private slots:
    void textIsEscapedAndReadsBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("read"); // empty: the text itself
        QTest::newRow("braces") << QStringLiteral("a {group} b") << QByteArray("a \\{group\\} b") << QString();
        QTest::newRow("backslash") << QStringLiteral("C:\\tea\\leaves\\") << QByteArray("C:\\\\tea\\\\leaves\\\\")
                                   << QString();
        QTest::newRow("control word lookalike") << QStringLiteral("\\par{\\b x}") << QByteArray("\\\\par\\{\\\\b x\\}")
                                                << QString();
        QTest::newRow("latin letter, then a letter") << QStringLiteral("stra\u00dfe") << QByteArray("stra\\u223\\'3fe")
                                                     << QString();
        QTest::newRow("euro sign") << QStringLiteral("5 \u20ac") << QByteArray("5 \\u8364\\'3f") << QString();
        QTest::newRow("above U+7FFF") << QStringLiteral("\u9f8d") << QByteArray("\\u-24691\\'3f") << QString();
        QTest::newRow("last BMP letter") << QStringLiteral("\ufffd") << QByteArray("\\u-3\\'3f") << QString();
        QTest::newRow("emoji as two halves") << QStringLiteral("tea \U0001F375!")
                                             << QByteArray("tea \\u-10180\\'3f\\u-8331\\'3f!") << QString();
        QTest::newRow("lone high half") << QStringLiteral("a") + QChar(0xd83c) + QStringLiteral("b") << QByteArray("a\\u-3\\'3fb")
                                        << QStringLiteral("a\ufffdb");
        QTest::newRow("lone low half") << QStringLiteral("a") + QChar(0xdf75) + QStringLiteral("b") << QByteArray("a\\u-3\\'3fb")
                                       << QStringLiteral("a\ufffdb");
        QTest::newRow("halves the wrong way round") << QString(QChar(0xdf75)) + QChar(0xd83c)
                                                    << QByteArray("\\u-3\\'3f\\u-3\\'3f")
                                                    << QStringLiteral("\ufffd\ufffd");
        QTest::newRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tab b") << QString();
    }

    void textIsEscapedAndReadsBack()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, written);
        QFETCH(QString, read);
        QScopedPointer<QTextDocument> document(documentOf({{text, QColor(), false}}));
        const QByteArray rtf = RtfWriter::fromDocument(*document);
        QVERIFY2(rtf.contains(written), rtf.constData());
        const ReadBack back = readRtf(rtf);
        QVERIFY(back.wellFormed);
        QCOMPARE(back.text, (read.isEmpty() ? text : read) + u'\n');
    }

    void headerDeclaresWhatTheTextUses()
    {
        QScopedPointer<QTextDocument> document(documentOf({{QStringLiteral("x"), QColor(), false}}));
        const QByteArray rtf = RtfWriter::fromDocument(*document);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
        QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana;}}"));
        QVERIFY(rtf.contains("\\uc1"));
        QVERIFY(rtf.contains("\\af0\\afs20\\ltrch\\f0\\fs20 ")); // 9.75 points, for every script
        QVERIFY(rtf.contains("{\\colortbl ;}"));
    }

    void coloursAndBoldReadBack()
    {
        const QColor red(128, 0, 0), blue(0, 0, 128), green(0, 128, 0);
        const QList<Run> runs = {{QStringLiteral("Heading"), red, true},
                                 {QStringLiteral("caption "), blue, true},
                                 {QStringLiteral("value"), green, false},
                                 {QStringLiteral(" again "), blue, false},
                                 {QStringLiteral("plain"), QColor(), false}};
        QScopedPointer<QTextDocument> document(documentOf(runs));
        const ReadBack back = readRtf(RtfWriter::fromDocument(*document));
        QVERIFY(back.wellFormed);
        QCOMPARE(back.colours, QList<QColor>({red, blue, green})); // each once, in order of use
        QCOMPARE(back.runs.size(), runs.size());
        for (int i = 0; i < runs.size(); ++i) {
            QCOMPARE(back.runs[i].text, runs[i].text);
            QCOMPARE(back.runs[i].colour, runs[i].colour);
            QCOMPARE(back.runs[i].bold, runs[i].bold);
        }
    }

    // Right-to-left and other complex scripts take bold and size from the
    // associated properties: they must always say what the ordinary ones say.
    void everyScriptKeepsBoldAndSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Hebrew") << QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd");
        QTest::newRow("Arabic") << QStringLiteral("\u0645\u0631\u062d\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645");
        QTest::newRow("Thai") << QStringLiteral("\u0e2a\u0e27\u0e31\u0e2a\u0e14\u0e35");
        QTest::newRow("Chinese") << QStringLiteral("\u8336\u8449");
        QTest::newRow("Latin") << QStringLiteral("tea leaves");
    }

    void everyScriptKeepsBoldAndSize()
    {
        QFETCH(QString, text);
        const QList<Run> runs = {{text, QColor(128, 0, 0), true, false, 28},
                                 {text, QColor(), false, false, 0},
                                 {text, QColor(), true, false, 0},
                                 {text, QColor(0, 128, 0), false, false, 16}};
        QScopedPointer<QTextDocument> document(documentOf(runs));
        const ReadBack back = readRtf(RtfWriter::fromDocument(*document));
        QVERIFY(back.wellFormed);
        QCOMPARE(back.runs.size(), runs.size());
        for (int i = 0; i < runs.size(); ++i) {
            const int halfPoints = runs[i].halfPoints > 0 ? runs[i].halfPoints : 20;
            QCOMPARE(back.runs[i].text, text);
            QCOMPARE(back.runs[i].bold, runs[i].bold);
            QCOMPARE(back.runs[i].associatedBold, runs[i].bold);
            QCOMPARE(back.runs[i].halfPoints, halfPoints);
            QCOMPARE(back.runs[i].associatedHalfPoints, halfPoints);
        }
    }

    // Any text at all: plain ASCII comes out, every brace is matched, and a
    // reader gets the text back. Fixed seeds, so a failure can be repeated.
    void randomTextSurvivesTheRoundTrip()
    {
        for (quint32 seed = 1; seed <= 400; ++seed) {
            QRandomGenerator generator(seed);
            const QString text = randomText(generator, int(generator.bounded(120)));

            const QByteArray escaped = RtfWriter::escaped(text);
            QVERIFY2(pureAscii(escaped), qPrintable(QStringLiteral("seed %1").arg(seed)));
            QVERIFY2(bracesBalance(escaped), qPrintable(QStringLiteral("seed %1").arg(seed)));
            const ReadBack alone = readRtf("{\\rtf1\\ansi\\uc1 " + escaped + "}");
            QVERIFY2(alone.wellFormed, qPrintable(QStringLiteral("seed %1").arg(seed)));
            QCOMPARE(alone.text, readableText(text));

            // The same text in a document, cut into runs of random colour, weight and size.
            QTextDocument document;
            QTextCursor cursor(&document);
            for (qsizetype at = 0; at < text.size();) {
                qsizetype length = qMin<qsizetype>(1 + generator.bounded(12), text.size() - at);
                if (at + length < text.size() && text[at + length - 1].isHighSurrogate()
                    && text[at + length].isLowSurrogate())
                    ++length; // a run never splits a pair the text holds
                QTextCharFormat format;
                if (generator.bounded(2))
                    format.setForeground(QColor::fromRgb(generator.generate() & 0xffffff));
                format.setFontWeight(generator.bounded(2) ? QFont::Bold : QFont::Normal);
                format.setFontPointSize(6 + generator.bounded(20));
                cursor.insertText(text.mid(at, length), format);
                at += length;
            }
            const QByteArray rtf = RtfWriter::fromDocument(document);
            QVERIFY2(pureAscii(rtf), qPrintable(QStringLiteral("seed %1").arg(seed)));
            QVERIFY2(bracesBalance(rtf), qPrintable(QStringLiteral("seed %1").arg(seed)));
            const ReadBack back = readRtf(rtf);
            QVERIFY2(back.wellFormed, qPrintable(QStringLiteral("seed %1").arg(seed)));
            // Each of the document's paragraphs ends in a line break.
            QString expected;
            for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next())
                expected += readableText(block.text()) + u'\n';
            QCOMPARE(back.text, expected);
            for (const Run &run : back.runs) {
                QCOMPARE(run.associatedBold, run.bold);
                QCOMPARE(run.associatedHalfPoints, run.halfPoints);
            }
        }
    }

    void paragraphsAndLineBreaks()
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        cursor.insertText(QStringLiteral("first\r\n\r\nsecond"));
        cursor.insertText(QString(QChar::LineSeparator) + QStringLiteral("same paragraph\r\n"));
        const QByteArray rtf = RtfWriter::fromDocument(document);
        QCOMPARE(rtf.count("\\par"), 3 + 1 + 1); // three separators, the last paragraph's end, \\pard
        QVERIFY(rtf.contains("\\line "));
        const ReadBack back = readRtf(rtf);
        QVERIFY(back.wellFormed);
        QCOMPARE(back.text, QStringLiteral("first\n\nsecond\nsame paragraph\n\n"));
    }

    void emptyDocumentIsAValidDocument()
    {
        QTextDocument document;
        const ReadBack back = readRtf(RtfWriter::fromDocument(document));
        QVERIFY(back.wellFormed);
        QCOMPARE(back.text, QStringLiteral("\n"));
    }
};

ORRIN_TEST(RtfWriterTest)
#include "RtfWriterTest.moc"

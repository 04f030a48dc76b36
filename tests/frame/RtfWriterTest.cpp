#include "DesktopTest.h"
#include "TestMain.h"

#include "frame/RtfWriter.h"

#include <QColor>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// What an RTF reader makes of the document: the colour table and the text
// in runs of one colour and weight.
struct Run {
    QString text;
    QColor colour; // invalid: the reader's own colour
    bool bold = false;
};

struct ReadBack {
    QList<QColor> colours;
    QList<Run> runs;
    QString text;
    bool wellFormed = true;
};

// A small reader of the RTF the program writes: groups, control words and
// symbols, \uN with one fallback character, the colour table, \cf, \b, \par.
ReadBack readRtf(const QByteArray &rtf)
{
    struct State {
        int colour = 0;
        bool bold = false;
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
        if (result.runs.isEmpty() || result.runs.last().colour != colour || result.runs.last().bold != state.bold)
            result.runs.append({QString(), colour, state.bold});
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
            else if (word == "plain") {
                state.colour = 0;
                state.bold = false;
            } else if (word == "par" || word == "line")
                append(u'\n');
            else if (word == "tab")
                append(u'\t');
            else if (word == "u") {
                append(QChar(char16_t(number < 0 ? number + 65536 : number)));
                fallbackToSkip = 1;
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
        cursor.insertText(run.text, format);
    }
    return document;
}

} // namespace

class RtfWriterTest : public DesktopTest {
    Q_OBJECT

private slots:
    void textIsEscapedAndReadsBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("braces") << QStringLiteral("a {group} b") << QByteArray("a \\{group\\} b");
        QTest::newRow("backslash") << QStringLiteral("C:\\tea\\leaves\\") << QByteArray("C:\\\\tea\\\\leaves\\\\");
        QTest::newRow("control word lookalike") << QStringLiteral("\\par{\\b x}") << QByteArray("\\\\par\\{\\\\b x\\}");
        QTest::newRow("latin letter") << QStringLiteral("caf\u00e9") << QByteArray("caf\\u233?");
        QTest::newRow("euro sign") << QStringLiteral("5 \u20ac") << QByteArray("5 \\u8364?");
        QTest::newRow("above U+7FFF") << QStringLiteral("\u9f8d") << QByteArray("\\u-24691?");
        QTest::newRow("last BMP letter") << QStringLiteral("\ufffd") << QByteArray("\\u-3?");
        QTest::newRow("emoji as two halves") << QStringLiteral("tea \U0001F375") << QByteArray("tea \\u-10180?\\u-8331?");
        QTest::newRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tab b");
    }

    void textIsEscapedAndReadsBack()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, written);
        QScopedPointer<QTextDocument> document(documentOf({{text, QColor(), false}}));
        const QByteArray rtf = RtfWriter::fromDocument(*document);
        QVERIFY2(rtf.contains(written), rtf.constData());
        const ReadBack back = readRtf(rtf);
        QVERIFY(back.wellFormed);
        QCOMPARE(back.text, text + u'\n');
    }

    void headerDeclaresWhatTheTextUses()
    {
        QScopedPointer<QTextDocument> document(documentOf({{QStringLiteral("x"), QColor(), false}}));
        const QByteArray rtf = RtfWriter::fromDocument(*document);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
        QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana;}}"));
        QVERIFY(rtf.contains("\\uc1"));
        QVERIFY(rtf.contains("\\f0\\fs20 ")); // 9.75 points
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

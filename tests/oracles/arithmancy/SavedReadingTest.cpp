#include "SavedReadingFiles.h"
#include "TestMain.h"

#include "oracles/modSavedReading.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace modSavedReading;

using namespace savedReadingFiles;

namespace {

// Lines as a plain model sees them: every CR LF, CR or LF ends a line.
QList<QByteArray> modelLines(QByteArray bytes)
{
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> lines = bytes.split('\n').mid(0, SavedReadingLineCount);
    for (QByteArray &line : lines)
        line.truncate(SavedReadingLineLimit);
    while (lines.size() < SavedReadingLineCount)
        lines.append(QByteArray());
    return lines;
}

QByteArray randomBytes(QRandomGenerator &random, qsizetype size, bool manyLineEnds)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes) {
        const quint32 pick = random.bounded(256u);
        b = manyLineEnds && pick < 64 ? (pick < 32 ? '\r' : '\n') : static_cast<char>(pick);
    }
    return bytes;
}

void verifyShape(const QList<QByteArray> &lines)
{
    QCOMPARE(lines.size(), SavedReadingLineCount);
    for (const QByteArray &line : lines) {
        QVERIFY(line.size() <= SavedReadingLineLimit);
        QVERIFY(!line.contains('\r') && !line.contains('\n'));
    }
}

} // namespace

class SavedReadingTest : public QObject {
    Q_OBJECT

    savedReadingFiles::Folder folder;

private slots:
    void formatConstants()
    {
        QVERIFY(SavedReadingShift > 0 && SavedReadingShift < 128);
        QCOMPARE(QString::fromUtf8(CheckTheFileMessage), "Please Check The File.");
        QCOMPARE(QString::fromUtf8(OpenDialogTitle), "Select the source file");
    }

    void decodeRestoresTheSavedText_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("text");
        QTest::newRow("March") << shifted("March") << "March";
        QTest::newRow("September") << shifted("September") << "September";
        QTest::newRow("day 7") << shifted("7") << "7";
        QTest::newRow("day 31") << shifted("31") << "31";
        QTest::newRow("year 1984") << shifted("1984") << "1984";
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("codes below the shift dropped")
            << QByteArray("\x01") + shifted("Ma") + QByteArray(1, '\0') + shifted("y") + "\x10" << "May";
    }

    void decodeRestoresTheSavedText()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, text);
        QCOMPARE(DecodeShiftedText(stored), text);
    }

    void decodeTakesEachByteAsOneCode()
    {
        QByteArray everyByte;
        for (int code = 0; code < 256; ++code)
            everyByte.append(static_cast<char>(code));
        const QString decoded = DecodeShiftedText(everyByte);
        QCOMPARE(decoded.size(), 256 - SavedReadingShift);
        for (int i = 0; i < decoded.size(); ++i)
            QCOMPARE(decoded[i].unicode(), i);
    }

    void pathCheck_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<SavedReadingPath>("check");
        QTest::newRow("cancelled") << "" << SavedReadingPath::Cancelled;
        QTest::newRow("num") << "/home/jane/readings/jane.num" << SavedReadingPath::Accepted;
        QTest::newRow("NUM in capitals") << "/home/jane/readings/JANE.NUM" << SavedReadingPath::WrongFile;
        QTest::newRow("Num") << "jane.Num" << SavedReadingPath::WrongFile;
        QTest::newRow("trailing blank") << "jane.num " << SavedReadingPath::WrongFile;
        QTest::newRow("other extension") << "jane.txt" << SavedReadingPath::WrongFile;
        QTest::newRow("only the last three count") << "jane.anum" << SavedReadingPath::Accepted;
        QTest::newRow("too short") << "um" << SavedReadingPath::WrongFile;
    }

    void pathCheck()
    {
        QFETCH(QString, path);
        QFETCH(SavedReadingPath, check);
        QCOMPARE(CheckSavedReadingPath(path), check);
    }

    void readsTheBirthdayWhateverTheLineEnds_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("CR LF") << savedReading("March", "7", "1984");
        QTest::newRow("LF only") << savedReading("March", "7", "1984", "\n");
        QTest::newRow("CR only") << savedReading("March", "7", "1984", "\r");
        const QByteArray full = savedReading("March", "7", "1984");
        QTest::newRow("file ends after the year") << full.left(full.indexOf(shifted("1984")) + 4);
    }

    void readsTheBirthdayWhateverTheLineEnds()
    {
        QFETCH(QByteArray, content);
        const SavedBirthday birthday = ReadSavedBirthday(folder.write(QStringLiteral("jane.num"), content));
        QCOMPARE(birthday.month, "March");
        QCOMPARE(birthday.date, "7");
        QCOMPARE(birthday.year, "1984");
    }

    void missingLinesStayEmpty_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("birthday");
        const QByteArray full = savedReading("July", "21", "1969");
        QTest::newRow("five lines") << full.left(full.indexOf(shifted("1969"))) << QStringList{"July", "21", ""};
        QTest::newRow("three lines") << full.left(full.indexOf(shifted("July"))) << QStringList{"", "", ""};
        QTest::newRow("empty file") << QByteArray() << QStringList{"", "", ""};
        QTest::newRow("blank lines") << QByteArray("\r\n\r\n\r\n\r\n") + shifted("May") << QStringList{"", "May", ""};
    }

    void missingLinesStayEmpty()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, birthday);
        const SavedBirthday read = ReadSavedBirthday(folder.write(QStringLiteral("short.num"), content));
        QCOMPARE(QStringList({read.month, read.date, read.year}), birthday);
    }

    void unreadablePathsGiveEmptyLines()
    {
        QStringList paths = {folder.path(QStringLiteral("missing.num")), folder.path(), QString()};
#ifdef Q_OS_UNIX
        // A pipe with no writer would block a plain open for ever.
        const QString pipe = folder.path(QStringLiteral("pipe.num"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        paths << pipe << QStringLiteral("/dev/zero");
#endif
        for (const QString &path : paths)
            QCOMPARE(ReadSavedReadingLines(path), QList<QByteArray>(SavedReadingLineCount));
    }

    void hugeFilesAreReadOnlyAtTheirStart()
    {
        // 8 MB of 1000-byte lines: six lines, each cut at the limit.
        QByteArray longLines;
        for (int i = 0; i < 8000; ++i)
            longLines += QByteArray(1000, static_cast<char>('a' + i % 26)) + "\r\n";
        const QList<QByteArray> lines = ReadSavedReadingLines(folder.write(QStringLiteral("long.num"), longLines));
        verifyShape(lines);
        for (int i = 0; i < SavedReadingLineCount; ++i)
            QCOMPARE(lines[i], QByteArray(SavedReadingLineLimit, static_cast<char>('a' + i)));

        // 5 MB without a single line end: one cut line.
        const QByteArray oneLine(5 * 1024 * 1024, 'A');
        QList<QByteArray> expected(SavedReadingLineCount);
        expected[0] = QByteArray(SavedReadingLineLimit, 'A');
        QCOMPARE(ReadSavedReadingLines(folder.write(QStringLiteral("oneline.num"), oneLine)), expected);
    }

    void binaryFilesAreReadSafely()
    {
        QRandomGenerator random(1984);
        for (const bool manyLineEnds : {false, true}) {
            const QByteArray data = randomBytes(random, 3 * 1024 * 1024, manyLineEnds);
            const QList<QByteArray> lines = ReadSavedReadingLines(folder.write(QStringLiteral("binary.num"), data));
            verifyShape(lines);
            QCOMPARE(lines, modelLines(data.left(SavedReadingReadLimit)));
            QFile::remove(folder.path(QStringLiteral("binary.num")));
        }
    }

    void randomBytesNeverBreakTheSplit()
    {
        QRandomGenerator random(7031984);
        for (int round = 0; round < 3000; ++round) {
            const QByteArray bytes = randomBytes(random, random.bounded(1200), round % 3 != 0);
            const QList<QByteArray> lines = SplitSavedReadingLines(bytes);
            verifyShape(lines);
            QCOMPARE(lines, modelLines(bytes));
            for (const QByteArray &line : lines)
                QVERIFY(DecodeShiftedText(line).size() <= line.size());
        }
    }
};

ORRIN_TEST(SavedReadingTest)
#include "SavedReadingTest.moc"

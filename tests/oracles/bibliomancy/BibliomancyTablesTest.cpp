#include "ScriptedServices.h"
#include "TestMain.h"

#include "oracles/bibliomancy/modBibliomancy.h"

#include <QMap>
#include <QSet>
#include <QStringList>

#include <cmath>

using namespace modBibliomancy;

namespace {

enum class Text { Christianity, Hinduism, Islam, Judaism };

struct PassageArrays {
    const QString *text;
    const QString *ref;
    int count;
};

PassageArrays arraysOf(Text which)
{
    switch (which) {
    case Text::Christianity: return {ChristianityText, ChristianityRef, ChristianityCount};
    case Text::Hinduism: return {HinduismText, HinduismRef, HinduismCount};
    case Text::Islam: return {IslamText, IslamRef, IslamCount};
    case Text::Judaism: return {JudaismText, JudaismRef, JudaismCount};
    }
    return {};
}

void fillAll()
{
    LoadChristianityPassages();
    LoadHinduismPassages();
    LoadIslamPassages();
    LoadJudaismPassages();
    LoadIChingHexagrams();
}

QStringList snapshot()
{
    QStringList all;
    for (Text which : {Text::Christianity, Text::Hinduism, Text::Islam, Text::Judaism}) {
        const PassageArrays arrays = arraysOf(which);
        for (int index = 0; index < arrays.count; ++index)
            all << arrays.ref[index] << arrays.text[index];
    }
    for (int number = 0; number <= HexagramCount; ++number)
        all << IChingName[number] << IChingJudgement[number] << IChingImage[number];
    return all;
}

// The captions of the Christianity table, in index order.
const char *const ChristianityCaptions[ChristianityCount] = {
    "Genesis, 1. 1", "Genesis, 1. 28", "Genesis, 2. 18", "Genesis, 3. 13", "Genesis, 3. 19", "Genesis, 8. 9",
    "Genesis, 13. 8", "Exodus, 20. 12", "Exodus, 20. 13", "Exodus 20:5", "Psalms 1:1", "Psalms 1:2", "Psalms 1:3",
    "Psalms 1:4", "Psalms 1:5", "Psalms 1:6", "Exodus, 21. 23", "Exodus, 33. 20", "Psalm 1. 1", "Psalm 4. 4",
    "Psalm 4. 6", "Psalm 8. 5", "Psalm 19. 10", "Psalm 22. 16", "Psalm 23. 1", "Psalm 24. 1", "Psalm 24. 7",
    "Psalm 25. 7", "Psalm 25. 22", "Psalm 27. 1", "Psalm 27. 11", "Psalm 30. 5", "Psalm 31. 5", "Psalm 27. 1",
    "Psalm 27. 11", "Psalm 31. 20", "Psalm 32. 10", "Psalm 34. 13", "Proverbs 30:3", "Proverbs 30:4",
    "Proverbs 30:5", "Proverbs 30:6", "Proverbs 30:7", "Proverbs 30:8", "Proverbs 30:10", "Proverbs 30:18",
    "Proverbs 30:24", "Proverbs 30:25", "Proverbs 30:30", "Proverbs 30:32", "Proverbs 30:33", "Psalm 39. 4",
    "Psalm 139. 6", "Psalm 146. 3", "Psalm 122. 7", "Psalm 127. 3", "Psalm 129. 2", "Psalm 133. 1", "Psalm 85. 10",
    "Psalm 90. 12", "Psalm 91. 5", "Psalm 92. 12", "Psalm 91. 9", "John 3:16-17", "Romans 11:33", "Job 5:2",
    "Job 19:29", "Psalms 37:8", "Proverbs 6:34", "Proverbs 12:16", "Proverbs 14:17", "Ecclesiastes 9:10",
    "1 Corinthians 9:24", "Colossians 3:23"};

// Hinduism captions as runs: each run ends at `last` (inclusive).
struct CaptionRun {
    int last;
    const char *caption;
};
const CaptionRun HinduismCaptions[] = {
    {0, "Yajur Veda"}, {1, "Rig Veda"}, {2, "Yajur Veda"}, {3, "Krishna Yajur Veda"}, {12, "Bhagavad Gita"},
    {13, "Bhagavad Gita 18:37-38"}, {14, "Katha Upanishad 1.2.22-24"}, {15, "Bhagavad Gita 13:11"},
    {16, "Bhagavad Gita 11:55"}, {17, "Bhagavad Gita 6:26-29"}, {23, "Atharva Veda"}, {30, "Rig Veda"},
    {33, "Bhagavad Gita"}, {36, "Rig Veda"}, {37, "Veda Upanishads"}, {38, "Rig Veda"}, {44, "Bhagavad Gita"},
    {50, "Yajur Veda"}, {56, "Upanishads"}};

const char *const HexagramNames[HexagramCount] = {
    "The Creative", "The Receptive", "Difficulty at the Beginning", "Youthful Folly", "Waiting (Nourishment)",
    "Conflict", "The Army", "Holding Together (Union)", "The Taming Power of the Small", "Treading (Conduct)",
    "Peace", "Standstill (Stagnation)", "Fellowship with Men", "Possession in Great Measure", "Modesty",
    "Enthusiasm", "Following", "Work on what has been spoiled (Decay)", "Approach", "Contemplation (View)",
    "Biting Through", "Grace", "Splitting Apart", "Return (The Turning Point)", "Innocence (The Unexpected)",
    "The Taming Power of the Great", "Corners of the Mouth (Providing Nourishment)", "Preponderance of the Great",
    "The Abysmal (Water)", "The Clinging Fire", "Influence (Wooing)", "Duration", "Retreat",
    "The Power of the Great", "Progress", "Darkening of the Light", "The Family (The Clan)", "Opposition",
    "Obstruction", "Deliverance", "Decrease", "Increase", "Break-through (Resoluteness)", "Coming to Meet",
    "Gathering Together (Massing)", "Pushing Upward", "Oppression (Exhaustion)", "The Well",
    "Revolution (Molting)", "The Caldron", "The Arousing (Shock, Thunder)", "Keeping Still, Mountain",
    "Development (Gradual Progress)", "The Marrying Maiden", "Abundance (Fullness)", "The Wanderer",
    "The Gentle (The Penetrating, Wind)", "The Joyous, Lake", "Dispersion (Dissolution)", "Limitation",
    "Inner Truth", "Preponderance of the Small", "After Completion", "Before Completion"};

using LineCounts = QMap<int, int>; // index -> lines, for the multi-line entries only

bool isSingleLine(const QString &text)
{
    return !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'));
}

} // namespace

class BibliomancyTablesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { fillAll(); }

    void passagesHaveTheirShape_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("count");
        QTest::addColumn<LineCounts>("lineCounts");
        QTest::addColumn<int>("endsInLineBreak");        // the one entry ending in CR LF, or -1
        QTest::addColumn<int>("distinct");
        QTest::newRow("Christianity") << int(Text::Christianity) << 74 << LineCounts{{8, 4}, {24, 5}} << -1 << 71;
        QTest::newRow("Hinduism") << int(Text::Hinduism) << 57
                                  << LineCounts{{51, 7}, {52, 2}, {53, 3}, {54, 2}, {55, 2}, {56, 2}} << -1 << 57;
        QTest::newRow("Islam") << int(Text::Islam) << 36 << LineCounts{{9, 13}} << 9 << 36;
        QTest::newRow("Judaism") << int(Text::Judaism) << 37
                                 << LineCounts{{3, 3}, {7, 4}, {8, 2}, {12, 13}, {13, 8}, {16, 4},
                                                   {29, 5}, {31, 4}, {32, 6}, {33, 4}, {35, 8}}
                                 << 12 << 37;
    }

    void passagesHaveTheirShape()
    {
        QFETCH(int, which);
        QFETCH(int, count);
        QFETCH(LineCounts, lineCounts);
        QFETCH(int, endsInLineBreak);
        QFETCH(int, distinct);
        const PassageArrays arrays = arraysOf(Text(which));
        QCOMPARE(arrays.count, count);
        QSet<QString> texts;
        for (int index = 0; index < count; ++index) {
            const QString at = QStringLiteral("entry %1").arg(index);
            QString text = arrays.text[index];
            texts.insert(text);
            QVERIFY2(text.size() >= 27 && text.size() <= 627, qPrintable(at));
            QVERIFY2(arrays.ref[index].size() >= 5 && arrays.ref[index].size() <= 25, qPrintable(at));

            // Line breaks come only as CR LF pairs.
            QCOMPARE(text.count(QLatin1Char('\r')), text.count(QStringLiteral("\r\n")));
            QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));

            const bool trailingBreak = text.endsWith(QStringLiteral("\r\n"));
            QVERIFY2(trailingBreak == (index == endsInLineBreak), qPrintable(at));
            if (trailingBreak)
                text.chop(2);
            if (!lineCounts.contains(index)) {
                QVERIFY2(isSingleLine(text), qPrintable(at));
                continue;
            }
            const QStringList lines = text.split(QStringLiteral("\r\n"));
            QCOMPARE(lines.size(), lineCounts.value(index));
            for (const QString &line : lines)
                QVERIFY2(!line.trimmed().isEmpty(), qPrintable(at));
        }
        QCOMPARE(texts.size(), distinct);
    }

    void christianityKeepsItsCaptionsAndRepeats()
    {
        for (int index = 0; index < ChristianityCount; ++index)
            QCOMPARE(ChristianityRef[index], QString::fromUtf8(ChristianityCaptions[index]));
        QCOMPARE(ChristianityText[18], ChristianityText[10]);
        QCOMPARE(ChristianityText[33], ChristianityText[29]);
        QCOMPARE(ChristianityText[34], ChristianityText[30]);
        // Every other passage stands once only.
        QSet<QString> others;
        for (int index = 0; index < ChristianityCount; ++index)
            if (index != 18 && index != 33 && index != 34)
                others.insert(ChristianityText[index]);
        QCOMPARE(others.size(), ChristianityCount - 3);
    }

    void captionsNameTheirScripture()
    {
        int index = 0;
        for (const CaptionRun &run : HinduismCaptions)
            for (; index <= run.last; ++index)
                QCOMPARE(HinduismRef[index], QString::fromUtf8(run.caption));
        QCOMPARE(index, HinduismCount);
        for (int at = 0; at < IslamCount; ++at)
            QCOMPARE(IslamRef[at], "Quran");
        for (int at = 0; at < JudaismCount; ++at)
            QCOMPARE(JudaismRef[at], "Judaism");
    }

    void givenPassagesStandLetterForLetter_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Christianity 2") << ChristianityText[2] << "It is not good that the man should be alone.";
        QTest::newRow("Christianity 8") << ChristianityText[8]
                                        << "Thou shalt not kill.\r\nThou shalt not commit adultery.\r\n"
                                           "Thou shalt not steal.\r\n"
                                           "Thou shalt not bear false witness against thy neighbor.";
        QTest::newRow("Hinduism 9") << HinduismText[9]
                                    << "The wise sees knowledge and action as one; they see truly.";
        QTest::newRow("Islam 1") << IslamText[1] << "Call on your Lord with humility and in private.";
        QTest::newRow("Judaism 16") << JudaismText[16]
                                    << "Trust in the Lord with all your heart,\r\n"
                                       "and do not rely on your own insight.\r\n"
                                       "In all your ways acknowledge him\r\n"
                                       "and he will make straight your paths.";
        QTest::newRow("Judaism 25") << JudaismText[25] << "The body is the sheath of the soul.";
        QTest::newRow("I Ching 1 judgement")
            << IChingJudgement[1] << "The Creative works sublime success.Furthering through perseverance.";
        QTest::newRow("I Ching 1 image")
            << IChingImage[1]
            << "The movement of heaven is full of power.Thus the superior man makes himself strong and untiring.";
    }

    void givenPassagesStandLetterForLetter()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void hexagramsFillSlotsOneToSixtyFour()
    {
        QVERIFY(IChingName[0].isEmpty());
        QVERIFY(IChingJudgement[0].isEmpty());
        QVERIFY(IChingImage[0].isEmpty());
        QSet<QString> judgements, images;
        for (int number = 1; number <= HexagramCount; ++number) {
            const QByteArray at = QByteArray::number(number);
            QCOMPARE(IChingName[number], QString::fromUtf8(HexagramNames[number - 1]));
            const QString &judgement = IChingJudgement[number];
            const QString &image = IChingImage[number];
            QVERIFY2(judgement.size() >= 42 && judgement.size() <= 333, at);
            QVERIFY2(image.size() >= 96 && image.size() <= 234, at);
            QVERIFY2(isSingleLine(judgement) && isSingleLine(image), at);
            judgements.insert(judgement);
            images.insert(image);
        }
        QCOMPARE(judgements.size(), HexagramCount);
        QCOMPARE(images.size(), HexagramCount);
    }

    void fillingAgainChangesNothing()
    {
        const QStringList before = snapshot();
        fillAll();
        fillAll();
        QCOMPARE(snapshot(), before);
    }

    void drawsReachTheFirstAndLastEntry_data()
    {
        QTest::addColumn<int>("count"); // 0: the hexagram draw
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("drawn");
        const float last = ScriptedServices::largestBelowOne();
        for (int count : {ChristianityCount, HinduismCount, IslamCount, JudaismCount}) {
            QTest::addRow("%d entries, r = 0", count) << count << 0.0f << 0;
            QTest::addRow("%d entries, largest r", count) << count << last << count - 1;
            QTest::addRow("%d entries, r = 0.5", count) << count << 0.5f << count / 2;
        }
        QTest::newRow("hexagram, r = 0") << 0 << 0.0f << 1;
        QTest::newRow("hexagram, largest r") << 0 << last << 64;
        QTest::newRow("hexagram, r just below 1/64") << 0 << std::nextafter(1.0f / 64, 0.0f) << 1;
        QTest::newRow("hexagram, r = 1/64") << 0 << 1.0f / 64 << 2;
    }

    void drawsReachTheFirstAndLastEntry()
    {
        QFETCH(int, count);
        QFETCH(float, r);
        QFETCH(int, drawn);
        ScriptedServices services;
        services.scriptRandom({r});
        QCOMPARE(count ? DrawPassageIndex(count) : DrawHexagramNumber(), drawn);
        QCOMPARE(services.randomValuesLeft(), 0);
    }
};

ORRIN_TEST(BibliomancyTablesTest)
#include "BibliomancyTablesTest.moc"

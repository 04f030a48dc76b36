#include "ScriptedServices.h"
#include "TestMain.h"

#include "oracles/domino/modDominoOracle.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace modDominoOracle;

namespace {

// A generator value that Int(r * 7) maps to `half`, from the middle of its interval.
float forHalf(int half)
{
    return (static_cast<float>(half) + 0.5f) / 7.0f;
}

// The lowest generator value whose single-precision product with 7 reaches `half`.
float lowestValueFor(int half)
{
    float r = static_cast<float>(static_cast<double>(half) / HalfCount);
    while (r > 0.0f && std::nextafter(r, 0.0f) * static_cast<float>(HalfCount) >= static_cast<float>(half))
        r = std::nextafter(r, 0.0f);
    while (r * static_cast<float>(HalfCount) < static_cast<float>(half))
        r = std::nextafter(r, 1.0f);
    return r;
}

QString readingAt(int first, int second)
{
    return DominoReading[HalfCount * first + second];
}

} // namespace

class DominoTableTest : public QObject {
    Q_OBJECT

private slots:
    void keysRunOverEveryOrderedPair()
    {
        LoadDominoTable();
        QSet<QString> keys;
        for (int first = 0; first < HalfCount; ++first) {
            for (int second = 0; second < HalfCount; ++second) {
                const int entry = HalfCount * first + second;
                const QString key = QStringLiteral("%1-%2").arg(first).arg(second);
                QCOMPARE(QString::fromUtf8(DominoTable[entry].key), key);
                QCOMPARE(DominoKey[entry], key);
                QVERIFY(!DominoReading[entry].isEmpty());
                keys.insert(key);
            }
        }
        QCOMPARE(keys.size(), 49);
        QVERIFY(DominoKey[49].isEmpty());
        QVERIFY(DominoReading[49].isEmpty());
    }

    void readingsStandAsWritten_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("reading");
        auto row = [](int first, int second, const char *reading) {
            QTest::addRow("%d-%d", first, second) << first << second << QString::fromUtf8(reading);
        };
        row(0, 0, "This is an unlucky omen. This may indicate some losses. Difficult times are ahead. Challenges can be overcome if you are ready to face the battle.");
        row(0, 1, "You will get help from a stranger. But be careful that you don't trust everyone.");
        row(0, 2, "You will meet someone who becomes very close to you. Hardships in life will make you a better person and prepare you for life's toughest battles.");
        row(0, 3, "Jealousy may cause strained relations between friends. Past lives may cause problems in current relationships.");
        row(0, 4, "You may have hurt a friend. Seek forgiveness before it is too late. Think twice before you talk.");
        row(0, 5, "A friend of yours may be in trouble. You may be able to bring him some comfort. Be careful in matters of business and finance.");
        row(0, 6, "Be careful. Someone may be out to harm you disguised behind friendship. Do not gossip.");
        row(1, 1, "Be strong and take the step forward. This will bear good consequences. Trust yourself and you will make the right decisions.");
        row(1, 2, "You may lose property in the near future. Good friendships can help you overcome this loss.");
        row(1, 3, "You may come to know of something that may be useful to you. You may get a surprise. This domino also tells you to be careful of so-called friends");
        row(3, 1, "You may come to know of something that may be useful to you. You may get a surprise. This domino also tells you to be careful of so-called friends.");
        row(1, 4, "This is the time to settle debts and move on. Be brave and you will have a good future.Also save for the rainy day.");
        row(1, 5, "Those involved in a romantic relationship may suffer from heartbreak. So be careful. Time to party and have a good time in general.");
        row(1, 6, "Whatever has been bothering you will be solved shortly. You may also have a fruitful relationship or partnership.");
        row(2, 2, "You will have a happy marriage. This also means personal prosperity and success.");
        row(2, 3, "Do not speculate on matters of chance. You may face some problems in your romance.");
        row(2, 4, "Be careful. Someone may try to dupe you. Changes will bring prosperity.");
        row(2, 5, "A birth of a child in the family is indicated. Or this may be the beginning of a new venture / deal/ partnership.");
        row(2, 6, "This is a very lucky domino. You will enjoy good fortune and good health. You may receive an unexpected gift. ");
        row(6, 2, "This is a very lucky domino. You will enjoy good fortune and good health. You may receive an unexpected gift.");
        row(3, 3, "Happiness will smile you. You may face some minor problems but they will be short lived.");
        row(3, 4, "Do now worry too much about problems. Be positive and things will start looking up.");
        row(3, 5, "Someone important may help you out. You will also attain peace of mind.");
        row(3, 6, "A short journey is on the cards. This will prove to be very successful for you.");
        row(4, 4, "A party is on the cards. Life will be full of happiness. So enjoy yourself.");
        row(4, 5, "Your investments may make a good profit. Be careful not to speculate.");
        row(5, 4, "Your investments may make a good profit. Be careful not to speculate. ");
        row(4, 6, "You may face some legal problems or arguments of some sort. You may attain prosperity but be careful.");
        row(5, 5, "Relocation may happen. But this will be for your own good. Be receptive to the situation and you shall gain.");
        row(5, 6, "You may be inclined to help others. Keep a lookout for good happenings. ");
        row(6, 5, "You may be inclined to help others. Keep a lookout for good happenings.");
        row(6, 6, "This is the luckiest domino reading that one can get. This signifies that your life will be full of happiness. You will be financially prosperous and successful in whatever you do.");
    }

    void readingsStandAsWritten()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, reading);
        LoadDominoTable();
        QCOMPARE(readingAt(first, second), reading);
    }

    void bothOrdersReadTheSameSaveFourEndings()
    {
        LoadDominoTable();
        // The second order's reading is the first order's with this appended;
        // a pair not listed reads the same both ways.
        const QHash<QString, QString> differences = {
            {QStringLiteral("1-3"), QStringLiteral(".")},
            {QStringLiteral("6-2"), QStringLiteral(" ")},
            {QStringLiteral("4-5"), QStringLiteral(" ")},
            {QStringLiteral("6-5"), QStringLiteral(" ")},
        };
        QSet<QString> dominoes;
        int differing = 0;
        for (int first = 0; first < HalfCount; ++first) {
            for (int second = first; second < HalfCount; ++second) {
                QString shorter = readingAt(first, second);
                QString longer = readingAt(second, first);
                QString key = QStringLiteral("%1-%2").arg(first).arg(second);
                if (shorter.size() > longer.size()) {
                    std::swap(shorter, longer);
                    key = QStringLiteral("%1-%2").arg(second).arg(first);
                }
                const QString appended = differences.value(key);
                differing += !appended.isEmpty();
                QCOMPARE(longer, shorter + appended);
                dominoes.insert(shorter);
            }
        }
        QCOMPARE(differing, 4);
        QCOMPARE(dominoes.size(), 28);
    }

    void castShowsTheDrawnDomino_data()
    {
        QTest::addColumn<float>("rFirst");
        QTest::addColumn<float>("rSecond");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("firstPicture");
        QTest::addColumn<int>("secondPicture");
        const float top = ScriptedServices::largestBelowOne();
        QTest::newRow("Blank-Blank reads as 0-0") << 0.0f << 0.0f << 0 << 0 << "Blank-Blank" << 7 << 7;
        QTest::newRow("6-6 at the top") << top << top << 6 << 6 << "6-6" << 6 << 6;
        QTest::newRow("Blank-6") << 0.0f << top << 0 << 6 << "Blank-6" << 7 << 6;
        QTest::newRow("6-Blank") << top << 0.0f << 6 << 0 << "6-Blank" << 6 << 7;
        QTest::newRow("3-1 with its full stop") << forHalf(3) << forHalf(1) << 3 << 1 << "3-1" << 3 << 1;
        QTest::newRow("2-6 with its blank") << forHalf(2) << forHalf(6) << 2 << 6 << "2-6" << 2 << 6;
        QTest::newRow("double 3-3") << forHalf(3) << forHalf(3) << 3 << 3 << "3-3" << 3 << 3;
    }

    void castShowsTheDrawnDomino()
    {
        QFETCH(float, rFirst);
        QFETCH(float, rSecond);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, number);
        QFETCH(int, firstPicture);
        QFETCH(int, secondPicture);
        ScriptedServices services;
        services.scriptRandom({rFirst, rSecond, 0.5f});
        ReadingText.clear();
        CastDomino();
        QCOMPARE(services.randomValuesLeft(), 1);
        QCOMPARE(FirstHalf, first);
        QCOMPARE(SecondHalf, second);
        QCOMPARE(ReadingText, readingAt(first, second));
        QCOMPARE(DominoNumber(FirstHalf, SecondHalf), number);
        QCOMPARE(HalfPicture(FirstHalf), firstPicture);
        QCOMPARE(HalfPicture(SecondHalf), secondPicture);
    }

    void halvesSplitTheRangeAtEveryPip()
    {
        for (int half = 1; half < HalfCount; ++half) {
            const float edge = lowestValueFor(half);
            const float below = std::nextafter(edge, 0.0f);
            ScriptedServices services;
            services.scriptRandom({edge, below, below, edge});
            CastDomino();
            QCOMPARE(FirstHalf, half);
            QCOMPARE(SecondHalf, half - 1);
            CastDomino();
            QCOMPARE(FirstHalf, half - 1);
            QCOMPARE(SecondHalf, half);
        }
    }

    void realGeneratorDrawsEveryPairEvenly()
    {
        const int perPair = 200;
        const int draws = DominoEntryCount * perPair;
        QList<int> pairs(DominoEntryCount, 0);
        int doubles = 0;
        for (int i = 0; i < draws; ++i) {
            CastDomino();
            QVERIFY(FirstHalf >= 0 && FirstHalf < HalfCount);
            QVERIFY(SecondHalf >= 0 && SecondHalf < HalfCount);
            ++pairs[HalfCount * FirstHalf + SecondHalf];
            doubles += FirstHalf == SecondHalf;
        }
        for (int entry = 0; entry < DominoEntryCount; ++entry)
            QVERIFY2(pairs[entry] > perPair / 2 && pairs[entry] < perPair * 3 / 2, DominoTable[entry].key);
        // One in seven: 1400 expected, about 35 either way.
        QVERIFY2(doubles > 1250 && doubles < 1550, qPrintable(QString::number(doubles)));
    }
};

ORRIN_TEST(DominoTableTest)
#include "DominoTableTest.moc"

#include "oracles/tea_leaf/modTeaLeafReading.h"
#include "support/ScriptedServices.h"
#include "support/TestMain.h"

#include <QSet>
#include <QTest>

#include <array>

using namespace modTeaLeafReading;

namespace {

const QString RangeLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWYZ");

// A value of the generator that falls in the middle of letter range k.
float letter(int k)
{
    return (static_cast<float>(k) + 0.5f) / 25.0f;
}

float top()
{
    return ScriptedServices::largestBelowOne();
}

// Records the order in which a reading reseeds and draws.
class LoggingServices : public ScriptedServices {
public:
    QStringList log;
    float nextRandom() override
    {
        log << QStringLiteral("rnd");
        return ScriptedServices::nextRandom();
    }
    void seedFromClock() override
    {
        log << QStringLiteral("seed");
        ScriptedServices::seedFromClock();
    }
};

QStringList readSymbols()
{
    return {FirstSymbol, SecondSymbol, ThirdSymbol};
}

} // namespace

class TeaLeafDrawTest : public QObject {
    Q_OBJECT

private slots:
    void tableKeepsTheBindingOrder();
    void quotedMeanings_data();
    void quotedMeanings();
    void ownMeaningsAreDistinctPlainText();
    void letterRangesCutTheTableByInitial();
    void drawsReachTheEdgesOfEveryRange_data();
    void drawsReachTheEdgesOfEveryRange();
    void repeatedLettersAreDrawnAgain_data();
    void repeatedLettersAreDrawnAgain();
    void symbolsAreDrawnInAscendingRangeOrder_data();
    void symbolsAreDrawnInAscendingRangeOrder();
    void eachReadingReseedsOnceBeforeDrawing();
    void resolveLeavesUnknownNumbersEmpty();
    void realDrawsAreFair();
};

void TeaLeafDrawTest::tableKeepsTheBindingOrder()
{
    const QString expected = QStringLiteral(
        "Abbey, Ace of Clubs, Ace of Diamonds, Ace of Happiness, Ace of Spades, Acorn, Aircraft, "
        "Alligator, Anchor, Angel, Ankle, Ant, Apple, Arc, Arch, Arrow, Axe, Badger, Basket, Baby, "
        "Ball, Bear, Bell, Birds, Boat, Book, Bridge, Broom, Building, Bull, Bush, Butterfly, Cab, "
        "Cabbage, Cage, Candle, Cannon, Cap, Camel, Car, Castle, Cathedral, Cattle, Cat, Cart, Chain, "
        "Chair, Cherries, Chessman, Chimney, Church, Cigar, Circle, Clock, Clouds, Clover, Coffin, "
        "Comet, Cow, Cradle, Crown, Cross, Cup, Crown and Cross, Daffodils, Dagger, Deer, Dog, Door, "
        "Dragon, Drum, Duck, Eagle, Ear, Egg, Eggcup, Elephant, Envelope, Engine, Eye, Face, Fan, "
        "Feather, Feet, Falcon, Fence, Ferret, Fern, Fire, Fish, Flag, Fly, Fork, Forked Line, Frog, "
        "Fruit, Fox, Gallows, Garden Roller, Garland, Gate, Geese, Giraffe, Glove, Glass, Glow, Goat, "
        "Gondola, Greyhound, Guitar, Gun, Hare, Hammer, Hand, Harp, Hat, Hawk, Heart, Heavenly Bodies, "
        "Hen, Horse, House, Hummingbird, Iceberg, Inkpot, Insect, Ivy leaf, Ivy leaf, Jewels, Jug, "
        "Kangaroo, Kettle, Kite, Knife, Knot, Ladder, Lamp, Leaf, Letters, Lines, Lion, Lily, Lock, "
        "Loop, Man, Mask, Mermaid, Monkey, Mountain, Mouse, Moon, Mushroom, Nail, Necklace, Needle, "
        "Numbers, Oak, Octopus, Ostrich, Owl, Palm Tree, Parasol, Parrot, Peacock, Pear, Pheasant, "
        "Pig, Pigeon, Pineapple, Pine Tree, Purse, Question Mark, Rat, Rabbit, Rake, Raven, Ring, "
        "Rifle, Rose, Saw, Scale, Scissors, Shark, Sheep, Shell, Shoe, Snake, Spider, Spoon, Star, "
        "Sun, Sword, Swan, Table, Tent, Timber, Thimble, Tortoise, Tree, Triangle, Unicorn, Urn, Vase, "
        "Volcano, Wagon, Wasp, Waterfall, Wavy Lines, Well, Wheel, Windmill, Woman, Wood, Worms, Wolf, "
        "Yew Tree, Yoke, Zebra");
    const QStringList names = expected.split(QStringLiteral(", "));
    QCOMPARE(names.size(), TeaLeafSymbolCount);
    for (int row = 0; row < TeaLeafSymbolCount; ++row)
        QCOMPARE(QString::fromUtf8(TeaLeafTable[row].symbol), names.at(row));
}

void TeaLeafDrawTest::quotedMeanings_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("meaning");

    const QString letter = QStringLiteral("It represents a letter");
    const QString ivy = QStringLiteral("It represents that you are a very reliable as a friend");
    QTest::newRow("Abbey") << 0 << QStringLiteral("Very soon you will be free from all your worries and tensions");
    QTest::newRow("Ace of Clubs") << 1 << letter;
    QTest::newRow("Acorn") << 5 << QStringLiteral(
        "If the Acorn is paced at the top of the cup, then it means that you will be experiencing "
        "financial success; if it is in the middle of the cup, it represents good health conditions "
        "whereas, if at the bottom of the cup, it means that soon you will be experiencing improvement "
        "in your health as well as finances.");
    QTest::newRow("Fire") << 88 << QStringLiteral(
        "It represents a sacred flame. If it is at the top, it indicates a great achievement; while if "
        "it is at the bottom, it represents some kind of danger");
    QTest::newRow("Heavenly Bodies") << 118 << QStringLiteral("The Celestial Bodies represents a happy and a blissful life");
    QTest::newRow("Inkpot") << 124 << letter;
    QTest::newRow("Ivy leaf 126") << 126 << ivy;
    QTest::newRow("Ivy leaf 127") << 127 << ivy;
    QTest::newRow("Question Mark") << 171 << QStringLiteral(
        "Question mark indicates that you need to be cautious and alert about your deals");
    QTest::newRow("Zebra") << 217 << QStringLiteral(
        "It represents that you will frequently travel to foreign lands where you will come across "
        "many adventures");
}

void TeaLeafDrawTest::quotedMeanings()
{
    QFETCH(int, row);
    QFETCH(QString, meaning);
    QCOMPARE(QString::fromUtf8(TeaLeafTable[row].meaning), meaning);

    // What the reading shows is the table's text, untouched.
    FirstDraw = static_cast<qint16>(row);
    SecondDraw = 0;
    ThirdDraw = 217;
    ResolveTeaLeafReading();
    QCOMPARE(FirstSymbol, QString::fromUtf8(TeaLeafTable[row].symbol));
    QCOMPARE(FirstMeaning, meaning);
}

void TeaLeafDrawTest::ownMeaningsAreDistinctPlainText()
{
    QHash<QString, int> firstRowOf;
    QList<QPair<int, int>> repeats;
    for (int row = 0; row < TeaLeafSymbolCount; ++row) {
        const QByteArray meaning(TeaLeafTable[row].meaning);
        QVERIFY2(!meaning.trimmed().isEmpty(), qPrintable(QString::number(row)));
        QCOMPARE(meaning.trimmed(), meaning);
        for (char c : meaning)
            QVERIFY2(c >= 0x20 && c < 0x7f, qPrintable(QString::number(row)));
        const QString text = QString::fromUtf8(meaning);
        if (firstRowOf.contains(text))
            repeats.append({firstRowOf.value(text), row});
        else
            firstRowOf.insert(text, row);
    }
    // Only the letter of Ace of Clubs and Inkpot and the two Ivy leaf rows repeat.
    QCOMPARE(repeats, (QList<QPair<int, int>>{{1, 124}, {126, 127}}));
}

void TeaLeafDrawTest::letterRangesCutTheTableByInitial()
{
    std::fill(std::begin(LetterRangeStart), std::end(LetterRangeStart), qint16(-1));
    std::fill(std::begin(LetterRangeEnd), std::end(LetterRangeEnd), qint16(-1));
    LoadLetterRanges();

    QCOMPARE(LetterRangeStart[0], qint16(0));
    QCOMPARE(LetterRangeEnd[LetterRangeCount - 1], qint16(TeaLeafSymbolCount - 1));
    for (int k = 0; k < LetterRangeCount; ++k) {
        QVERIFY(LetterRangeStart[k] <= LetterRangeEnd[k]);
        if (k > 0)
            QCOMPARE(LetterRangeStart[k], qint16(LetterRangeEnd[k - 1] + 1));
        for (int row = LetterRangeStart[k]; row <= LetterRangeEnd[k]; ++row)
            QVERIFY2(TeaLeafTable[row].symbol[0] == RangeLetters.at(k).toLatin1(),
                     TeaLeafTable[row].symbol);
    }
}

void TeaLeafDrawTest::drawsReachTheEdgesOfEveryRange_data()
{
    QTest::addColumn<QList<int>>("letters");   // first, second, third
    QTest::addColumn<QList<float>>("symbolValues"); // in ascending range order
    QTest::addColumn<QStringList>("symbols");  // first, second, third

    QTest::newRow("lowest value") << QList<int>{0, 1, 2} << QList<float>{0.0f, 0.0f, 0.0f}
                                  << QStringList{"Abbey", "Badger", "Cab"};
    QTest::newRow("highest value") << QList<int>{0, 1, 2} << QList<float>{top(), top(), top()}
                                   << QStringList{"Axe", "Butterfly", "Crown and Cross"};
    QTest::newRow("Q and Z at both ends") << QList<int>{16, 24, 3} << QList<float>{0.0f, top(), 0.0f}
                                          << QStringList{"Question Mark", "Zebra", "Daffodils"};
    QTest::newRow("Q and Z at the top") << QList<int>{24, 16, 22} << QList<float>{top(), top(), top()}
                                        << QStringList{"Zebra", "Question Mark", "Wolf"};
    QTest::newRow("J lower half") << QList<int>{9, 8, 23} << QList<float>{0.0f, 0.49999f, 0.0f}
                                  << QStringList{"Jewels", "Iceberg", "Yew Tree"};
    QTest::newRow("J upper half") << QList<int>{23, 9, 20} << QList<float>{0.5f, top(), top()}
                                  << QStringList{"Yoke", "Jug", "Urn"};
    QTest::newRow("first Ivy leaf row") << QList<int>{8, 7, 6} << QList<float>{0.99f, 0.4f, 0.6f}
                                        << QStringList{"Ivy leaf", "Hat", "Gun"};
    QTest::newRow("second Ivy leaf row") << QList<int>{8, 4, 21} << QList<float>{0.5f, top(), top()}
                                         << QStringList{"Ivy leaf", "Elephant", "Volcano"};
    QTest::newRow("last rows of C and H") << QList<int>{2, 7, 5} << QList<float>{top(), 0.0f, top()}
                                          << QStringList{"Crown and Cross", "Hummingbird", "Face"};
}

void TeaLeafDrawTest::drawsReachTheEdgesOfEveryRange()
{
    QFETCH(QList<int>, letters);
    QFETCH(QList<float>, symbolValues);
    QFETCH(QStringList, symbols);

    ScriptedServices services;
    QList<float> script;
    for (int k : letters)
        script << letter(k);
    script << symbolValues;
    services.scriptRandom(script);

    DrawTeaLeafReading();

    QCOMPARE(services.randomValuesLeft(), 0);
    QCOMPARE(readSymbols(), symbols);
    const std::array<qint16, 3> draws = {FirstDraw, SecondDraw, ThirdDraw};
    const QStringList meanings = {FirstMeaning, SecondMeaning, ThirdMeaning};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(QString::fromUtf8(TeaLeafTable[draws[i]].symbol), symbols.at(i));
        QCOMPARE(meanings.at(i), QString::fromUtf8(TeaLeafTable[draws[i]].meaning));
    }
}

void TeaLeafDrawTest::repeatedLettersAreDrawnAgain_data()
{
    QTest::addColumn<QList<int>>("letterScript");
    QTest::addColumn<int>("lettersUsed");
    QTest::addColumn<QStringList>("symbols");

    QTest::newRow("no repeat") << QList<int>{5, 7, 9} << 3 << QStringList{"Face", "Hare", "Jewels"};
    QTest::newRow("second repeats first") << QList<int>{5, 5, 5, 7, 9} << 5
                                          << QStringList{"Face", "Hare", "Jewels"};
    QTest::newRow("third repeats both") << QList<int>{5, 7, 5, 7, 7, 5, 9} << 7
                                        << QStringList{"Face", "Hare", "Jewels"};
    QTest::newRow("all repeat") << QList<int>{24, 24, 24, 0, 0, 24, 0, 16} << 8
                                << QStringList{"Zebra", "Abbey", "Question Mark"};
}

void TeaLeafDrawTest::repeatedLettersAreDrawnAgain()
{
    QFETCH(QList<int>, letterScript);
    QFETCH(int, lettersUsed);
    QFETCH(QStringList, symbols);

    // Stale draws from an earlier reading must not stand in for a new one.
    FirstDraw = 9;
    SecondDraw = 11;
    ThirdDraw = 13;

    ScriptedServices services;
    QList<float> script;
    for (int k : letterScript)
        script << letter(k);
    script << 0.0f << 0.0f << 0.0f << 0.75f; // three symbols and one spare
    services.scriptRandom(script);

    DrawTeaLeafReading();

    QCOMPARE(services.randomValuesLeft(), 1);
    QCOMPARE(letterScript.size(), lettersUsed);
    QCOMPARE(readSymbols(), symbols);
}

void TeaLeafDrawTest::symbolsAreDrawnInAscendingRangeOrder_data()
{
    QTest::addColumn<QList<int>>("letters");
    QTest::addColumn<QStringList>("symbols");

    // B, M and W take 0, 0.5 and the top value in that order, whatever the
    // order in which their letters were drawn.
    const int B = 1, M = 12, W = 22;
    QTest::newRow("B M W") << QList<int>{B, M, W} << QStringList{"Badger", "Mountain", "Wolf"};
    QTest::newRow("B W M") << QList<int>{B, W, M} << QStringList{"Badger", "Wolf", "Mountain"};
    QTest::newRow("M B W") << QList<int>{M, B, W} << QStringList{"Mountain", "Badger", "Wolf"};
    QTest::newRow("M W B") << QList<int>{M, W, B} << QStringList{"Mountain", "Wolf", "Badger"};
    QTest::newRow("W B M") << QList<int>{W, B, M} << QStringList{"Wolf", "Badger", "Mountain"};
    QTest::newRow("W M B") << QList<int>{W, M, B} << QStringList{"Wolf", "Mountain", "Badger"};
}

void TeaLeafDrawTest::symbolsAreDrawnInAscendingRangeOrder()
{
    QFETCH(QList<int>, letters);
    QFETCH(QStringList, symbols);

    ScriptedServices services;
    services.scriptRandom({letter(letters[0]), letter(letters[1]), letter(letters[2]), 0.0f, 0.5f, top()});

    DrawTeaLeafReading();

    QCOMPARE(services.randomValuesLeft(), 0);
    QCOMPARE(readSymbols(), symbols);
}

void TeaLeafDrawTest::eachReadingReseedsOnceBeforeDrawing()
{
    LoggingServices services;
    services.scriptRandom({letter(3), letter(3), letter(4), letter(3), letter(5), 0.1f, 0.2f, 0.3f,
                           letter(0), letter(1), letter(2), 0.4f, 0.5f, 0.6f});

    DrawTeaLeafReading();
    QCOMPARE(services.seedCount, 1);
    QCOMPARE(services.log.first(), QStringLiteral("seed"));
    QCOMPARE(services.log.count(QStringLiteral("rnd")), 8);

    DrawTeaLeafReading();
    QCOMPARE(services.seedCount, 2);
    QCOMPARE(services.log.at(9), QStringLiteral("seed"));
    QCOMPARE(services.log.size(), 9 + 7);
    QCOMPARE(services.randomValuesLeft(), 0);
}

void TeaLeafDrawTest::resolveLeavesUnknownNumbersEmpty()
{
    FirstSymbol = SecondSymbol = ThirdSymbol = QStringLiteral("stale");
    FirstMeaning = SecondMeaning = ThirdMeaning = QStringLiteral("stale");
    FirstDraw = -1;
    SecondDraw = TeaLeafSymbolCount;
    ThirdDraw = 127;

    ResolveTeaLeafReading();

    QCOMPARE(readSymbols(), (QStringList{QString(), QString(), QStringLiteral("Ivy leaf")}));
    QVERIFY(FirstMeaning.isEmpty());
    QVERIFY(SecondMeaning.isEmpty());
    QCOMPARE(ThirdMeaning, QStringLiteral("It represents that you are a very reliable as a friend"));
}

void TeaLeafDrawTest::realDrawsAreFair()
{
    // No script: the system's own generator, reseeded at every reading.
    constexpr int Readings = 25000;
    std::array<int, LetterRangeCount> letterCount{};
    std::array<std::array<int, LetterRangeCount>, 3> positionCount{};
    std::array<int, TeaLeafSymbolCount> rowCount{};

    for (int reading = 0; reading < Readings; ++reading) {
        DrawTeaLeafReading();
        const std::array<qint16, 3> draws = {FirstDraw, SecondDraw, ThirdDraw};
        const QStringList symbols = readSymbols();
        QSet<int> letters;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(draws[i] >= 0 && draws[i] < TeaLeafSymbolCount);
            QCOMPARE(symbols.at(i), QString::fromUtf8(TeaLeafTable[draws[i]].symbol));
            const int k = RangeLetters.indexOf(symbols.at(i).at(0));
            QVERIFY(k >= 0);
            letters.insert(k);
            ++letterCount[k];
            ++positionCount[i][k];
            ++rowCount[draws[i]];
        }
        QCOMPARE(letters.size(), 3);
    }

    // Each letter: 3000 expected overall (sd about 51), 1000 per position (sd about 31).
    for (int k = 0; k < LetterRangeCount; ++k) {
        QVERIFY2(letterCount[k] > 2700 && letterCount[k] < 3300, qPrintable(RangeLetters.mid(k, 1)));
        for (int i = 0; i < 3; ++i)
            QVERIFY2(positionCount[i][k] > 850 && positionCount[i][k] < 1150,
                     qPrintable(RangeLetters.mid(k, 1) + QString::number(i)));
    }
    // Every row comes up; even one of the 32 C rows is expected about 94 times.
    for (int row = 0; row < TeaLeafSymbolCount; ++row)
        QVERIFY2(rowCount[row] > 0, TeaLeafTable[row].symbol);

    // Jewels and Jug share J evenly; the two Ivy leaf rows hold two fifths of I.
    const double jewels = double(rowCount[128]) / letterCount[9];
    QVERIFY2(jewels > 0.44 && jewels < 0.56, qPrintable(QString::number(jewels)));
    const double ivy = double(rowCount[126] + rowCount[127]) / letterCount[8];
    QVERIFY2(ivy > 0.35 && ivy < 0.45, qPrintable(QString::number(ivy)));
    // Lone rows come up with their whole letter.
    QCOMPARE(rowCount[171], letterCount[16]);
    QCOMPARE(rowCount[217], letterCount[24]);
}

ORRIN_TEST(TeaLeafDrawTest)
#include "TeaLeafDrawTest.moc"

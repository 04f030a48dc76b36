#include "ScriptedServices.h"
#include "TestMain.h"

#include "oracles/mahjong/modMajongOracle.h"

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace modMajongOracle;

namespace {

// Name, English name, Chinese name and picture key of tiles 1..42.
const char *const Tiles[TileCount][4] = {
    {"4 Bamboo", "Carp", "Li", "bamboo-carp.jpg"},
    {"2 Bamboo", "Duck", "Ya", "bamboo-duck.jpg"},
    {"8 Bamboo", "Mushroom", "Chun", "bamboo-fungus.jpg"},
    {"5 Bamboo", "Lotus", "Lien", "bamboo-lotus.jpg"},
    {"1 Bamboo", "Peacock", "K'ung", "bamboo-peacock.jpg"},
    {"3 Bamboo", "Toad", "Min", "bamboo-toad.jpg"},
    {"7 Bamboo", "Tortoise", "Kuei", "bamboo-tortoise.jpg"},
    {"6 Bamboo", "Water", "Shui", "bamboo-water.jpg"},
    {"9 Bamboo", "Willow", "Liu", "bamboo-willow.jpg"},
    {"3 Wan (Character)", "Earth", "Ti", "character-earth.jpg"},
    {"6 Wan (Character)", "Fire", "Huo", "character-fire.jpg"},
    {"9 Wan (Character)", "Heaven", "Tien", "character-heaven.jpg"},
    {"5 Wan (Character)", "House", "Fang", "character-house.jpg"},
    {"8 Wan (Character)", "Knot", "Chieh", "character-knot.jpg"},
    {"4 Wan (Character)", "Lute", "Ch'in", "character-lute.jpg"},
    {"1 Wan (Character)", "Open Door", "Ju", "character-opendoor.jpg"},
    {"2 Wan (Character)", "Sword", "Chien", "character-sword.jpg"},
    {"7 Wan (Character)", "The Seven Star", "Tuo", "character-thesevenstar.jpg"},
    {"5 Circle", "Dragon", "Lung", "circle-dragon.jpg"},
    {"7 Circle", "Insect", "Chung", "circle-insect.jpg"},
    {"4 Circle", "Jade", "Yu", "circle-jade.jpg"},
    {"6 Circle", "Peach", "Tao", "circle-peach.jpg"},
    {"1 Circle", "Pearl", "Chu ", "circle-pearl.jpg"},
    {"3 Circle ", "Phoenix", "Feng", "circle-phoenix.jpg"},
    {"2 Circle", "Pine", "Sung", "circle-pin.jpg"},
    {"8 Circle", "Tiger", "Hu", "circle-tiger.jpg"},
    {"9 Circle", "Unicorn", "Chi", "circle-unicorn.jpg"},
    {"Green Dragon", "Green Dragon", "Fa", "dragon-greendragon.jpg"},
    {"Red Dragon", "Red Dragon", "Chung", "dragon-reddragon.jpg"},
    {"White Dragon", "White Dragon", "Pai", "dragon-whitedragon.jpg"},
    {"Flowers Bamboo", "Flowers Bamboo", "Chu", "flower-bamboo.jpg"},
    {"Flowers Chrysanthemum", "Flowers Chrysanthemum", "Ch\u00fc", "flower-chrys.jpg"},
    {"Flowers Orchid", "Flowers Orchid", "Lan", "flower-orchid.jpg"},
    {"Flowers Plum Blossom", "Flowers Plum Blossom", "Li", "flower-plum.jpg"},
    {"Seasons Autumn", "Seasons Autumn", "Keng", "season-autumn.jpg"},
    {"Seasons Spring", "Seasons Spring", "Yu", "season-spring.jpg"},
    {"Seasons Summer", "Seasons Summer", "Ch'iao", "season-summer.jpg"},
    {"Seasons Winter", "Seasons Winter", "Tu", "season-winter.jpg"},
    {"Wind East", "Wind East", "Tung", "wind-east.jpg"},
    {"Wind North", "Wind North", "Pei", "wind-north.jpg"},
    {"Wind South", "Wind South", "Nan", "wind-south.jpg"},
    {"Wind West", "Wind West", "Hsi", "wind-west.jpg"},
};

const QList<int> GivenDescriptions = {1, 7, 19, 26, 28, 29, 30, 34, 39, 40};

// The lowest generator value that Int(r * 42 + 1), in single precision, maps to `tile`.
float lowestValueFor(int tile)
{
    auto scaled = [](float r) { return r * static_cast<float>(TileCount) + 1.0f; };
    float r = static_cast<float>(static_cast<double>(tile - 1) / TileCount);
    while (r > 0.0f && scaled(std::nextafter(r, 0.0f)) >= static_cast<float>(tile))
        r = std::nextafter(r, 0.0f);
    while (scaled(r) < static_cast<float>(tile))
        r = std::nextafter(r, 1.0f);
    return r;
}

qint16 castWith(float r)
{
    ScriptedServices services;
    services.scriptRandom({r});
    CastMahjongTile();
    return CurrentTileNumber;
}

} // namespace

class MahjongTableTest : public QObject {
    Q_OBJECT

private slots:
    void tilesStandInPictureKeyOrder()
    {
        LoadMahjongTable();
        for (int tile = 1; tile <= TileCount; ++tile) {
            const char *const *expected = Tiles[tile - 1];
            QCOMPARE(TileName[tile], QString::fromUtf8(expected[0]));
            QCOMPARE(TileEnglishName[tile], QString::fromUtf8(expected[1]));
            QCOMPARE(TileChineseName[tile], QString::fromUtf8(expected[2]));
            QCOMPARE(QString::fromUtf8(MahjongTable[tile - 1].pictureKey), QString::fromUtf8(expected[3]));
            QCOMPARE(TilePicture(static_cast<qint16>(tile)), tile);
        }
        QVERIFY(TileName[0].isEmpty() && TileEnglishName[0].isEmpty());
        QVERIFY(TileChineseName[0].isEmpty() && TileDescription[0].isEmpty());
        QCOMPARE(TileChineseName[32].size(), 3);
        QCOMPARE(int(TileChineseName[32].at(2).unicode()), 0x00FC);
    }

    void givenDescriptionsStandAsWritten_data()
    {
        QTest::addColumn<int>("tile");
        QTest::addColumn<QString>("description");
        QTest::newRow("1 Carp") << 1 << "This tile signifies a long life and happiness. Recovery from sickness is also signified. Peace is on the cards and you will be able to overcome all problems.";
        QTest::newRow("7 Tortoise, final blank") << 7 << "The result will be achieved through patience. This tile also means 'knowledge'. ";
        QTest::newRow("19 Dragon") << 19 << "This tile signifies good luck and prosperity. But this will come unexpectedly and not through hard work.";
        QTest::newRow("26 Tiger") << 26 << "This tile represents aggression. This may also mea something to do with officers and bureaucrats.";
        QTest::newRow("28 Green Dragon") << 28 << "This means 'Commence'. It represents the start or beginning of a new venture.";
        QTest::newRow("29 Red Dragon") << 29 << "This tile represents the 'Centre' or the 'Middle' of a target. It symbolizes success, achievement of goals and ambitions.";
        QTest::newRow("30 White Dragon") << 30 << "This represents the mystery of the unknown.";
        QTest::newRow("34 Plum Blossom") << 34 << "This tile is symbol of innocence and happiness. It also signifies new beginnings and fortune.";
        QTest::newRow("39 Wind East") << 39 << "An important incident may occur which may leave a lasting impression on your life.";
        QTest::newRow("40 Wind North") << 40 << "This represents difficult times and a period of worry and unhappiness.";
    }

    void givenDescriptionsStandAsWritten()
    {
        QFETCH(int, tile);
        QFETCH(QString, description);
        LoadMahjongTable();
        QCOMPARE(TileDescription[tile], description);
    }

    void ownDescriptionsAreShortAndDistinct()
    {
        LoadMahjongTable();
        const QRegularExpression sentenceEnd(QStringLiteral("[.!?]'?(\\s|$)"));
        QSet<QString> all;
        int own = 0;
        int usualOpening = 0;
        for (int tile = 1; tile <= TileCount; ++tile) {
            const QString description = TileDescription[tile];
            all.insert(description);
            if (GivenDescriptions.contains(tile))
                continue;
            ++own;
            const QByteArray where = QByteArray::number(tile) + ": " + description.toUtf8();
            QVERIFY2(description.size() >= 40 && description.size() <= 200, where);
            QVERIFY2(description == description.simplified(), where);
            const int sentences = static_cast<int>(description.count(sentenceEnd));
            QVERIFY2(sentences >= 1 && sentences <= 3, where);
            QVERIFY2(description.endsWith(QLatin1Char('.')), where);
            usualOpening += description.startsWith(QStringLiteral("This tile "))
                            || description.startsWith(QStringLiteral("This indicates "));
        }
        QCOMPARE(own, 32);
        QCOMPARE(all.size(), TileCount);
        QVERIFY(usualOpening * 4 >= own * 3);
    }

    void castReachesBothEndsAndKeepsTheTexts_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("tile");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("chineseName");
        QTest::newRow("r = 0 gives tile 1") << 0.0f << 1 << "4 Bamboo" << "Li";
        QTest::newRow("largest r gives tile 42") << ScriptedServices::largestBelowOne() << 42 << "Wind West" << "Hsi";
        QTest::newRow("3 Circle keeps its blank") << 23.5f / 42.0f << 24 << "3 Circle " << "Feng";
        QTest::newRow("Chu keeps its blank") << 22.5f / 42.0f << 23 << "1 Circle" << "Chu ";
        QTest::newRow("Chü keeps its letter")
            << 31.5f / 42.0f << 32 << "Flowers Chrysanthemum" << QStringLiteral("Ch\u00fc");
    }

    void castReachesBothEndsAndKeepsTheTexts()
    {
        QFETCH(float, r);
        QFETCH(int, tile);
        QFETCH(QString, name);
        QFETCH(QString, chineseName);
        ScriptedServices services;
        services.scriptRandom({r, 0.5f});
        CastMahjongTile();
        QCOMPARE(services.randomValuesLeft(), 1);
        QCOMPARE(CurrentTileNumber, tile);
        QCOMPARE(CurrentTileName, name);
        QCOMPARE(CurrentChineseName, chineseName);
        QCOMPARE(CurrentEnglishName, QString::fromUtf8(Tiles[tile - 1][1]));
        QCOMPARE(CurrentDescription, QString::fromUtf8(MahjongTable[tile - 1].description));
    }

    void castSplitsTheRangeAtEveryTile()
    {
        for (int tile = 2; tile <= TileCount; ++tile) {
            const float edge = lowestValueFor(tile);
            QCOMPARE(castWith(edge), tile);
            QCOMPARE(castWith(std::nextafter(edge, 0.0f)), tile - 1);
        }
    }

    void honourAttributes_data()
    {
        QTest::addColumn<QString>("englishName");
        QTest::addColumn<QStringList>("wind");
        QTest::addColumn<QStringList>("flower");
        QTest::addColumn<QStringList>("season");
        QTest::newRow("Wind North") << "Wind North"
                                    << QStringList{"Winter", "Black", "Water", "Tortoise (7 Bamboo)"}
                                    << QStringList() << QStringList();
        QTest::newRow("Wind East") << "Wind East" << QStringList{"Spring", "Green", "Wood", "Dragon (5 Circles)"}
                                   << QStringList() << QStringList();
        QTest::newRow("Flowers Bamboo") << "Flowers Bamboo" << QStringList()
                                        << QStringList{"North Wind", "Winter"} << QStringList();
        QTest::newRow("Seasons Spring") << "Seasons Spring" << QStringList() << QStringList()
                                        << QStringList{"East Wind", "Fisherman", "Plum Blossom", "Green", "Wood"};
        QTest::newRow("suit tile Tortoise") << "Tortoise" << QStringList() << QStringList() << QStringList();
        QTest::newRow("Red Dragon") << "Red Dragon" << QStringList() << QStringList() << QStringList();
        QTest::newRow("case counts") << "wind north" << QStringList() << QStringList() << QStringList();
        QTest::newRow("blanks count") << "Wind North " << QStringList() << QStringList() << QStringList();
    }

    void honourAttributes()
    {
        QFETCH(QString, englishName);
        QFETCH(QStringList, wind);
        QFETCH(QStringList, flower);
        QFETCH(QStringList, season);

        const WindAttributes *w = FindWindAttributes(englishName);
        QCOMPARE(w != nullptr, !wind.isEmpty());
        if (w)
            QCOMPARE(QStringList({w->season, w->color, w->element, w->constellation}), wind);

        const FlowerAttributes *f = FindFlowerAttributes(englishName);
        QCOMPARE(f != nullptr, !flower.isEmpty());
        if (f)
            QCOMPARE(QStringList({f->player, f->season}), flower);

        const SeasonAttributes *s = FindSeasonAttributes(englishName);
        QCOMPARE(s != nullptr, !season.isEmpty());
        if (s)
            QCOMPARE(QStringList({s->player, s->representation, s->flower, s->color, s->element}), season);
    }

    void onlyHonourTilesCarryAttributes()
    {
        LoadMahjongTable();
        for (int tile = 1; tile <= TileCount; ++tile) {
            const QString english = TileEnglishName[tile];
            const int matches = (FindWindAttributes(english) != nullptr) + (FindFlowerAttributes(english) != nullptr)
                                + (FindSeasonAttributes(english) != nullptr);
            QCOMPARE(matches, tile >= 31 ? 1 : 0);
            if (tile >= 28)
                QCOMPARE(english, TileName[tile]);
        }
    }

    void windConstellationsNameSuitTiles()
    {
        LoadMahjongTable();
        const QRegularExpression pattern(QStringLiteral("^(\\w+) \\((\\d \\w+?)s?\\)$"));
        for (const WindAttributes &wind : WindTable) {
            const auto match = pattern.match(QString::fromUtf8(wind.constellation));
            QVERIFY2(match.hasMatch(), wind.constellation);
            int found = 0;
            for (int tile = 1; tile <= 27; ++tile) {
                if (TileEnglishName[tile] == match.captured(1)) {
                    QCOMPARE(TileName[tile].trimmed(), match.captured(2));
                    ++found;
                }
            }
            QVERIFY2(found == 1, wind.constellation);
        }
    }

    void realGeneratorReachesEveryTileEvenly()
    {
        const int perTile = 300;
        QList<int> counts(TileCount + 1, 0);
        for (int i = 0; i < TileCount * perTile; ++i) {
            CastMahjongTile();
            QVERIFY(CurrentTileNumber >= 1 && CurrentTileNumber <= TileCount);
            ++counts[CurrentTileNumber];
        }
        for (int tile = 1; tile <= TileCount; ++tile)
            QVERIFY2(counts[tile] > perTile / 2 && counts[tile] < perTile * 3 / 2, qPrintable(QString::number(tile)));
    }
};

ORRIN_TEST(MahjongTableTest)
#include "MahjongTableTest.moc"

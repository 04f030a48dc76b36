#include "ScriptedServices.h"
#include "TestMain.h"

#include "oracles/fortune_cookie/modFortunrCookies.h"

#include <QList>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace modFortunrCookies;

namespace {

// Every caption ShowFortune hands over for the number `drawn`.
QStringList captionsFor(qint16 drawn, bool *found = nullptr)
{
    FirstDraw = drawn;
    QStringList captions;
    const bool result = ShowFortune([&](const QString &text) { captions << text; });
    if (found)
        *found = result;
    return captions;
}

// The lowest generator value whose single-precision product with 156 reaches
// `key`, as the draw computes it.
float lowestValueFor(int key)
{
    float r = static_cast<float>(static_cast<double>(key) / FortuneCount);
    while (r > 0.0f && std::nextafter(r, 0.0f) * static_cast<float>(FortuneCount) >= static_cast<float>(key))
        r = std::nextafter(r, 0.0f);
    while (r * static_cast<float>(FortuneCount) < static_cast<float>(key))
        r = std::nextafter(r, 1.0f);
    return r;
}

qint16 drawWith(float r)
{
    ScriptedServices services;
    services.scriptRandom({r});
    return DrawFortune();
}

const QList<int> GivenKeys = {0, 1, 2, 10, 12, 19, 95, 147, 150, 155};

} // namespace

class FortuneCookieTableTest : public QObject {
    Q_OBJECT

private slots:
    void givenFortunesStandAsWritten_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("fortune");
        QTest::newRow("0") << 0 << "Everywhere you choose to go, friendly faces will greet you.";
        QTest::newRow("1") << 1 << "Your talents will be recognized and suitably rewarded.";
        QTest::newRow("2") << 2 << "He who hurries cannot walk with dignity.";
        QTest::newRow("10") << 10 << "Fortune favors the brave.";
        QTest::newRow("12 lower case, blank before apostrophe") << 12 << "you haven 't failed until you give up.";
        QTest::newRow("19") << 19 << "There 's a secret romance blooming! Go for it, in spite of your hesitation.";
        QTest::newRow("95") << 95 << "Tastes like chicken.";
        QTest::newRow("147") << 147 << "A virtual fortune cookie will not satisfy your hunger like that of a home made one.";
        QTest::newRow("150, the longest")
            << 150
            << "Don 't worry about things in the past, there is nothing you can do about them now. Don't worry "
               "about things that are happening now, make the best of a bad situation. Don't worry about things "
               "in the future, they may never happen.";
        QTest::newRow("155, the last") << 155 << "Next time you have the opportunity, go on a rollercoaster.";
    }

    void givenFortunesStandAsWritten()
    {
        QFETCH(int, key);
        QFETCH(QString, fortune);
        QCOMPARE(captionsFor(static_cast<qint16>(key)), QStringList{fortune});
    }

    void ownFortunesAreShortDistinctSayings()
    {
        QSet<QString> all;
        int own = 0;
        int longest = 0;
        for (int key = 0; key < FortuneCount; ++key) {
            const QString fortune = QString::fromUtf8(FortuneTable[key]);
            all.insert(fortune);
            if (fortune.size() > QString::fromUtf8(FortuneTable[longest]).size())
                longest = key;
            if (GivenKeys.contains(key))
                continue;
            ++own;
            const QByteArray where = QByteArray::number(key) + ": " + FortuneTable[key];
            QVERIFY2(fortune.size() >= 25 && fortune.size() <= 100, where);
            QVERIFY2(fortune == fortune.simplified(), where);
            QVERIFY2(fortune.at(0).isUpper(), where);
            QVERIFY2(QStringLiteral(".!?").contains(fortune.back()), where);
        }
        QCOMPARE(own, 146);
        QCOMPARE(all.size(), FortuneCount);
        QCOMPARE(longest, 150);
        QCOMPARE(QString::fromUtf8(FortuneTable[150]).size(), 228);
    }

    void searchFindsEachKeyOnce()
    {
        for (int key = 0; key < FortuneCount; ++key) {
            bool found = false;
            const QStringList captions = captionsFor(static_cast<qint16>(key), &found);
            QVERIFY(found);
            QCOMPARE(captions, QStringList{QString::fromUtf8(FortuneTable[key])});
        }
    }

    void numberWithoutKeyLeavesTheCaption_data()
    {
        QTest::addColumn<int>("drawn");
        QTest::newRow("one past the last key (the unused slot)") << 156;
        QTest::newRow("below the first key") << -1;
        QTest::newRow("largest") << 32767;
        QTest::newRow("smallest") << -32768;
    }

    void numberWithoutKeyLeavesTheCaption()
    {
        QFETCH(int, drawn);
        bool found = true;
        QVERIFY(captionsFor(static_cast<qint16>(drawn), &found).isEmpty());
        QVERIFY(!found);
    }

    void drawReachesBothEndsAndUsesOneValue_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("key");
        QTest::newRow("r = 0") << 0.0f << 0;
        QTest::newRow("largest r below 1") << ScriptedServices::largestBelowOne() << 155;
        QTest::newRow("a half") << 0.5f << 78;
    }

    void drawReachesBothEndsAndUsesOneValue()
    {
        QFETCH(float, r);
        QFETCH(int, key);
        ScriptedServices services;
        services.scriptRandom({r, 0.0f});
        FirstDraw = -7;
        QCOMPARE(DrawFortune(), key);
        QCOMPARE(FirstDraw, key);
        QCOMPARE(services.randomValuesLeft(), 1);
    }

    void drawSplitsTheRangeAtEveryKey()
    {
        for (int key = 1; key < FortuneCount; ++key) {
            const float edge = lowestValueFor(key);
            QCOMPARE(drawWith(edge), key);
            QCOMPARE(drawWith(std::nextafter(edge, 0.0f)), key - 1);
        }
        // The product is taken in single precision: the value just below
        // 151/156 still rounds up to 151 there, where double precision gives 150.
        float below = static_cast<float>(151.0 / 156.0);
        while (static_cast<double>(below) * 156.0 >= 151.0)
            below = std::nextafter(below, 0.0f);
        QCOMPARE(drawWith(below), 151);
    }

    void realGeneratorReachesEveryKeyEvenly()
    {
        const int perKey = 300;
        QList<int> counts(FortuneCount, 0);
        for (int i = 0; i < FortuneCount * perKey; ++i) {
            const int key = DrawFortune();
            QVERIFY(key >= 0 && key < FortuneCount);
            ++counts[key];
        }
        for (int key = 0; key < FortuneCount; ++key)
            QVERIFY2(counts[key] > perKey / 2 && counts[key] < perKey * 3 / 2, qPrintable(QString::number(key)));
    }
};

ORRIN_TEST(FortuneCookieTableTest)
#include "FortuneCookieTableTest.moc"

#include "ScriptedServices.h"
#include "TestMain.h"

#include "oracles/cyclomancy/modCyclomancy.h"

#include <QRegularExpression>
#include <QSet>

#include <array>
#include <cmath>

using namespace modCyclomancy;

namespace {

// The smallest r whose r × 9, in single precision, is at least x.
float firstReaching(float x)
{
    float r = x / 9.0f;
    while (r * 9.0f >= x)
        r = std::nextafter(r, 0.0f);
    while (r * 9.0f < x)
        r = std::nextafter(r, 1.0f);
    return r;
}

} // namespace

class CyclomancyDrawTest : public QObject {
    Q_OBJECT

private slots:
    void wheelRoundsHalvesToEven_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("hand");
        QTest::newRow("r = 0 gives 1") << 0.0f << 0;
        QTest::newRow("largest r below 1 gives 10") << ScriptedServices::largestBelowOne() << 9;
        for (int below = 0; below <= 8; ++below) {
            const float half = static_cast<float>(below) + 0.5f;
            const float exact = firstReaching(half);
            float above = exact;
            while (above * 9.0f == half)
                above = std::nextafter(above, 1.0f);
            QVERIFY(exact * 9.0f == half); // else the "exactly" row would test nothing
            const int even = below % 2 == 0 ? below : below + 1;
            QTest::addRow("just below %d.5", below) << std::nextafter(exact, 0.0f) << below;
            QTest::addRow("exactly %d.5", below) << exact << even;
            QTest::addRow("just above %d.5", below) << above << below + 1;
        }
    }

    void wheelRoundsHalvesToEven()
    {
        QFETCH(float, r);
        QFETCH(int, hand);
        QCOMPARE(WheelIndex(r), hand);

        ScriptedServices services;
        services.scriptRandom({r});
        QCOMPARE(DrawCyclomancyIndex(), hand);
        QCOMPARE(services.randomValuesLeft(), 0);
    }

    void evenGridGivesHalfWeightToTheEnds()
    {
        // r spread evenly over [0, 1): 1 and 10 get exactly half the share of
        // 2 to 9. A truncating wheel (never 10) or a uniform one fails.
        const int steps = 9000;
        QList<float> grid;
        for (int i = 0; i < steps; ++i)
            grid << (static_cast<float>(i) + 0.5f) / steps;
        ScriptedServices services;
        services.scriptRandom(grid);
        std::array<int, NumberCount> counts{};
        for (int i = 0; i < steps; ++i)
            ++counts[DrawCyclomancyIndex()];
        const std::array<int, NumberCount> expected{500, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 500};
        QCOMPARE(counts, expected);
    }

    void interpretations()
    {
        QCOMPARE(Interpretation(0),
                 "Number one stands for initiation, starting a new project or the beginning of a new time period. "
                 "Your mind will be infused with novel ideas and. With an inspired and revised outlook toward life "
                 "you will feel a strong urge to move ahead. A new change in all the spheres of your life, romance, "
                 "career and education is on the cards.");
        QCOMPARE(Interpretation(9),
                 "This number represents the finishing point of a lengthy and arduous journey. An air of change "
                 "will blow into your life from all directions. Fame and respect will be showered on you for "
                 "achieving success. You will enjoy at the gathering of your family, relatives and friends. A "
                 "sense of soaring idealism will occupy your mind.");
        const QStringList openings = {
            "At this point of your life, you need to be more tactful and subtle in business affairs. ",
            "This number denotes generation, growth and new birth. ",
            "You will realize the true value of stability and security in your life. ",
            "There is much chance that you will be ridden with many complications to overcome. ",
            "This will be a happy time for you with ample opportunities to attain success and reputation. ",
            "You must think twice before initiating anything new. ",
            "On the positive side, you will feel highly determined and pursue relentlessly your goal in life. ",
            "After much worry and delay, success will be nearing you after a long time. ",
        };
        const QRegularExpression sentenceEnd(QStringLiteral("[.!?]( |$)"));
        QSet<QString> distinct;
        for (int k = 0; k < NumberCount; ++k) {
            const QString text = Interpretation(k);
            if (k >= 1 && k <= 8)
                QVERIFY2(text.startsWith(openings[k - 1]), qPrintable(text));
            QVERIFY2(text.size() >= 302 && text.size() <= 363, qPrintable(QString::number(k + 1)));
            const qsizetype sentences = text.count(sentenceEnd);
            QVERIFY2(sentences >= 4 && sentences <= 6, qPrintable(QString::number(k + 1)));
            distinct.insert(text);
        }
        QCOMPARE(distinct.size(), NumberCount);
        QVERIFY(Interpretation(-1).isEmpty());
        QVERIFY(Interpretation(NumberCount).isEmpty());
    }

    void welcomeText()
    {
        QCOMPARE(QString::fromUtf8(WelcomeText),
                 QStringLiteral("Welcome to Orrin Cyclomancy! Let the Wheel help you solve your problems.")
                     + QString(69, QLatin1Char(' '))
                     + QStringLiteral("Just close your eyes and meditate on your problem. Open your eyes and "
                                      "click on the button! "));
    }
};

ORRIN_TEST(CyclomancyDrawTest)
#include "CyclomancyDrawTest.moc"

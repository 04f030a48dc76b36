#include "TestMain.h"

#include "oracles/arithmancy/modArithmancy.h"

#include <QRandomGenerator>
#include <QSet>

#include <limits>

using namespace modArithmancy;

namespace {

// The digital root by arithmetic modulo 9, independent of digit summing.
int digitalRoot(quint64 n)
{
    return n == 0 ? 0 : static_cast<int>(1 + (n - 1) % 9);
}

} // namespace

class ArithmancyEngineTest : public QObject {
    Q_OBJECT

private slots:
    void letterValuesFollowTheTable()
    {
        const char *const lettersOfValue[] = {"AJS", "BKT", "CLU", "DMV", "ENW", "FOX", "GPY", "HQZ", "IR"};
        int letters = 0;
        for (int value = 1; value <= 9; ++value) {
            for (const char *c = lettersOfValue[value - 1]; *c; ++c, ++letters)
                QCOMPARE(LetterValue(QLatin1Char(*c)), value);
        }
        QCOMPARE(letters, 26);
        // Neighbours of A..Z, lower case and letters outside ASCII count nothing.
        for (const char16_t other : {u'@', u'[', u'a', u'z', u'0', u' ', u'-', u'\'', u'\u00c9', u'\u0130'})
            QCOMPARE(LetterValue(QChar(other)), 0);
        const QString vowels = QStringLiteral("AEIOU");
        for (char16_t c = u'A'; c <= u'Z'; ++c)
            QCOMPARE(IsVowel(QChar(c)), vowels.contains(QChar(c)));
        QVERIFY(!IsVowel(QLatin1Char('a')));
    }

    void readings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("character");
        QTest::addColumn<int>("heart");
        QTest::addColumn<int>("social");
        QTest::newRow("JOHN") << "JOHN" << 2 << 6 << 5;
        QTest::newRow("MARY ANN, blank skipped") << "MARY ANN" << 5 << 2 << 3;
        QTest::newRow("RHYTHM, Y a consonant") << "RHYTHM" << 2 << 0 << 2;
        QTest::newRow("AEIOU") << "AEIOU" << 6 << 6 << 0;
        QTest::newRow("11 is no master number") << "BI" << 2 << 9 << 2;
        QTest::newRow("hyphen and apostrophe") << "O'BRIEN-SMITH" << 6 << 2 << 4;
        QTest::newRow("pasted lower case is skipped") << "JOhn" << 7 << 6 << 1;
        QTest::newRow("all lower case") << "john" << 0 << 0 << 0;
        QTest::newRow("accented capital skipped") << QStringLiteral("\u00c9MILE") << 3 << 5 << 7;
        QTest::newRow("digits only") << "1984" << 0 << 0 << 0;
        QTest::newRow("punctuation only") << "?!-.'" << 0 << 0 << 0;
        QTest::newRow("blanks") << "   " << 0 << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 0 << 0;
    }

    void readings()
    {
        QFETCH(QString, name);
        QFETCH(int, character);
        QFETCH(int, heart);
        QFETCH(int, social);
        const ArithmancyReading reading = ComputeArithmancyReading(name);
        QCOMPARE(reading.CharacterNumber, character);
        QCOMPARE(reading.HeartNumber, heart);
        QCOMPARE(reading.SocialNumber, social);

        QCOMPARE(reading.HeartText, heart ? MeaningOf(heart) : QStringLiteral("No Heart Number available"));
        QCOMPARE(reading.SocialText, social ? MeaningOf(social) : QStringLiteral("No Social Number available"));
        if (character) {
            QCOMPARE(reading.CharacterText, MeaningOf(character));
        } else {
            // Our own line for a name without letters: short, like the other two.
            QVERIFY(!reading.CharacterText.isEmpty() && reading.CharacterText.size() < 100);
            QVERIFY(reading.CharacterText.contains(QLatin1String("Character")));
        }
    }

    void reduceToOneDigit_data()
    {
        QTest::addColumn<quint64>("total");
        QTest::addColumn<int>("digit");
        QTest::newRow("0 stays 0") << quint64(0) << 0;
        QTest::newRow("10") << quint64(10) << 1;
        QTest::newRow("11") << quint64(11) << 2;
        QTest::newRow("191 in two rounds") << quint64(191) << 2;
        QTest::newRow("1000") << quint64(1000) << 1;
        QTest::newRow("past 16 bits") << quint64(32768) << 8;
        QTest::newRow("largest 64-bit") << std::numeric_limits<quint64>::max() << 6;
    }

    void reduceToOneDigit()
    {
        QFETCH(quint64, total);
        QFETCH(int, digit);
        quint64 n = total;
        QCOMPARE(ReduceToOneDigit(n), digit);
        QCOMPARE(n, quint64(digit));
        QCOMPARE(digitalRoot(total), digit);
    }

    void reductionAgreesWithModuloNine()
    {
        QRandomGenerator random(20240611);
        for (int i = 0; i < 2000; ++i) {
            const quint64 total = i < 1000 ? quint64(i) : random.generate64();
            quint64 n = total;
            QCOMPARE(ReduceToOneDigit(n), digitalRoot(total));
        }
    }

    void veryLongNamesGiveTheRightDigit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint64>("heartTotal");
        QTest::addColumn<quint64>("socialTotal");
        const int million = 1000000;
        QTest::newRow("a million Z") << QString(million, QLatin1Char('Z')) << quint64(0) << quint64(8) * million;
        QTest::newRow("a million E") << QString(million, QLatin1Char('E')) << quint64(5) * million << quint64(0);
        // 1 + 9 + 8 = 18 per pair of letters and blank.
        QTest::newRow("IH pasted with blanks") << QStringLiteral("IH ").repeated(million / 3) << quint64(9) * (million / 3)
                                               << quint64(8) * (million / 3);
    }

    void veryLongNamesGiveTheRightDigit()
    {
        QFETCH(QString, name);
        QFETCH(quint64, heartTotal);
        QFETCH(quint64, socialTotal);
        const ArithmancyReading reading = ComputeArithmancyReading(name);
        QCOMPARE(reading.CharacterNumber, digitalRoot(heartTotal + socialTotal));
        QCOMPARE(reading.HeartNumber, digitalRoot(heartTotal));
        QCOMPARE(reading.SocialNumber, digitalRoot(socialTotal));
    }

    void meaningTable()
    {
        QCOMPARE(MeaningOf(1),
                 "Being the first digit, number one insists you to be a leader in every sphere of your life. You "
                 "are blessed with immense will power and the drive needed for successful completion of any task. "
                 "Try to channelize your energy in positive ways to get the maximum benefit. You are highly "
                 "individualistic in your point of view. Your approach regarding the solution of any problem is "
                 "original and innovative. Your preference for independence above everything else and pioneering "
                 "attitude is easily discernible. On the negative side, you run the risk of being considered as a "
                 "very arrogant, bossy and lonesome person.");
        const QStringList openings = {
            "The most important characteristic of number two people is their ability to communicate and "
            "co-operate with others. ",
            "According to Pythagorean theorists, 3 is the first complete digit having a beginning, midpoint and "
            "an end. ",
            "The vibe of number four is reflected through the laboriousness and practicality of the number four "
            "person. ",
            "Under the influence of number five, you will acquire a volatile temperament with time. ",
            "This number signifies a highly romantic disposition. ",
            "Number seven people are infused with the spirit of mysticism and spirituality. ",
            "Down the ages, number eight has earned the reputation of being the most unpredictable number of "
            "all. ",
            "Great resolve, enthusiasm and dynamism are the keywords in life for number nine people. ",
        };
        QSet<QString> distinct;
        for (int number = 1; number <= MeaningCount; ++number) {
            const QString meaning = MeaningOf(number);
            if (number > 1)
                QVERIFY2(meaning.startsWith(openings[number - 2]), qPrintable(meaning));
            QVERIFY2(meaning.size() >= 400 && meaning.size() <= 800, qPrintable(QString::number(number)));
            QVERIFY(meaning.contains(QLatin1String(" you")));
            QVERIFY(meaning.endsWith(QLatin1Char('.')) && meaning == meaning.simplified());
            distinct.insert(meaning);
        }
        QCOMPARE(distinct.size(), MeaningCount);
        QVERIFY(MeaningOf(0).isEmpty());
        QVERIFY(MeaningOf(10).isEmpty());
    }
};

ORRIN_TEST(ArithmancyEngineTest)
#include "ArithmancyEngineTest.moc"

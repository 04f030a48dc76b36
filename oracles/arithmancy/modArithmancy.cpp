#include "modArithmancy.h"

namespace modArithmancy {

int LetterValue(QChar letter)
{
    const char16_t code = letter.unicode();
    if (code < u'A' || code > u'Z')
        return 0;
    return (code - u'A') % 9 + 1;
}

bool IsVowel(QChar letter)
{
    switch (letter.unicode()) {
    case u'A':
    case u'E':
    case u'I':
    case u'O':
    case u'U':
        return true;
    default:
        return false;
    }
}

int ReduceToOneDigit(quint64 &n)
{
    while (n > 9) {
        quint64 sum = 0;
        for (quint64 rest = n; rest != 0; rest /= 10)
            sum += rest % 10;
        n = sum;
    }
    return static_cast<int>(n);
}

QString MeaningOf(int number)
{
    if (number < 1 || number > MeaningCount)
        return QString();
    return QString::fromUtf8(NumberMeaning[number - 1]);
}

ArithmancyReading ComputeArithmancyReading(const QString &name)
{
    // A QString holds fewer than 2^31 characters of value 9 at most, so
    // these totals stay far below 2^64.
    quint64 character = 0;
    quint64 heart = 0;
    quint64 social = 0;
    for (const QChar letter : name) {
        const int value = LetterValue(letter);
        if (value == 0)
            continue;
        character += value;
        if (IsVowel(letter))
            heart += value;
        else
            social += value;
    }

    ArithmancyReading reading;
    reading.CharacterNumber = static_cast<qint16>(ReduceToOneDigit(character));
    reading.HeartNumber = static_cast<qint16>(ReduceToOneDigit(heart));
    reading.SocialNumber = static_cast<qint16>(ReduceToOneDigit(social));

    reading.CharacterText = reading.CharacterNumber == 0 ? QString::fromUtf8(NoCharacterNumberText)
                                                         : MeaningOf(reading.CharacterNumber);
    reading.HeartText =
        reading.HeartNumber == 0 ? QString::fromUtf8(NoHeartNumberText) : MeaningOf(reading.HeartNumber);
    reading.SocialText =
        reading.SocialNumber == 0 ? QString::fromUtf8(NoSocialNumberText) : MeaningOf(reading.SocialNumber);
    return reading;
}

} // namespace modArithmancy

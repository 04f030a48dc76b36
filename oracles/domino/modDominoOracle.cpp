#include "modDominoOracle.h"

#include "platform/Platform.h"

#include <cmath>

namespace modDominoOracle {

QString DominoKey[DominoSlots];
QString DominoReading[DominoSlots];
qint16 FirstHalf = 0;
qint16 SecondHalf = 0;
QString ReadingText;

namespace {

// Int(r * 7) for one value of the shared generator, in single precision.
qint16 drawHalf()
{
    const float scaled = Rnd() * static_cast<float>(HalfCount);
    return static_cast<qint16>(std::floor(scaled));
}

} // namespace

void LoadDominoTable()
{
    for (int i = 0; i < DominoEntryCount; ++i) {
        DominoKey[i] = QString::fromUtf8(DominoTable[i].key);
        DominoReading[i] = QString::fromUtf8(DominoTable[i].reading);
    }
}

void CastDomino()
{
    LoadDominoTable();
    FirstHalf = drawHalf();
    SecondHalf = drawHalf();

    const QString key = QString::number(FirstHalf) + QLatin1Char('-') + QString::number(SecondHalf);
    for (int i = 0; i < DominoEntryCount; ++i) {
        if (DominoKey[i] == key) {
            ReadingText = DominoReading[i];
            return;
        }
    }
}

int HalfPicture(qint16 half)
{
    if (half >= 1 && half <= 6)
        return half;
    if (half == 0)
        return BlankHalfPicture;
    return 0;
}

QString HalfLabel(qint16 half)
{
    if (half >= 1 && half <= 6)
        return QString::number(half);
    if (half == 0)
        return QStringLiteral("Blank");
    return {};
}

QString DominoNumber(qint16 first, qint16 second)
{
    return HalfLabel(first) + QLatin1Char('-') + HalfLabel(second);
}

} // namespace modDominoOracle

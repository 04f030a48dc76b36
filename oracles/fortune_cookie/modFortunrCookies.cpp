#include "modFortunrCookies.h"

#include "platform/Platform.h"

#include <cmath>

namespace modFortunrCookies {

qint16 DrawFortune()
{
    const float scaled = Rnd() * static_cast<float>(FortuneCount);
    FirstDraw = static_cast<qint16>(std::floor(scaled));
    return FirstDraw;
}

bool ShowFortune(const FortuneCaption &setCaption)
{
    // Both arrays are built afresh on every call; slot 156 keeps key 0 and an
    // empty text and lies outside the search.
    qint16 FortuneKey[FortuneSlots] = {};
    QString FortuneText[FortuneSlots];
    for (int i = 0; i < FortuneCount; ++i) {
        FortuneKey[i] = static_cast<qint16>(i);
        FortuneText[i] = QString::fromUtf8(FortuneTable[i]);
    }

    // The search runs from 0 up to the arrays' upper bound minus one: 0..155.
    const int upperBound = FortuneSlots - 1;
    for (int i = 0; i <= upperBound - 1; ++i) {
        if (FortuneKey[i] == FirstDraw) {
            if (setCaption)
                setCaption(FortuneText[i]);
            return true;
        }
    }
    return false;
}

} // namespace modFortunrCookies

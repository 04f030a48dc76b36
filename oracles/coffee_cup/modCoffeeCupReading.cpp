#include "modCoffeeCupReading.h"

#include "platform/Platform.h"

#include <cmath>

namespace modCoffeeCupReading {

QString SymbolName[SymbolCount + 1];
QString SymbolMeaning[SymbolCount + 1];
qint16 DrawnIndex = 0;

void LoadCoffeeCupTable()
{
    for (int key = 1; key <= SymbolCount; ++key) {
        SymbolName[key] = QString::fromUtf8(CoffeeCupTable[key - 1].name);
        SymbolMeaning[key] = QString::fromUtf8(CoffeeCupTable[key - 1].meaning);
    }
}

qint16 DrawCoffeeCupSymbol()
{
    const float r = Rnd();
    DrawnIndex = static_cast<qint16>(std::floor(r * static_cast<float>(SymbolCount) + 1.0f));
    return DrawnIndex;
}

} // namespace modCoffeeCupReading

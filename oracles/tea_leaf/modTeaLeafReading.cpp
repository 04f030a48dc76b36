#include "modTeaLeafReading.h"

#include "platform/Platform.h"

#include <algorithm>
#include <array>
#include <cmath>

qint16 FirstDraw = 0;

namespace modTeaLeafReading {

qint16 LetterRangeStart[LetterRangeCount];
qint16 LetterRangeEnd[LetterRangeCount];

qint16 SymbolNumber[TeaLeafSymbolCount];
QString SymbolName[TeaLeafSymbolCount];
QString SymbolMeaning[TeaLeafSymbolCount];

qint16 SecondDraw = 0;
qint16 ThirdDraw = 0;
QString FirstSymbol;
QString SecondSymbol;
QString ThirdSymbol;
QString FirstMeaning;
QString SecondMeaning;
QString ThirdMeaning;

namespace {

// Start and end of each letter range, in alphabetical order.
constexpr struct {
    qint16 start;
    qint16 end;
} Ranges[LetterRangeCount] = {
    {0, 16},    // A
    {17, 31},   // B
    {32, 63},   // C
    {64, 71},   // D
    {72, 79},   // E
    {80, 96},   // F
    {97, 110},  // G
    {111, 122}, // H
    {123, 127}, // I
    {128, 129}, // J
    {130, 134}, // K
    {135, 143}, // L
    {144, 151}, // M
    {152, 155}, // N
    {156, 159}, // O
    {160, 170}, // P
    {171, 171}, // Q
    {172, 178}, // R
    {179, 192}, // S
    {193, 199}, // T
    {200, 201}, // U
    {202, 203}, // V
    {204, 214}, // W
    {215, 216}, // Y
    {217, 217}, // Z
};

// Int(Rnd * n) for one value of the shared generator: 0..n-1. The product is
// taken in single precision as the generator gives it; it stays below n even
// for the largest value below 1.
qint16 drawBelow(int n)
{
    const float scaled = Rnd() * static_cast<float>(n);
    return static_cast<qint16>(std::floor(scaled));
}

// A symbol number inside letter range g, uniform over its rows. The whole
// part of r * size is taken before the start is added: adding the start in
// single precision first could round a value near 1 up past the range's end.
qint16 drawSymbolInRange(qint16 g)
{
    const int size = LetterRangeEnd[g] - LetterRangeStart[g] + 1;
    return static_cast<qint16>(drawBelow(size) + LetterRangeStart[g]);
}

void fillTable()
{
    for (int i = 0; i < TeaLeafSymbolCount; ++i) {
        SymbolNumber[i] = static_cast<qint16>(i);
        SymbolName[i] = QString::fromUtf8(TeaLeafTable[i].symbol);
        SymbolMeaning[i] = QString::fromUtf8(TeaLeafTable[i].meaning);
    }
}

// Copies name and meaning of the first row numbered `draw`; none found
// leaves both empty.
void resolveOne(qint16 draw, QString &symbol, QString &meaning)
{
    symbol.clear();
    meaning.clear();
    for (int i = 0; i < TeaLeafSymbolCount; ++i) {
        if (SymbolNumber[i] == draw) {
            symbol = SymbolName[i];
            meaning = SymbolMeaning[i];
            return;
        }
    }
}

} // namespace

void LoadLetterRanges()
{
    for (int k = 0; k < LetterRangeCount; ++k) {
        LetterRangeStart[k] = Ranges[k].start;
        LetterRangeEnd[k] = Ranges[k].end;
    }
}

void DrawTeaLeafReading()
{
    Randomize();

    FirstDraw = drawBelow(LetterRangeCount);
    do {
        SecondDraw = drawBelow(LetterRangeCount);
    } while (SecondDraw == FirstDraw);
    do {
        ThirdDraw = drawBelow(LetterRangeCount);
    } while (ThirdDraw == FirstDraw || ThirdDraw == SecondDraw);

    LoadLetterRanges();

    // One fresh value per draw, handed out in ascending order of the letter
    // ranges rather than in first/second/third order.
    std::array<qint16 *, 3> draws = {&FirstDraw, &SecondDraw, &ThirdDraw};
    std::sort(draws.begin(), draws.end(), [](const qint16 *a, const qint16 *b) { return *a < *b; });
    for (qint16 *draw : draws)
        *draw = drawSymbolInRange(*draw);

    ResolveTeaLeafReading();
}

void ResolveTeaLeafReading()
{
    fillTable();
    resolveOne(FirstDraw, FirstSymbol, FirstMeaning);
    resolveOne(SecondDraw, SecondSymbol, SecondMeaning);
    resolveOne(ThirdDraw, ThirdSymbol, ThirdMeaning);
}

} // namespace modTeaLeafReading

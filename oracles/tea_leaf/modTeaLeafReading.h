#pragma once

#include "oracles/SharedState.h"
#include "oracles/tea_leaf/TeaLeafTable.h"

#include <QString>

// The tea leaf reading: the symbol table, the letter ranges that cut it by
// initial letter, and the two-stage draw of three symbols.
namespace modTeaLeafReading {

// One range per initial letter A..Z without X, in alphabetical order.
inline constexpr int LetterRangeCount = 25;

// Range k covers the symbol numbers LetterRangeStart[k]..LetterRangeEnd[k].
extern qint16 LetterRangeStart[LetterRangeCount];
extern qint16 LetterRangeEnd[LetterRangeCount];

// The symbol table as filled by ResolveTeaLeafReading: number, name and
// meaning per row, number = position.
extern qint16 SymbolNumber[TeaLeafSymbolCount];
extern QString SymbolName[TeaLeafSymbolCount];
extern QString SymbolMeaning[TeaLeafSymbolCount];

// The reading last drawn. During a draw each of the three numbers first holds
// a letter range index (0..24), then a symbol number (0..217). The first one
// is the program-wide FirstDraw.
using ::FirstDraw;
extern qint16 SecondDraw;
extern qint16 ThirdDraw;
extern QString FirstSymbol;
extern QString SecondSymbol;
extern QString ThirdSymbol;
extern QString FirstMeaning;
extern QString SecondMeaning;
extern QString ThirdMeaning;

// Fills LetterRangeStart and LetterRangeEnd.
void LoadLetterRanges();

// Reseeds the generator, draws three different letter ranges and one symbol
// inside each, then resolves the reading.
void DrawTeaLeafReading();

// Fills the symbol table and copies name and meaning of the rows numbered
// FirstDraw, SecondDraw and ThirdDraw into the reading. A number that names
// no row leaves that symbol and meaning empty.
void ResolveTeaLeafReading();

} // namespace modTeaLeafReading

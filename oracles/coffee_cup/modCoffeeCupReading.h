#pragma once

#include <QString>

// The coffee cup symbol table and the symbol last drawn.
namespace modCoffeeCupReading {

inline constexpr int SymbolCount = 79;

struct CoffeeCupRow {
    const char *name;    // UTF-8
    const char *meaning; // UTF-8, trailing blanks are part of the text
};

// Rows for keys 1..79, in key order (row i holds key i + 1).
extern const CoffeeCupRow CoffeeCupTable[SymbolCount];

// Parallel arrays indexed 1..79; slot 0 is never written or read.
extern QString SymbolName[SymbolCount + 1];
extern QString SymbolMeaning[SymbolCount + 1];

// The key of the symbol last drawn, 1..79 once a draw has run.
extern qint16 DrawnIndex;

// Fills SymbolName and SymbolMeaning from the table.
void LoadCoffeeCupTable();

// Int(r * 79 + 1) for one value r of the shared generator; stores and returns it.
qint16 DrawCoffeeCupSymbol();

} // namespace modCoffeeCupReading

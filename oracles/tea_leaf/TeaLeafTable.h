#pragma once

// The tea leaf symbol table: 218 rows, row number = position, in the binding
// order that the letter ranges depend on.
namespace modTeaLeafReading {

inline constexpr int TeaLeafSymbolCount = 218;

struct TeaLeafRow {
    const char *symbol;  // UTF-8
    const char *meaning; // UTF-8
};

extern const TeaLeafRow TeaLeafTable[TeaLeafSymbolCount];

} // namespace modTeaLeafReading

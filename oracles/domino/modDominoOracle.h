#pragma once

#include <QString>

// The domino oracle: the table of all ordered pairs of a double-six set with
// their readings, and the draw of one domino.
namespace modDominoOracle {

// A half runs from 0 (blank) to 6 pips.
inline constexpr int HalfCount = 7;
// One entry per ordered pair (a, b), at position 7 * a + b.
inline constexpr int DominoEntryCount = HalfCount * HalfCount;
// DominoKey and DominoReading are dimensioned 0..49; entry 49 is never
// written or read.
inline constexpr int DominoSlots = DominoEntryCount + 1;
// The picture of a blank half in the half-picture list (1..6 show the pips).
inline constexpr int BlankHalfPicture = 7;

struct DominoRow {
    const char *key;     // "a-b", digits 0..6
    const char *reading; // UTF-8; a final blank is part of the text
};

// The 49 entries in table order, entry 7 * a + b holding the pair (a, b).
// (a, b) and (b, a) read the same, except 1-3/3-1 (final full stop) and
// 2-6/6-2, 4-5/5-4, 5-6/6-5 (final blank).
extern const DominoRow DominoTable[DominoEntryCount];

// The domino table as CastDomino fills it.
extern QString DominoKey[DominoSlots];
extern QString DominoReading[DominoSlots];

// The last draw, kept until the next one: the two halves (0..6, 0 = blank)
// and the reading of the pair they make.
extern qint16 FirstHalf;
extern qint16 SecondHalf;
extern QString ReadingText;

// Fills DominoKey and DominoReading at 0..48 (filling again assigns the same).
void LoadDominoTable();

// Fills the table, draws FirstHalf = Int(r * 7) and then SecondHalf = Int(r * 7)
// from two values of the shared generator (single precision), builds the key
// "FirstHalf-SecondHalf" and sets ReadingText to the reading of the first
// entry with that key. Every drawn key is in the table.
void CastDomino();

// The half's picture in the half-picture list: 1..6 for 1..6 pips,
// BlankHalfPicture for 0; 0 (no picture) for anything else.
int HalfPicture(qint16 half);

// The half as the domino's number shows it: "Blank" for 0, the digit for 1..6;
// empty for anything else.
QString HalfLabel(qint16 half);

// The domino's number for the Display window: the two half labels joined by a
// hyphen, e.g. "6-2", "Blank-3", "Blank-Blank".
QString DominoNumber(qint16 first, qint16 second);

} // namespace modDominoOracle

#pragma once

// The five religious texts as literal rows, in index order. The fill
// procedures of modBibliomancy copy them into the public arrays.
namespace modBibliomancy {

inline constexpr int ChristianityCount = 74;
inline constexpr int HinduismCount = 57;
inline constexpr int IslamCount = 36;
inline constexpr int JudaismCount = 37;
inline constexpr int HexagramCount = 64;

struct PassageRow {
    const char *ref;  // source caption, UTF-8
    const char *text; // passage, UTF-8; lines joined by "\r\n"
};

struct HexagramRow {
    const char *name;
    const char *judgement;
    const char *image;
};

extern const PassageRow ChristianityTable[ChristianityCount];
extern const PassageRow HinduismTable[HinduismCount];
extern const PassageRow IslamTable[IslamCount];
extern const PassageRow JudaismTable[JudaismCount];
// Hexagram n (1..64) stands at row n - 1.
extern const HexagramRow IChingTable[HexagramCount];

} // namespace modBibliomancy

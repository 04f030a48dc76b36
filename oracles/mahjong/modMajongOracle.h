#pragma once

#include <QString>

// The mahjong oracle: the table of 42 kinds of tile, the attributes that the
// winds, flowers and seasons carry besides, and the draw of one tile.
namespace modMajongOracle {

// Tiles are numbered 1..42; the number is also the tile's picture in the
// Main window's image list.
inline constexpr int TileCount = 42;

struct TileRow {
    const char *name;        // as a player names it; UTF-8, trailing blanks kept
    const char *englishName; // the symbol; the Name again for honours
    const char *chineseName; // romanised, UTF-8 ("Chü")
    const char *pictureKey;  // the picture's key in the image list
    const char *description; // UTF-8, trailing blanks kept
};

// Rows in picture-key order: row i holds tile i + 1.
extern const TileRow MahjongTable[TileCount];

// The four columns as CastMahjongTile fills them, indexed 1..42; position 0 is
// never written or read.
extern QString TileName[TileCount + 1];
extern QString TileEnglishName[TileCount + 1];
extern QString TileChineseName[TileCount + 1];
extern QString TileDescription[TileCount + 1];

// The current tile: the last draw, kept until the next one. The number is
// 1..42 once a draw has run; the texts are copied from the table.
extern qint16 CurrentTileNumber;
extern QString CurrentTileName;
extern QString CurrentEnglishName;
extern QString CurrentChineseName;
extern QString CurrentDescription;

// Fills the four columns at positions 1..42 (filling again assigns the same).
void LoadMahjongTable();

// Fills the table, draws CurrentTileNumber = Int(r * 42 + 1) from one value of
// the shared generator (single precision: 1..42) and copies that tile's Name,
// English name, Chinese name and Description into the current tile.
void CastMahjongTile();

// The tile's picture number in the image list: the tile number itself.
inline int TilePicture(qint16 tile)
{
    return tile;
}

// Honour tile attributes, chosen by the tile's English name.
struct WindAttributes {
    const char *englishName;
    const char *season;
    const char *color;
    const char *element;
    const char *constellation; // a suit tile's English name and Name
};

struct FlowerAttributes {
    const char *englishName;
    const char *player;
    const char *season;
};

struct SeasonAttributes {
    const char *englishName;
    const char *player;
    const char *representation;
    const char *flower;
    const char *color;
    const char *element;
};

inline constexpr int WindCount = 4;
inline constexpr int FlowerCount = 4;
inline constexpr int SeasonCount = 4;

// In the order the Display window compares them: East, South, West, North;
// Plum Blossom, Orchid, Chrysanthemum, Bamboo; Spring, Summer, Autumn, Winter.
extern const WindAttributes WindTable[WindCount];
extern const FlowerAttributes FlowerTable[FlowerCount];
extern const SeasonAttributes SeasonTable[SeasonCount];

// The attributes whose English name equals `englishName` exactly (case
// sensitive, blanks count), or nullptr. A tile matches at most one of the
// three; suit tiles and dragons match none.
const WindAttributes *FindWindAttributes(const QString &englishName);
const FlowerAttributes *FindFlowerAttributes(const QString &englishName);
const SeasonAttributes *FindSeasonAttributes(const QString &englishName);

} // namespace modMajongOracle

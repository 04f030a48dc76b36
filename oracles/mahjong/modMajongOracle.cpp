#include "modMajongOracle.h"

#include "platform/Platform.h"

#include <cmath>

namespace modMajongOracle {

QString TileName[TileCount + 1];
QString TileEnglishName[TileCount + 1];
QString TileChineseName[TileCount + 1];
QString TileDescription[TileCount + 1];

qint16 CurrentTileNumber = 0;
QString CurrentTileName;
QString CurrentEnglishName;
QString CurrentChineseName;
QString CurrentDescription;

namespace {

template <typename Row, int Count>
const Row *findByEnglishName(const Row (&table)[Count], const QString &englishName)
{
    for (const Row &row : table) {
        if (englishName == QString::fromUtf8(row.englishName))
            return &row;
    }
    return nullptr;
}

} // namespace

void LoadMahjongTable()
{
    for (int tile = 1; tile <= TileCount; ++tile) {
        const TileRow &row = MahjongTable[tile - 1];
        TileName[tile] = QString::fromUtf8(row.name);
        TileEnglishName[tile] = QString::fromUtf8(row.englishName);
        TileChineseName[tile] = QString::fromUtf8(row.chineseName);
        TileDescription[tile] = QString::fromUtf8(row.description);
    }
}

void CastMahjongTile()
{
    LoadMahjongTable();

    // Int(r * 42 + 1), each step in single precision as the generator gives r;
    // the largest r below 1 still stays below 43.
    const float scaled = Rnd() * static_cast<float>(TileCount) + 1.0f;
    CurrentTileNumber = static_cast<qint16>(std::floor(scaled));

    CurrentTileName = TileName[CurrentTileNumber];
    CurrentEnglishName = TileEnglishName[CurrentTileNumber];
    CurrentChineseName = TileChineseName[CurrentTileNumber];
    CurrentDescription = TileDescription[CurrentTileNumber];
}

const WindAttributes *FindWindAttributes(const QString &englishName)
{
    return findByEnglishName(WindTable, englishName);
}

const FlowerAttributes *FindFlowerAttributes(const QString &englishName)
{
    return findByEnglishName(FlowerTable, englishName);
}

const SeasonAttributes *FindSeasonAttributes(const QString &englishName)
{
    return findByEnglishName(SeasonTable, englishName);
}

} // namespace modMajongOracle

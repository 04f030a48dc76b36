#pragma once

#include "oracles/bibliomancy/BibliomancyTables.h"

#include <QString>

// The passages of the five religious texts that Bibliomancy draws from. Every
// array stays empty until its fill procedure has run; filling again assigns
// the same values.
namespace modBibliomancy {

extern QString ChristianityText[ChristianityCount];
extern QString ChristianityRef[ChristianityCount];
extern QString HinduismText[HinduismCount];
extern QString HinduismRef[HinduismCount];
extern QString IslamText[IslamCount];
extern QString IslamRef[IslamCount];
extern QString JudaismText[JudaismCount];
extern QString JudaismRef[JudaismCount];

// Indexed 1..64 by hexagram number; slot 0 is never written.
extern QString IChingName[HexagramCount + 1];
extern QString IChingJudgement[HexagramCount + 1];
extern QString IChingImage[HexagramCount + 1];

void LoadChristianityPassages();
void LoadHinduismPassages();
void LoadIslamPassages();
void LoadJudaismPassages();
void LoadIChingHexagrams();

// Int(r * count) for one value r of the shared generator: 0..count - 1.
qint16 DrawPassageIndex(int count);
// Int(r * 64) + 1 for one value r of the shared generator: 1..64.
qint16 DrawHexagramNumber();

} // namespace modBibliomancy

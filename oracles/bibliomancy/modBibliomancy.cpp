#include "modBibliomancy.h"

#include "platform/Platform.h"

#include <cmath>

namespace modBibliomancy {

QString ChristianityText[ChristianityCount];
QString ChristianityRef[ChristianityCount];
QString HinduismText[HinduismCount];
QString HinduismRef[HinduismCount];
QString IslamText[IslamCount];
QString IslamRef[IslamCount];
QString JudaismText[JudaismCount];
QString JudaismRef[JudaismCount];

QString IChingName[HexagramCount + 1];
QString IChingJudgement[HexagramCount + 1];
QString IChingImage[HexagramCount + 1];

namespace {

template <int Count>
void fillPassages(const PassageRow (&rows)[Count], QString (&text)[Count], QString (&ref)[Count])
{
    for (int index = 0; index < Count; ++index) {
        text[index] = QString::fromUtf8(rows[index].text);
        ref[index] = QString::fromUtf8(rows[index].ref);
    }
}

} // namespace

void LoadChristianityPassages()
{
    fillPassages(ChristianityTable, ChristianityText, ChristianityRef);
}

void LoadHinduismPassages()
{
    fillPassages(HinduismTable, HinduismText, HinduismRef);
}

void LoadIslamPassages()
{
    fillPassages(IslamTable, IslamText, IslamRef);
}

void LoadJudaismPassages()
{
    fillPassages(JudaismTable, JudaismText, JudaismRef);
}

void LoadIChingHexagrams()
{
    for (int number = 1; number <= HexagramCount; ++number) {
        IChingName[number] = QString::fromUtf8(IChingTable[number - 1].name);
        IChingJudgement[number] = QString::fromUtf8(IChingTable[number - 1].judgement);
        IChingImage[number] = QString::fromUtf8(IChingTable[number - 1].image);
    }
}

qint16 DrawPassageIndex(int count)
{
    const float r = Rnd();
    return static_cast<qint16>(std::floor(r * static_cast<float>(count)));
}

qint16 DrawHexagramNumber()
{
    const float r = Rnd();
    return static_cast<qint16>(std::floor(r * static_cast<float>(HexagramCount)) + 1.0f);
}

} // namespace modBibliomancy

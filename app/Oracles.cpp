#include "Oracles.h"

#include "frame/WindowRegistry.h"
#include "oracles/arithmancy/frmArithmancyMain.h"
#include "oracles/bibliomancy/frmBibliomancyDisplay.h"
#include "oracles/bibliomancy/frmBibliomancyMain.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingDisplay.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingMain.h"
#include "oracles/cyclomancy/frmCyclomancyMain.h"
#include "oracles/domino/frmDominoOracleDisplay.h"
#include "oracles/domino/frmDominoOracleMain.h"
#include "oracles/fortune_cookie/frmFortuneCookieDisplay.h"
#include "oracles/fortune_cookie/frmFortuneCookieMain.h"
#include "oracles/mahjong/frmMahjongOracleDisplay.h"
#include "oracles/mahjong/frmMahjongOracleMain.h"
#include "oracles/tea_leaf/frmTeaLeafReadingDisplay.h"
#include "oracles/tea_leaf/frmTeaLeafReadingMain.h"
#include "oracles/tea_leaf/frmTeaLeafReadingSave.h"
#include "oracles/podomancy/frmPodomancyDisplay.h"
#include "oracles/podomancy/frmPodomancyMain.h"

namespace {

template<class W>
OracleWindow *mainWindow()
{
    return WindowRegistry::window<W>();
}

} // namespace

// Hidden entries stand below the two visible rows; nothing ever shows them.
const OracleEntry OracleTable[OracleCount] = {
    {"Coffee Cup Reading", true, "icon_coffee_cup.svg", "Picture2", 4680, 120, &mainWindow<frmCoffeeCupReadingMain>},
    {"Domino Oracle", false, "icon_domino.svg", "Picture3", 1080, 1320, &mainWindow<frmDominoOracleMain>},
    {"Fortune Cookie", false, "icon_fortune_cookie.svg", "Picture4", 4680, 1320, &mainWindow<frmFortuneCookieMain>},
    {"Mahjong Oracle", false, "icon_mahjong.svg", "Picture5", 8400, 1320, &mainWindow<frmMahjongOracleMain>},
    {"Tea Leaf Reading", true, "icon_tea_leaf.svg", "Picture7", 1080, 120, &mainWindow<frmTeaLeafReadingMain>},
    {"Bibliomancy", true, "icon_bibliomancy.svg", "Picture8", 8400, 120, &mainWindow<frmBibliomancyMain>},
    {"Cyclomancy", true, "icon_cyclomancy.svg", "Picture9", 1080, 720, &mainWindow<frmCyclomancyMain>},
    {"Arithmancy", true, "icon_arithmancy.svg", "Picture10", 4680, 720, &mainWindow<frmArithmancyMain>},
    {"Podomancy", true, "icon_podomancy.svg", "Picture11", 8400, 720, &mainWindow<frmPodomancyMain>},
};

void CloseAllOracleWindows()
{
    WindowRegistry::unload<frmCoffeeCupReadingDisplay>();
    WindowRegistry::unload<frmCoffeeCupReadingMain>();
    WindowRegistry::unload<frmDominoOracleDisplay>();
    WindowRegistry::unload<frmDominoOracleMain>();
    WindowRegistry::unload<frmFortuneCookieDisplay>();
    WindowRegistry::unload<frmFortuneCookieMain>();
    WindowRegistry::unload<frmMahjongOracleDisplay>();
    WindowRegistry::unload<frmMahjongOracleMain>();
    WindowRegistry::unload<frmTeaLeafReadingDisplay>();
    WindowRegistry::unload<frmTeaLeafReadingMain>();
    WindowRegistry::unload<frmTeaLeafReadingSave>();
    WindowRegistry::unload<frmBibliomancyDisplay>();
    WindowRegistry::unload<frmBibliomancyMain>();
    WindowRegistry::unload<frmCyclomancyMain>();
    WindowRegistry::unload<frmArithmancyMain>();
    WindowRegistry::unload<frmPodomancyDisplay>();
    WindowRegistry::unload<frmPodomancyMain>();
}

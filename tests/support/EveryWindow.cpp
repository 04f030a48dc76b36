#include "EveryWindow.h"

#include "app/frmAbout.h"
#include "app/frmMDI.h"
#include "frame/OracleWindow.h"
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
#include "oracles/podomancy/frmPodomancyDisplay.h"
#include "oracles/podomancy/frmPodomancyMain.h"
#include "oracles/tea_leaf/frmTeaLeafReadingDisplay.h"
#include "oracles/tea_leaf/frmTeaLeafReadingMain.h"
#include "oracles/tea_leaf/frmTeaLeafReadingSave.h"

#include <QTest>

namespace {

frmMDI *shownMain()
{
    auto *main = WindowRegistry::window<frmMDI>();
    main->show();
    return main;
}

template<class W>
WindowRow oracle(const char *name)
{
    return {name, [] {
                shownMain();
                auto *window = WindowRegistry::window<W>();
                window->presentOracleWindow();
                return static_cast<QWidget *>(window);
            }};
}

} // namespace

const QList<WindowRow> &everyWindow()
{
    static const QList<WindowRow> rows = {
        {"frmMDI", [] { return static_cast<QWidget *>(shownMain()); }},
        {"frmAbout",
            [] {
                shownMain(); // the About window opens over it
                auto *about = WindowRegistry::window<frmAbout>();
                about->show();
                return static_cast<QWidget *>(about);
            }},
        oracle<frmCoffeeCupReadingMain>("frmCoffeeCupReadingMain"),
        oracle<frmCoffeeCupReadingDisplay>("frmCoffeeCupReadingDisplay"),
        oracle<frmTeaLeafReadingMain>("frmTeaLeafReadingMain"),
        oracle<frmTeaLeafReadingDisplay>("frmTeaLeafReadingDisplay"),
        oracle<frmTeaLeafReadingSave>("frmTeaLeafReadingSave"),
        oracle<frmBibliomancyMain>("frmBibliomancyMain"),
        oracle<frmBibliomancyDisplay>("frmBibliomancyDisplay"),
        oracle<frmCyclomancyMain>("frmCyclomancyMain"),
        oracle<frmArithmancyMain>("frmArithmancyMain"),
        oracle<frmPodomancyMain>("frmPodomancyMain"),
        oracle<frmPodomancyDisplay>("frmPodomancyDisplay"),
        oracle<frmFortuneCookieMain>("frmFortuneCookieMain"),
        oracle<frmFortuneCookieDisplay>("frmFortuneCookieDisplay"),
        oracle<frmDominoOracleMain>("frmDominoOracleMain"),
        oracle<frmDominoOracleDisplay>("frmDominoOracleDisplay"),
        oracle<frmMahjongOracleMain>("frmMahjongOracleMain"),
        oracle<frmMahjongOracleDisplay>("frmMahjongOracleDisplay"),
    };
    return rows;
}

void addEveryWindowRows()
{
    QTest::addColumn<std::function<QWidget *()>>("open");
    for (const WindowRow &row : everyWindow())
        QTest::newRow(row.name) << row.open;
}

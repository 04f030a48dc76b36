#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/mahjong/frmMahjongOracleDisplay.h"
#include "oracles/mahjong/frmMahjongOracleMain.h"
#include "oracles/mahjong/modMajongOracle.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace modMajongOracle;

class MahjongWindowsTest : public DesktopTest {
    Q_OBJECT

    // The r that Int(r * 42 + 1) maps to `tile`, from the middle of its interval.
    static float forTile(int tile) { return (static_cast<float>(tile) - 0.5f) / static_cast<float>(TileCount); }

    static frmMahjongOracleDisplay *draw(frmMahjongOracleMain *main)
    {
        QTest::mouseClick(main->cmdFindMajong, Qt::LeftButton);
        return WindowRegistry::loadedWindow<frmMahjongOracleDisplay>();
    }

    static bool isReady(frmMahjongOracleMain *main)
    {
        return !main->cmdFindMajong->isHidden() && main->picMessage->isHidden();
    }

    static bool isDrawn(frmMahjongOracleMain *main)
    {
        return main->cmdFindMajong->isHidden() && !main->picMessage->isHidden();
    }

    // The value labels of each attribute panel, left to right.
    static QStringList panelValues(frmMahjongOracleDisplay *display, const QString &panel)
    {
        QList<QLabel *> labels;
        if (panel == "picWind")
            labels = {display->lblWindSeason, display->lblWindColor, display->lblWindElement,
                      display->lblWindConstellation};
        else if (panel == "picFlower")
            labels = {display->lblFlowerPlayer, display->lblFlowerSeason};
        else if (panel == "picSeason")
            labels = {display->lblSeasonPlayer, display->lblSeasonRepresentation, display->lblSeasonFlower,
                      display->lblSeasonColor, display->lblSeasonElement};
        QStringList texts;
        for (QLabel *label : labels)
            texts.append(label->text());
        return texts;
    }

private slots:
    void drawShowsTheTileAndOnlyItsPanel_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("tile");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("attributes");
        QTest::newRow("r = 0: tile 1, a suit tile") << 0.0f << 1 << "4 Bamboo" << "" << QStringList();
        QTest::newRow("largest r: tile 42, a wind")
            << ScriptedServices::largestBelowOne() << 42 << "Wind West" << "picWind"
            << QStringList{"Autumn", "White", "Metal", "Tiger (8 Circles)"};
        QTest::newRow("suit tile keeps its blank") << forTile(24) << 24 << "3 Circle " << "" << QStringList();
        QTest::newRow("dragon") << forTile(29) << 29 << "Red Dragon" << "" << QStringList();
        QTest::newRow("Wind North") << forTile(40) << 40 << "Wind North" << "picWind"
                                    << QStringList{"Winter", "Black", "Water", "Tortoise (7 Bamboo)"};
        QTest::newRow("Flowers Bamboo") << forTile(31) << 31 << "Flowers Bamboo" << "picFlower"
                                        << QStringList{"North Wind", "Winter"};
        QTest::newRow("Flowers Chrysanthemum") << forTile(32) << 32 << "Flowers Chrysanthemum" << "picFlower"
                                               << QStringList{"West Wind", "Autumn"};
        QTest::newRow("Seasons Spring") << forTile(36) << 36 << "Seasons Spring" << "picSeason"
                                        << QStringList{"East Wind", "Fisherman", "Plum Blossom", "Green", "Wood"};
    }

    void drawShowsTheTileAndOnlyItsPanel()
    {
        QFETCH(float, r);
        QFETCH(int, tile);
        QFETCH(QString, name);
        QFETCH(QString, panel);
        QFETCH(QStringList, attributes);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({r});
        auto *main = open<frmMahjongOracleMain>();
        QVERIFY(isReady(main));

        frmMahjongOracleDisplay *display = draw(main);
        QCOMPARE(desktop.waits, QList<int>({3}));
        QVERIFY(display && display->isVisible());
        QVERIFY(main->isHidden());
        QCOMPARE(WindowRegistry::loadedWindow<frmMahjongOracleMain>(), main);
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(activeOracleWindow(), display);

        const TileRow &row = MahjongTable[tile - 1];
        QCOMPARE(display->picMajong->picture(), QStringLiteral("mahjong_tile_%1.svg").arg(tile, 2, 10, QLatin1Char('0')));
        QCOMPARE(display->picMajong->picture(), main->IMGMajong->picture(tile));
        QCOMPARE(main->findChild<QObject *>("IMGMajong"), main->IMGMajong);
        QCOMPARE(display->lblName->text(), name);
        QCOMPARE(display->lblEnglishName->text(), QString::fromUtf8(row.englishName));
        QCOMPARE(display->lblChineseCharacter->text(), QString::fromUtf8(row.chineseName));
        QCOMPARE(display->lblDescription->text(), QString::fromUtf8(row.description));

        for (QFrame *shown : {display->picWind, display->picFlower, display->picSeason})
            QCOMPARE(shown->isVisible(), shown->objectName() == panel);
        if (!panel.isEmpty())
            QCOMPARE(panelValues(display, panel), attributes);
    }

    void theWaitTakesTheTilesAwayAndKeepsTheMessage()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({forTile(7)});
        auto *main = open<frmMahjongOracleMain>();
        QVERIFY(main->lblClickMessage->isVisible());
        desktop.duringWait = [&](int) {
            QVERIFY(main->isVisible());
            QVERIFY(!main->cmdFindMajong->isVisible());
            QVERIFY(main->picMessage->isVisible());
            for (int number = 1; number <= 4; ++number)
                QVERIFY(main->picMessage->dot(number)->isVisible());
            QVERIFY(main->lblClickMessage->isVisible());
            QVERIFY(!WindowRegistry::loadedWindow<frmMahjongOracleDisplay>());
            main->cmdFindMajong->click(); // no second draw while the first waits
        };
        frmMahjongOracleDisplay *display = draw(main);
        QCOMPARE(desktop.waits.size(), 1);
        QCOMPARE(desktop.randomValuesLeft(), 0);
        QVERIFY(display);
        QCOMPARE(display->lblEnglishName->text(), "Tortoise");
        QVERIFY(isDrawn(main));
    }

    void backMakesTheMainWindowReadyAgain_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File > Back") << true;
    }

    void backMakesTheMainWindowReadyAgain()
    {
        QFETCH(bool, byMenu);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({forTile(40), 0.0f});
        auto *main = open<frmMahjongOracleMain>();
        frmMahjongOracleDisplay *display = draw(main);
        QVERIFY(display->picWind->isVisible());

        goBack(display, display->cmdOK, byMenu);
        QVERIFY(!WindowRegistry::loadedWindow<frmMahjongOracleDisplay>());
        QCOMPARE(WindowRegistry::loadedWindow<frmMahjongOracleMain>(), main);
        QVERIFY(main->isVisible());
        QVERIFY(isReady(main));
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(activeOracleWindow(), main);

        // The next reading fills a fresh window: the wind panel is gone with the wind.
        display = draw(main);
        QCOMPARE(desktop.waits, QList<int>({3, 3}));
        QCOMPARE(display->lblName->text(), "4 Bamboo");
        QVERIFY(!display->picWind->isVisible() && !display->picFlower->isVisible() && !display->picSeason->isVisible());
    }

    void closingTheDisplayLeavesTheMainWindowDrawn_data() { addCloseWayRows(); }

    void closingTheDisplayLeavesTheMainWindowDrawn()
    {
        QFETCH(CloseWay, how);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({forTile(36)});
        auto *main = open<frmMahjongOracleMain>();
        frmMahjongOracleDisplay *display = draw(main);

        close(display, how);
        QVERIFY(!WindowRegistry::loadedWindow<frmMahjongOracleDisplay>());
        QVERIFY(picMain()->isVisible());
        QCOMPARE(WindowRegistry::loadedWindow<frmMahjongOracleMain>(), main);
        QVERIFY(main->isHidden());
        QVERIFY(isDrawn(main));
    }

    void closingDuringTheWaitAbandonsTheDraw_data()
    {
        QTest::addColumn<bool>("wholeProgram");
        QTest::newRow("the Main window's File > Exit") << false;
        QTest::newRow("the main window closes") << true;
    }

    void closingDuringTheWaitAbandonsTheDraw()
    {
        QFETCH(bool, wholeProgram);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({forTile(40)});
        auto *main = open<frmMahjongOracleMain>();
        desktop.duringWait = [&](int) {
            if (wholeProgram)
                WindowRegistry::window<frmMDI>()->close();
            else
                main->mnuExit->trigger();
        };
        QTest::mouseClick(main->cmdFindMajong, Qt::LeftButton);
        QCOMPARE(desktop.waits.size(), 1);
        QCOMPARE(desktop.randomValuesLeft(), 1); // no tile was drawn
        QVERIFY(!WindowRegistry::loadedWindow<frmMahjongOracleDisplay>());
        QVERIFY(!WindowRegistry::loadedWindow<frmMahjongOracleMain>());
        QCOMPARE(desktop.programEnds, wholeProgram ? 1 : 0);
        if (!wholeProgram)
            QVERIFY(picMain()->isVisible());
    }
};

ORRIN_TEST(MahjongWindowsTest)
#include "MahjongWindowsTest.moc"

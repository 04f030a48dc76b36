#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "frame/LinkCaptions.h"
#include "frame/OracleWindow.h"
#include "frame/Widgets.h"
#include "frame/modHelp.h"
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

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <functional>

namespace {

// What the frame gives one oracle window. A new window adds a row.
struct FrameRow {
    const char *window;
    std::function<OracleWindow *()> open;
    const char *title;
    const char *fileMenu; // nullptr: the window words its File menu itself
    bool fileBack; // File > Back
    bool mainHelpStyle; // "Check for Software &Update" between mnuHelp1 and
                        // mnuHelp2
    const char *makeMoney; // the make-money item's name
    bool cobrandFourBlanks; // "for details.    Click Here" or "for details.Click
                            // Here"
    bool fullBrandOnTop; // which of the two overlapping offers is seen
    bool exitButton; // cmdExit "&Exit"
    bool offersInFrame; // the offers stand in fraFullBrand
};

QStringList actionNames(const QMenu *menu)
{
    QStringList names;
    for (const QAction *action : menu->actions())
        names.append(action->objectName());
    return names;
}

} // namespace

class WindowFrameTest : public DesktopTest {
    Q_OBJECT

    // One row per oracle window.
    static const QList<FrameRow> &frameRows()
    {
        static const QList<FrameRow> rows = {
            {"frmCoffeeCupReadingMain", [] { return open<frmCoffeeCupReadingMain>(); }, "Orrin Coffee Cup Reading",
                "mnuFile", false, true, "mkmoney", true, false, false, false},
            {"frmCoffeeCupReadingDisplay", [] { return open<frmCoffeeCupReadingDisplay>(); },
                "Orrin Coffee Cup Reading", "mnuFile", true, false, "mkmoney", true, true, true, false},
            {"frmTeaLeafReadingMain", [] { return open<frmTeaLeafReadingMain>(); }, "Orrin Tea Leaf Reading", "mnuFile",
                false, true, "mm", false, false, false, false},
            {"frmTeaLeafReadingDisplay", [] { return open<frmTeaLeafReadingDisplay>(); }, "Orrin Tea Leaf Reading",
                nullptr, false, false, "mm", false, true, false, false},
            {"frmPodomancyMain", [] { return open<frmPodomancyMain>(); }, "Orrin Podomancy", "mnuFile", false, true,
                "mnuMakeMoneyOnline", true, false, true, false},
            {"frmPodomancyDisplay", [] { return open<frmPodomancyDisplay>(); }, "Orrin Podomancy", "mnuFile", true,
                false, "mnuMakeMoneyOnline", true, true, true, false},
            {"frmBibliomancyMain", [] { return open<frmBibliomancyMain>(); }, "Orrin Bibliomancy", "mnuFile", false,
                true, "mnuMakeMoneyOnline", true, false, true, false},
            {"frmBibliomancyDisplay", [] { return open<frmBibliomancyDisplay>(); }, "Orrin Bibliomancy", "mnuFile",
                true, false, "mnuMakeMoneyOnline", true, true, true, false},
            {"frmFortuneCookieMain", [] { return open<frmFortuneCookieMain>(); }, "Orrin Fortune Cookie", "mnuFile",
                false, true, "mkmoney", false, false, false, false},
            {"frmFortuneCookieDisplay", [] { return open<frmFortuneCookieDisplay>(); }, "Orrin Fortune Cookie",
                "mnuFile", true, false, "mkmoney", false, true, true, false},
            {"frmDominoOracleMain", [] { return open<frmDominoOracleMain>(); }, "Orrin Domino Oracle", "mnuFile",
                false, true, "mkmoney", false, false, false, false},
            {"frmDominoOracleDisplay", [] { return open<frmDominoOracleDisplay>(); }, "Orrin Domino Oracle", "mnuFile",
                true, false, "mkmoney", false, true, true, false},
            {"frmMahjongOracleMain", [] { return open<frmMahjongOracleMain>(); }, "Orrin Mahjong Oracle", "mnuFile",
                false, true, "mkmoney", false, false, false, false},
            {"frmMahjongOracleDisplay", [] { return open<frmMahjongOracleDisplay>(); }, "Orrin Mahjong Oracle",
                "mnuFile", true, false, "mkmoney", false, true, true, false},
            {"frmCyclomancyMain", [] { return open<frmCyclomancyMain>(); }, "Orrin Cyclomancy", "nuFile", false,
                false, "mnuMakeMoney", true, false, false, true},
            {"frmArithmancyMain", [] { return open<frmArithmancyMain>(); }, "Orrin Arithmancy", "nuFile", false,
                false, "mnuMakeMoney", true, false, false, true},
        };
        return rows;
    }

    static const FrameRow &rowNamed(const QString &window)
    {
        for (const FrameRow &row : frameRows())
            if (window == QLatin1String(row.window))
                return row;
        qFatal("no frame row for %s", qPrintable(window));
    }

    static void addWindowRows()
    {
        QTest::addColumn<QString>("window");
        for (const FrameRow &row : frameRows())
            QTest::newRow(row.window) << QString::fromLatin1(row.window);
    }

private slots:
    void titleAndPlacement_data() { addWindowRows(); }
    void titleAndPlacement()
    {
        QFETCH(QString, window);
        const FrameRow &row = rowNamed(window);
        OracleWindow *oracle = row.open();
        QCOMPARE(oracle->windowTitle(), QString::fromUtf8(row.title));
        QVERIFY(oracle->isVisible());
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(activeOracleWindow(), oracle);
        // Centred on the screen's width, at the top of the area.
        const int screenPixels = scripted().screenWidth / platform::TwipsPerPixel;
        QVERIFY(qAbs(oracle->x() - (screenPixels - oracle->width()) / 2) <= 1);
        QCOMPARE(oracle->y(), 0);
        // Its menus stand in the main window's menu bar while it is in front.
        const QList<QAction *> bar = mainWindow()->menuBar()->actions();
        for (QMenu *menu : oracle->menus())
            QVERIFY(bar.contains(menu->menuAction()));
    }

    void fileMenu_data() { addWindowRows(); }
    void fileMenu()
    {
        QFETCH(QString, window);
        const FrameRow &row = rowNamed(window);
        if (!row.fileMenu)
            QSKIP("this window words its File menu itself; its own tests check it");
        OracleWindow *oracle = row.open();
        auto *file = oracle->findChild<QMenu *>(QString::fromLatin1(row.fileMenu));
        QVERIFY(file);
        QCOMPARE(file->title(), "&File");
        const QStringList expected = row.fileBack ? QStringList{"mnuFileBack", "mnuExit"} : QStringList{"mnuExit"};
        QCOMPARE(actionNames(file), expected);
        QCOMPARE(oracle->mnuExit->text(), "E&xit");
        if (row.fileBack)
            QCOMPARE(oracle->mnuFileBack->text(), "&Back");
    }

    void helpMenu_data() { addWindowRows(); }
    void helpMenu()
    {
        QFETCH(QString, window);
        const FrameRow &row = rowNamed(window);
        OracleWindow *oracle = row.open();
        auto *help = oracle->findChild<QMenu *>("mnuHelp");
        QVERIFY(help);
        QCOMPARE(help->title(), "&Help");
        const QString first = row.mainHelpStyle ? "mnuHelp1" : "mnuFileSep1";
        const QString second = row.mainHelpStyle ? "mnuHelp2" : "mnuFileSep2";
        QCOMPARE(actionNames(help),
            QStringList(
                {"mnuOnline", "mnuVisit", first, "mnuUpdate", second, "mnuAbout", QString::fromLatin1(row.makeMoney)}));
        const QList<QAction *> items = help->actions();
        QCOMPARE(items[0]->text(), "&Online Help");
        QCOMPARE(items[1]->text(), "&Visit Us Online");
        QVERIFY(items[2]->isSeparator() && items[4]->isSeparator());
        QCOMPARE(items[3]->text(), row.mainHelpStyle ? "Check for Software &Update" : "&Check for Software Update");
        QCOMPARE(items[5]->text(), "&About Software");
        QCOMPARE(items[6]->text(), "Make Money &Online");

        // Every item opens its own page; About opens the About window.
        ScriptedDesktop &desktop = scripted();
        for (int index : {0, 1, 3, 6})
            items[index]->trigger();
        QCOMPARE(desktop.openedAddresses,
            QList<QUrl>({QUrl(modHelp::OnlineHelpAddress), QUrl(modHelp::CommunitySiteAddress),
                QUrl(modHelp::DownloadPageAddress), QUrl(modHelp::FullBrandOfferAddress)}));
        items[5]->trigger();
        QCOMPARE(desktop.modalRuns, 1);
    }

    void linkLabels_data() { addWindowRows(); }
    void linkLabels()
    {
        QFETCH(QString, window);
        const FrameRow &row = rowNamed(window);
        OracleWindow *oracle = row.open();
        QVERIFY(oracle->Label61 && oracle->lblCobrand && oracle->lblFullBrand);
        QCOMPARE(oracle->Label61->text(),
            QString::fromUtf8(linkCaptions::Community) + "Visit us at " + modHelp::CommunitySiteName);
        // "&&" shows as one "&".
        QCOMPARE(oracle->lblCobrand->text(),
            labelCaption(row.cobrandFourBlanks ? linkCaptions::CoBrandWithBlanks : linkCaptions::CoBrandWithoutBlanks));
        QVERIFY(oracle->lblCobrand->text().contains(row.cobrandFourBlanks ? "name &  link here. See \"Help\" for "
                                                                            "details.    Click Here"
                                                                          : "for details.Click Here"));
        QCOMPARE(oracle->lblFullBrand->text(), QString::fromUtf8(linkCaptions::FullBrand));
        QCOMPARE(oracle->lblFullBrand->isVisible(), row.fullBrandOnTop);
        QCOMPARE(oracle->lblCobrand->isVisible(), !row.fullBrandOnTop);
        QCOMPARE(oracle->fraFullBrand != nullptr, row.offersInFrame);
        if (row.offersInFrame) {
            QCOMPARE(oracle->fraFullBrand->objectName(), "fraFullBrand");
            QCOMPARE(oracle->lblCobrand->parentWidget(), oracle->fraFullBrand);
            QCOMPARE(oracle->lblFullBrand->parentWidget(), oracle->fraFullBrand);
        }

        ScriptedDesktop &desktop = scripted();
        for (LinkLabel *link : {oracle->Label61, oracle->lblCobrand, oracle->lblFullBrand})
            emit link->clicked();
        QCOMPARE(desktop.openedAddresses,
            QList<QUrl>({QUrl(modHelp::CommunitySiteAddress), QUrl(modHelp::CoBrandOfferAddress),
                QUrl(modHelp::FullBrandOfferAddress)}));
    }

    void exitButton_data() { addWindowRows(); }
    void exitButton()
    {
        QFETCH(QString, window);
        const FrameRow &row = rowNamed(window);
        OracleWindow *oracle = row.open();
        QCOMPARE(oracle->cmdExit != nullptr, row.exitButton);
        if (!row.exitButton)
            return;
        QCOMPARE(oracle->cmdExit->text(), "&Exit");
        QTest::mouseClick(oracle->cmdExit, Qt::LeftButton);
        QVERIFY(oracle->isUnloaded());
        QVERIFY(picMain()->isVisible());
    }

    // Whichever way a window closes, the welcome panel shows again.
    void everyWayOfClosingShowsTheWelcomePanel_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<CloseWay>("how");
        for (const FrameRow &row : frameRows()) {
            QTest::addRow("%s, close box", row.window) << QString::fromLatin1(row.window) << CloseWay::CloseBox;
            if (row.fileMenu)
                QTest::addRow("%s, File > Exit", row.window) << QString::fromLatin1(row.window) << CloseWay::FileExit;
            if (row.exitButton)
                QTest::addRow("%s, Exit button", row.window) << QString::fromLatin1(row.window) << CloseWay::ExitButton;
        }
    }
    void everyWayOfClosingShowsTheWelcomePanel()
    {
        QFETCH(QString, window);
        QFETCH(CloseWay, how);
        OracleWindow *oracle = rowNamed(window).open();
        QVERIFY(!picMain()->isVisible());
        close(oracle, how);
        QVERIFY(oracle->isUnloaded());
        QVERIFY(picMain()->isVisible());
        QCOMPARE(scripted().programEnds, 0);
    }
};

ORRIN_TEST(WindowFrameTest)
#include "WindowFrameTest.moc"

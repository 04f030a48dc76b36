#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingDisplay.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingMain.h"
#include "oracles/coffee_cup/modCoffeeCupReading.h"
#include "oracles/tea_leaf/frmTeaLeafReadingMain.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QPointer>
#include <QSet>

using namespace modCoffeeCupReading;

class CoffeeCupTest : public DesktopTest {
    Q_OBJECT

    // r that maps to `key` by Int(r * 79 + 1), taken from the middle of the key's interval.
    static float forKey(int key) { return (static_cast<float>(key) - 0.5f) / 79.0f; }

    static frmCoffeeCupReadingMain *launch() { return DesktopTest::launch<frmCoffeeCupReadingMain>(0); }

    int dotsShown(frmCoffeeCupReadingMain *window)
    {
        int shown = 0;
        for (int number = 1; number <= 4; ++number)
            shown += window->findChild<QWidget *>(QStringLiteral("shp%1").arg(number))->isVisibleTo(window);
        return shown;
    }

private slots:

    void drawMapsEveryValueIntoTheTable_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("name");
        QTest::newRow("r = 0 gives the first") << 0.0f << 1 << "ANCHOR";
        QTest::newRow("largest r below 1 gives the last") << ScriptedServices::largestBelowOne() << 79 << "WHEEL";
        QTest::newRow("first CROSS") << forKey(19) << 19 << "CROSS";
        QTest::newRow("second CROSS") << forKey(20) << 20 << "CROSS";
        QTest::newRow("mixed case Turtle") << forKey(77) << 77 << "Turtle";
    }

    void drawMapsEveryValueIntoTheTable()
    {
        QFETCH(float, r);
        QFETCH(int, key);
        QFETCH(QString, name);
        ScriptedServices services;
        services.scriptRandom({r});
        QCOMPARE(DrawCoffeeCupSymbol(), key);
        QCOMPARE(DrawnIndex, key);
        LoadCoffeeCupTable();
        QCOMPARE(SymbolName[key], name);
    }

    void tableHoldsTheGivenRows()
    {
        LoadCoffeeCupTable();
        QCOMPARE(SymbolMeaning[1], "This symbol stands for change and settling at a new place. ");
        QCOMPARE(SymbolMeaning[13], "A whimsical person.  You need not worry about white cats. Be on your guard if it is black. ");
        QCOMPARE(SymbolMeaning[19], "Safeguarding, religious  devotion and sacrifice ");
        QCOMPARE(SymbolMeaning[20], "Victory after much difficulty. ");
        QCOMPARE(SymbolMeaning[59], "You can gain money if it is on top. At bottom, the opposite will happen");
        QCOMPARE(SymbolMeaning[79], "A wheel in a good shape marks good fortune; if broken, the result will be negative");
        QCOMPARE(SymbolName[17], "CIRCLES WITH A DOT INSIDE");
        QCOMPARE(SymbolName[26], "FIRE WORKS");
        QSet<QString> names, meanings;
        for (int key = 1; key <= SymbolCount; ++key) {
            QVERIFY2(!SymbolMeaning[key].trimmed().isEmpty(), qPrintable(SymbolName[key]));
            names.insert(SymbolName[key]);
            meanings.insert(SymbolMeaning[key]);
        }
        QCOMPARE(names.size(), 78); // CROSS twice
        QCOMPARE(meanings.size(), 79);
        QVERIFY(SymbolName[0].isEmpty());
    }

    void realGeneratorReachesEveryKeyEvenly()
    {
        const SystemServicesInPlace systemGenerator;
        const int perKey = 400;
        QList<int> counts(SymbolCount + 1, 0);
        for (int i = 0; i < SymbolCount * perKey; ++i) {
            const int key = DrawCoffeeCupSymbol();
            QVERIFY(key >= 1 && key <= SymbolCount);
            ++counts[key];
        }
        for (int key = 1; key <= SymbolCount; ++key)
            QVERIFY2(counts[key] > perKey / 2 && counts[key] < perKey * 3 / 2, qPrintable(QString::number(key)));
    }

    void readingShowsTheDrawnSymbolAfterFourDots()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({forKey(19)});
        frmCoffeeCupReadingMain *window = launch();
        QVERIFY(window && window->isVisible());
        QVERIFY(!picMain()->isVisible());

        QList<int> dotsAtEachWait;
        desktop.duringWait = [&](int) {
            dotsAtEachWait.append(dotsShown(window));
            QVERIFY(window->picMessage->isVisible());
        };
        QTest::mouseClick(window->picCoffeePot, Qt::LeftButton);
        QCOMPARE(desktop.waits, QList<int>({1, 1, 1, 1}));
        QCOMPARE(dotsAtEachWait, QList<int>({1, 2, 3, 4}));
        QVERIFY(!window->picMessage->isVisible());

        auto *display = WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>();
        QVERIFY(display && display->isVisible());
        QVERIFY(window->isHidden());
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(display->lblElement->text(), "CROSS");
        QCOMPARE(display->lblDesc->text(), "Safeguarding, religious  devotion and sacrifice "); // trailing blank kept
    }

    void backStartsTheNextReadingWithoutDots_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File > Back") << true;
    }

    void backStartsTheNextReadingWithoutDots()
    {
        QFETCH(bool, byMenu);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.0f, forKey(20)});
        frmCoffeeCupReadingMain *window = launch();
        QTest::mouseClick(window->picCoffeePot, Qt::LeftButton);
        auto *display = WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>();
        if (byMenu)
            display->findChild<QAction *>("mnuFileBack")->trigger();
        else
            QTest::mouseClick(display->cmdOK, Qt::LeftButton);

        QVERIFY(!WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>());
        QVERIFY(window->isVisible());
        QCOMPARE(dotsShown(window), 0);
        QVERIFY(!picMain()->isVisible());

        QList<int> dotsAtEachWait;
        desktop.duringWait = [&](int) { dotsAtEachWait.append(dotsShown(window)); };
        QTest::mouseClick(window->picCoffeePot, Qt::LeftButton);
        QCOMPARE(dotsAtEachWait, QList<int>({1, 2, 3, 4}));
        display = WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>();
        QCOMPARE(display->lblDesc->text(), "Victory after much difficulty. ");
    }

    void closingTheReadingShowsTheWelcomePanel_data() { addCloseWayRows(); }
    void closingTheReadingShowsTheWelcomePanel()
    {
        QFETCH(CloseWay, how);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.5f});
        frmCoffeeCupReadingMain *window = launch();
        QTest::mouseClick(window->picCoffeePot, Qt::LeftButton);
        close(WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>(), how);
        QVERIFY(!WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>());
        QVERIFY(picMain()->isVisible());
        QCOMPARE(WindowRegistry::loadedWindow<frmCoffeeCupReadingMain>(), window); // hidden, still loaded
        QVERIFY(window->isHidden());
    }

    void aClickDuringTheWaitIsIgnored()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.25f});
        frmCoffeeCupReadingMain *window = launch();
        desktop.duringWait = [&](int wait) {
            if (wait == 2)
                QTest::mouseClick(window->picCoffeePot, Qt::LeftButton);
        };
        QTest::mouseClick(window->picCoffeePot, Qt::LeftButton);
        QCOMPARE(desktop.waits.size(), 4);
        QCOMPARE(desktop.randomValuesLeft(), 0);
        QVERIFY(WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>());
    }

    void closingDuringTheWaitAbandonsTheDraw_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("the Main window's File > Exit") << "mnuExit";
        QTest::newRow("the Main window's close box") << "close box";
        QTest::newRow("the main window closes") << "main window";
        QTest::newRow("the same oracle launched again") << "same oracle";
        QTest::newRow("another oracle launched") << "another oracle";
    }

    // The waiting window is unloaded under its own handler: the handler
    // returns without touching it, nothing is shown, and only then does the
    // window go.
    void closingDuringTheWaitAbandonsTheDraw()
    {
        QFETCH(QString, what);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.25f});
        QPointer<frmCoffeeCupReadingMain> window = launch();
        bool stillThereDuringTheWait = false;
        desktop.duringWait = [&](int wait) {
            if (wait != 2)
                return;
            if (what == "mnuExit")
                window->findChild<QAction *>("mnuExit")->trigger();
            else if (what == "close box")
                window->close();
            else if (what == "main window")
                WindowRegistry::window<frmMDI>()->close();
            else
                clickLauncher(what == "same oracle" ? 0 : 4);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            stillThereDuringTheWait = !window.isNull();
        };
        QTest::mouseClick(window->picCoffeePot, Qt::LeftButton);
        QVERIFY(stillThereDuringTheWait);
        QCOMPARE(desktop.waits.size(), 2);
        QVERIFY(!WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>());
        QCOMPARE(desktop.programEnds, what == "main window" ? 1 : 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());

        auto *fresh = WindowRegistry::loadedWindow<frmCoffeeCupReadingMain>();
        QCOMPARE(fresh != nullptr, what == "same oracle");
        if (fresh) {
            QVERIFY(fresh->isVisible());
            QVERIFY(!fresh->picMessage->isVisible());
            QCOMPARE(dotsShown(fresh), 0);
        }
        if (what == "another oracle")
            QVERIFY(WindowRegistry::loadedWindow<frmTeaLeafReadingMain>());
    }

    void aboutOpenedDuringTheWaitLetsTheDrawFinish()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({forKey(20)});
        frmCoffeeCupReadingMain *window = launch();
        bool aboutShown = false;
        desktop.whileModal = [&](QDialog &dialog) { aboutShown = dialog.isVisible(); };
        desktop.duringWait = [&](int wait) {
            if (wait == 2)
                window->findChild<QAction *>("mnuAbout")->trigger();
        };
        QTest::mouseClick(window->picCoffeePot, Qt::LeftButton);
        QVERIFY(aboutShown);
        QCOMPARE(desktop.modalRuns, 1);
        QCOMPARE(desktop.waits.size(), 4);
        auto *display = WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>();
        QVERIFY(display && display->isVisible());
        QCOMPARE(display->lblDesc->text(), "Victory after much difficulty. ");
    }

    // The frame's titles, menus and links are checked for every window in WindowFrameTest.
    void theDisplayCaptions()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.5f});
        QTest::mouseClick(launch()->picCoffeePot, Qt::LeftButton);
        auto *display = WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>();
        QCOMPARE(display->cmdOK->text(), "&Back");
        QCOMPARE(display->findChild<QLabel *>("lblCaption")->text(), "Your Coffee Cup Symbol for the Day is:");
    }
};

ORRIN_TEST(CoffeeCupTest)
#include "CoffeeCupTest.moc"

#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "frame/OracleWindow.h"
#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/domino/frmDominoOracleDisplay.h"
#include "oracles/domino/frmDominoOracleMain.h"

#include <QLabel>
#include <QPushButton>

namespace {

// A generator value that Int(r * 7) maps to `half`, from the middle of its interval.
float forHalf(int half)
{
    return (static_cast<float>(half) + 0.5f) / 7.0f;
}

const char ReadingBlankBlank[] = "This is an unlucky omen. This may indicate some losses. Difficult times are ahead. "
                                 "Challenges can be overcome if you are ready to face the battle.";
const char ReadingBlankThree[] = "Jealousy may cause strained relations between friends. Past lives may cause "
                                 "problems in current relationships.";
const char ReadingThreeThree[] = "Happiness will smile you. You may face some minor problems but they will be "
                                 "short lived.";
const char ReadingTwoSix[] = "This is a very lucky domino. You will enjoy good fortune and good health. You may "
                             "receive an unexpected gift. ";
const char ReadingSixTwo[] = "This is a very lucky domino. You will enjoy good fortune and good health. You may "
                             "receive an unexpected gift.";

} // namespace

class DominoWindowsTest : public DesktopTest {
    Q_OBJECT

    static frmDominoOracleDisplay *display() { return WindowRegistry::loadedWindow<frmDominoOracleDisplay>(); }

    frmDominoOracleMain *drawWith(float first, float second)
    {
        scripted().scriptRandom({first, second});
        auto *main = open<frmDominoOracleMain>();
        QTest::mouseClick(main->picProceed, Qt::LeftButton);
        return main;
    }

    // Ready: the picture and its invitation shown, the Please Wait panel hidden.
    static bool isReady(frmDominoOracleMain *main)
    {
        return main->picProceed->isVisibleTo(main) && main->lblClickMessage->isVisibleTo(main)
               && !main->picMessage->isVisibleTo(main);
    }

    // Drawn: the Please Wait panel with its four dots, nothing else of the draw.
    static bool isDrawn(frmDominoOracleMain *main)
    {
        bool dots = true;
        for (int number = 1; number <= 4; ++number)
            dots = dots && main->picMessage->dot(number)->isVisibleTo(main);
        return !main->picProceed->isVisibleTo(main) && !main->lblClickMessage->isVisibleTo(main)
               && main->picMessage->isVisibleTo(main) && dots;
    }

private slots:
    void mainWindowOpensReady()
    {
        auto *main = open<frmDominoOracleMain>();
        QVERIFY(main->isVisible());
        QVERIFY(isReady(main));
        QCOMPARE(main->picProceed->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(main->Label4->text(), "Think about the Problem that is worrying you.");
        QCOMPARE(main->Label5->text(), "Take a Deep Breath and Calm Yourself.");
        QCOMPARE(main->lblClickMessage->text(), "Click on the above Image when you are ready");
        QCOMPARE(main->lblClickMessage->palette().color(QPalette::WindowText), QColor(Qt::red));
        const QColor green = main->Label4->palette().color(QPalette::WindowText);
        QVERIFY(green.green() > 200 && green.red() < green.green() && green.blue() < green.green());
        QCOMPARE(main->Label5->palette().color(QPalette::WindowText), green);

        QCOMPARE(main->findChild<DominoImageList *>("IMGDomino"), main->IMGDomino);
    }

    void drawShowsTheDominoAfterThreeSeconds_data()
    {
        QTest::addColumn<float>("first");
        QTest::addColumn<float>("second");
        QTest::addColumn<int>("pictureOne");
        QTest::addColumn<int>("pictureTwo");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("reading");
        QTest::newRow("Blank-Blank reads as 0-0") << 0.0f << 0.0f << 7 << 7 << "Blank-Blank" << ReadingBlankBlank;
        QTest::newRow("Blank-3") << forHalf(0) << forHalf(3) << 7 << 3 << "Blank-3" << ReadingBlankThree;
        QTest::newRow("double 3-3") << forHalf(3) << forHalf(3) << 3 << 3 << "3-3" << ReadingThreeThree;
        QTest::newRow("2-6") << forHalf(2) << ScriptedServices::largestBelowOne() << 2 << 6 << "2-6"
                             << ReadingTwoSix;
        QTest::newRow("reversed, 6-2") << ScriptedServices::largestBelowOne() << forHalf(2) << 6 << 2 << "6-2"
                                       << ReadingSixTwo;
    }

    void drawShowsTheDominoAfterThreeSeconds()
    {
        QFETCH(float, first);
        QFETCH(float, second);
        QFETCH(int, pictureOne);
        QFETCH(int, pictureTwo);
        QFETCH(QString, number);
        QFETCH(QString, reading);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({first, second});
        auto *main = open<frmDominoOracleMain>();
        bool drawnDuringWait = false;
        int valuesLeftDuringWait = -1;
        desktop.duringWait = [&](int) {
            drawnDuringWait = isDrawn(main);
            valuesLeftDuringWait = desktop.randomValuesLeft();
        };
        QTest::mouseClick(main->picProceed, Qt::LeftButton);

        QCOMPARE(desktop.waits, QList<int>{3});
        QVERIFY(drawnDuringWait);
        QCOMPARE(valuesLeftDuringWait, 2); // the domino is cast after the wait
        QCOMPARE(desktop.randomValuesLeft(), 0);

        QVERIFY(display() && display()->isVisible());
        QCOMPARE(display()->picDominoOne->picture(), QStringLiteral("domino_half_%1.svg").arg(pictureOne));
        QCOMPARE(display()->picDominoTwo->picture(), QStringLiteral("domino_half_%1.svg").arg(pictureTwo));
        QVERIFY(display()->picDominoOne->x() < display()->picDominoTwo->x()); // the first half on the left
        QCOMPARE(display()->lblDominoNumber->text(), number);
        QCOMPARE(display()->lblDominoMassage->text(), reading);
        QCOMPARE(display()->Label2->text(), "Your Domino For Today ");

        QCOMPARE(WindowRegistry::loadedWindow<frmDominoOracleMain>(), main);
        QVERIFY(main->isHidden());
        QVERIFY(isDrawn(main));
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(activeOracleWindow(), display());
    }

    void backMakesTheMainWindowReadyForAnotherDraw_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File > Back") << true;
    }

    void backMakesTheMainWindowReadyForAnotherDraw()
    {
        QFETCH(bool, byMenu);
        frmDominoOracleMain *main = drawWith(forHalf(1), forHalf(5));
        frmDominoOracleDisplay *first = display();
        QCOMPARE(first->lblDominoNumber->text(), "1-5");
        goBack(first, first->cmdOK, byMenu);

        QVERIFY(first->isUnloaded());
        QVERIFY(!display());
        QVERIFY(main->isVisible());
        QVERIFY(isReady(main));
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(activeOracleWindow(), main);

        scripted().scriptRandom({forHalf(4), forHalf(0)});
        QTest::mouseClick(main->picProceed, Qt::LeftButton);
        QVERIFY(display() && display() != first);
        QCOMPARE(display()->lblDominoNumber->text(), "4-Blank");
        QCOMPARE(display()->picDominoTwo->picture(), "domino_half_7.svg");
        QCOMPARE(scripted().waits, QList<int>({3, 3}));
    }

    void closingTheReadingLeavesTheMainWindowDrawn_data() { addCloseWayRows(); }

    void closingTheReadingLeavesTheMainWindowDrawn()
    {
        QFETCH(CloseWay, how);
        frmDominoOracleMain *main = drawWith(0.5f, 0.5f);
        close(display(), how);

        QVERIFY(!display());
        QVERIFY(picMain()->isVisible());
        QCOMPARE(WindowRegistry::loadedWindow<frmDominoOracleMain>(), main);
        QVERIFY(main->isHidden());
        QVERIFY(isDrawn(main));
    }

    void closingDuringTheWaitAbandonsTheDraw_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the Main window's File > Exit") << "mnuExit";
        QTest::newRow("the Main window's close box") << "close box";
        QTest::newRow("the main window closes") << "program";
    }

    void closingDuringTheWaitAbandonsTheDraw()
    {
        QFETCH(QString, how);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({forHalf(2), forHalf(4)});
        auto *main = open<frmDominoOracleMain>();
        desktop.duringWait = [&](int) {
            if (how == "mnuExit")
                main->mnuExit->trigger();
            else if (how == "close box")
                main->close();
            else
                WindowRegistry::window<frmMDI>()->close();
        };
        QTest::mouseClick(main->picProceed, Qt::LeftButton);

        QCOMPARE(desktop.waits, QList<int>{3});
        QCOMPARE(desktop.randomValuesLeft(), 2); // no domino was cast
        QVERIFY(!display());
        QVERIFY(!WindowRegistry::loadedWindow<frmDominoOracleMain>());
        QCOMPARE(desktop.programEnds, how == "program" ? 1 : 0);
        if (how != "program")
            QVERIFY(picMain()->isVisible());
    }
};

ORRIN_TEST(DominoWindowsTest)
#include "DominoWindowsTest.moc"

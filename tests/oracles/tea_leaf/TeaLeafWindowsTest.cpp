#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/tea_leaf/frmTeaLeafReadingDisplay.h"
#include "oracles/tea_leaf/frmTeaLeafReadingMain.h"
#include "oracles/tea_leaf/frmTeaLeafReadingSave.h"
#include "oracles/tea_leaf/TeaLeafTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

using modTeaLeafReading::TeaLeafTable;

namespace {

const int TeaLeafButton = 4; // the launcher's "Tea Leaf Reading"

// A generator value in the middle of letter range k (A = 0 .. Z = 24, no X).
float letter(int k)
{
    return (static_cast<float>(k) + 0.5f) / 25.0f;
}

QString meaningOf(int row)
{
    return QString::fromUtf8(TeaLeafTable[row].meaning);
}

QStringList shownReading(const frmTeaLeafReadingDisplay *display)
{
    return {display->lblResemblesOne->text(),   display->lblResemblesTwo->text(),
            display->lblResemblesThree->text(), display->lblFirstRndResult->text(),
            display->lblSecondRndResult->text(), display->lblThirdRndResult->text()};
}

} // namespace

class TeaLeafWindowsTest : public DesktopTest {
    Q_OBJECT

    // Typing needs the main window active, at the size it has on a screen of the scripted width.
    static frmTeaLeafReadingMain *launch()
    {
        frmMDI *main = mainWindow();
        main->resize(1280, 800);
        main->activateWindow();
        if (!QTest::qWaitForWindowActive(main))
            qWarning("the main window did not become active");
        return DesktopTest::launch<frmTeaLeafReadingMain>(TeaLeafButton);
    }

    // Name, question and tea given, then the teapot clicked.
    frmTeaLeafReadingDisplay *askWith(frmTeaLeafReadingMain *window, int tea = 3)
    {
        QTest::keyClicks(window->txtName, QStringLiteral("mira"));
        QTest::keyClicks(window->txtQuestion, QStringLiteral("will it rain?"));
        if (tea >= 0)
            window->optTypeOfTea[tea]->click();
        QTest::mouseClick(window->picTeapot, Qt::LeftButton);
        return WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>();
    }


private slots:
    void cleanup()
    {
        QGuiApplication::clipboard()->clear();
        DesktopTest::cleanup();
    }

    void typingAName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("refusals");
        QTest::newRow("lower case becomes capitals") << "orrin" << "ORRIN" << 0;
        QTest::newRow("capitals stay") << "AbC" << "ABC" << 0;
        QTest::newRow("a blank is accepted") << "ann lee" << "ANN LEE" << 0;
        QTest::newRow("blanks only") << "   " << "   " << 0;
        QTest::newRow("a digit is refused") << "a1b" << "AB" << 1;
        QTest::newRow("a hyphen is refused") << "anne-marie" << "ANNEMARIE" << 1;
        QTest::newRow("each refused key says so") << "o'neil 3rd." << "ONEIL RD" << 3;
        QTest::newRow("backspace and enter are accepted") << "abx\bc\r" << "ABC" << 0;
    }

    void typingAName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, refusals);
        ScriptedDesktop &desktop = scripted();
        frmTeaLeafReadingMain *window = launch();
        QTest::keyClicks(window->txtName, typed);
        QCOMPARE(window->txtName->text(), shown);
        QCOMPARE(desktop.messageTexts(), QStringList(refusals, QStringLiteral("Please Enter Onlt Letters")));
        for (const auto &message : desktop.messages)
            QCOMPARE(message.icon, QMessageBox::Information);
    }

    void aNameRefusesLettersBeyondAToZ()
    {
        ScriptedDesktop &desktop = scripted();
        frmTeaLeafReadingMain *window = launch();
        QTest::keyClicks(window->txtName, QStringLiteral("jos"));
        QTest::sendKeyEvent(QTest::Click, window->txtName, Qt::Key_unknown, QStringLiteral("é"), Qt::NoModifier);
        QCOMPARE(window->txtName->text(), "JOS");
        QCOMPARE(desktop.messageTexts(), QStringList{"Please Enter Onlt Letters"});
    }

    void aTypedLetterGoesWhereTheCursorIs()
    {
        frmTeaLeafReadingMain *window = launch();
        QTest::keyClicks(window->txtName, QStringLiteral("ab"));
        window->txtName->setCursorPosition(1);
        QTest::keyClicks(window->txtName, QStringLiteral("x"));
        QCOMPARE(window->txtName->text(), "AXB");
        window->txtName->selectAll();
        QTest::keyClicks(window->txtName, QStringLiteral("z"));
        QCOMPARE(window->txtName->text(), "Z");
    }

    void typingAQuestion()
    {
        ScriptedDesktop &desktop = scripted();
        frmTeaLeafReadingMain *window = launch();
        QTest::keyClicks(window->txtQuestion, QStringLiteral("will I move in 2027? (yes/no)"));
        QTest::sendKeyEvent(QTest::Click, window->txtQuestion, Qt::Key_unknown, QStringLiteral("é"), Qt::NoModifier);
        QCOMPARE(window->txtQuestion->text(), QStringLiteral("WILL I MOVE IN 2027? (YES/NO)é"));
        QVERIFY(desktop.messages.isEmpty());
    }

    void pastingPassesTheSameFilter_data()
    {
        QTest::addColumn<bool>("intoName");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("cursor");
        // The boxes hold "AB" with the cursor between the letters.
        QTest::newRow("name: letters capitalised, the rest dropped")
            << true << "o'neil-3 jr." << "AONEIL JRB" << 9;
        QTest::newRow("name: nothing left to paste") << true << "42-7" << "AB" << 1;
        QTest::newRow("name: tabs and line breaks dropped") << true << "x\ty\nz" << "AXYZB" << 4;
        QTest::newRow("question: capitalised, all kept") << false << "why, 2 cups?" << "AWHY, 2 CUPS?B" << 13;
    }

    void pastingPassesTheSameFilter()
    {
        QFETCH(bool, intoName);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(int, cursor);
        ScriptedDesktop &desktop = scripted();
        frmTeaLeafReadingMain *window = launch();
        QLineEdit *box = intoName ? window->txtName : window->txtQuestion;
        QTest::keyClicks(box, QStringLiteral("ab"));
        box->setCursorPosition(1);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keySequence(box, QKeySequence::Paste);
        QCOMPARE(box->text(), shown);
        QCOMPARE(box->cursorPosition(), cursor);
        QVERIFY(desktop.messages.isEmpty());
    }

    void theInputsAreCheckedInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("tea");
        QTest::addColumn<QString>("focusBefore");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("nothing given: only the name is asked for")
            << "" << "" << -1 << "txtQuestion" << "Pleas enter your name" << "txtName";
        QTest::newRow("no name, though question and tea")
            << "" << "why" << 0 << "txtQuestion" << "Pleas enter your name" << "txtName";
        QTest::newRow("no question") << "ann" << "" << 6 << "txtName" << "Pleas enter your Question" << "txtQuestion";
        QTest::newRow("a name of blanks passes") << "  " << "" << -1 << "txtName" << "Pleas enter your Question"
                                                 << "txtQuestion";
        QTest::newRow("no tea: focus stays") << "ann" << "why" << -1 << "txtName" << "Please select type of tea"
                                             << "txtName";
        QTest::newRow("no tea: focus stays in the question")
            << "ann" << "why" << -1 << "txtQuestion" << "Please select type of tea" << "txtQuestion";
    }

    void theInputsAreCheckedInOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, question);
        QFETCH(int, tea);
        QFETCH(QString, focusBefore);
        QFETCH(QString, message);
        QFETCH(QString, focusAfter);
        ScriptedDesktop &desktop = scripted(); // no random value scripted: a draw would fail the test
        frmTeaLeafReadingMain *window = launch();
        QTest::keyClicks(window->txtName, name);
        QTest::keyClicks(window->txtQuestion, question);
        if (tea >= 0)
            window->optTypeOfTea[tea]->click();
        window->findChild<QWidget *>(focusBefore)->setFocus();

        QTest::mouseClick(window->picTeapot, Qt::LeftButton);
        QCOMPARE(desktop.messageTexts(), QStringList{message});
        QCOMPARE(desktop.messages[0].icon, QMessageBox::Information);
        QCOMPARE(desktop.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QCOMPARE(focus->objectName(), focusAfter);
        QVERIFY(!window->ValidateTeaLeafInput());

        QVERIFY(window->isVisible());
        QVERIFY(!WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>());
        QCOMPARE(window->txtName->text(), name.toUpper());
        QCOMPARE(window->txtQuestion->text(), question.toUpper());
    }

    void theTeapotShowsItIsTheButton_data()
    {
        QTest::addColumn<QString>("movedOver");
        QTest::addColumn<bool>("stillShown");
        QTest::newRow("the form itself") << "form" << false;
        QTest::newRow("the teas") << "Frame1" << false;
        QTest::newRow("the introduction") << "Label3" << false;
        QTest::newRow("the name and question") << "Frame4" << false;
        QTest::newRow("the instructions") << "Label5" << false;
        QTest::newRow("the teapot's own frame") << "Frame2" << true;
        QTest::newRow("the message under the teapot") << "lblMessage" << true;
    }

    void theTeapotShowsItIsTheButton()
    {
        QFETCH(QString, movedOver);
        QFETCH(bool, stillShown);
        frmTeaLeafReadingMain *window = launch();
        QVERIFY(QTest::qWaitForWindowExposed(WindowRegistry::window<frmMDI>()));
        QVERIFY(!window->picTeapot->hasBorder());
        QVERIFY(window->lblMessage->isHidden());
        QCOMPARE(window->lblMessage->text(), "Click on the Image to get your Tea Leaf Reading");

        QTest::mouseMove(window->picTeapot, window->picTeapot->rect().center());
        QVERIFY(window->picTeapot->hasBorder());
        QVERIFY(window->lblMessage->isVisible());

        QWidget *area = movedOver == "form" ? window->widget() : window->findChild<QWidget *>(movedOver);
        // A point of the area that no other control covers.
        QPoint point = movedOver == "form" ? QPoint(2, area->height() / 2) : QPoint(3, 3);
        if (qobject_cast<QLabel *>(area))
            point = area->rect().center();
        QTest::mouseMove(area, point);
        QCOMPARE(window->picTeapot->hasBorder(), stillShown);
        QCOMPARE(window->lblMessage->isVisible(), stillShown);

        QTest::mouseMove(window->picTeapot, QPoint(5, 5));
        QVERIFY(window->picTeapot->hasBorder());
        QVERIFY(window->lblMessage->isVisible());
    }

    void aReadingIsShown()
    {
        ScriptedDesktop &desktop = scripted();
        // Letters Q, A and Z; the symbols are drawn in the order A, Q, Z.
        desktop.scriptRandom({letter(16), letter(0), letter(24), 0.0f, 0.5f, 0.5f});
        frmTeaLeafReadingMain *window = launch();
        frmTeaLeafReadingDisplay *display = askWith(window);
        QVERIFY(display);
        QCOMPARE(desktop.randomValuesLeft(), 0);
        QVERIFY(desktop.messages.isEmpty());

        QCOMPARE(shownReading(display),
                 QStringList({"Question Mark", "Abbey", "Zebra",
                              "Question mark indicates that you need to be cautious and alert about your deals",
                              "Very soon you will be free from all your worries and tensions",
                              "It represents that you will frequently travel to foreign lands where you will come "
                              "across many adventures"}));
        QVERIFY(display->isVisible());
        QVERIFY(window->isHidden());
        QCOMPARE(WindowRegistry::loadedWindow<frmTeaLeafReadingMain>(), window);
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(WindowRegistry::window<frmMDI>()->mdiArea->activeSubWindow(), display);
        // The question window keeps what was asked.
        QCOMPARE(window->txtName->text(), "MIRA");
        QCOMPARE(window->txtQuestion->text(), "WILL IT RAIN?");
        QVERIFY(window->optTypeOfTea[3]->isChecked());
    }

    void backThenASecondReadingReplacesEveryLabel_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File > Back") << true;
    }

    void backThenASecondReadingReplacesEveryLabel()
    {
        QFETCH(bool, byMenu);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({letter(16), letter(0), letter(24), 0.0f, 0.5f, 0.5f});
        frmTeaLeafReadingMain *window = launch();
        frmTeaLeafReadingDisplay *display = askWith(window, 5);
        const QStringList first = shownReading(display);

        if (byMenu)
            display->mnuexit->trigger();
        else
            QTest::mouseClick(display->cmdBack, Qt::LeftButton);
        QVERIFY(window->isVisible());
        QVERIFY(display->isHidden());
        QCOMPARE(WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>(), display); // hidden, not unloaded
        QCOMPARE(shownReading(display), first);
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(WindowRegistry::window<frmMDI>()->mdiArea->activeSubWindow(), window);
        QVERIFY(window->txtName->text().isEmpty());
        QVERIFY(window->txtQuestion->text().isEmpty());
        QVERIFY(window->optTypeOfTea[0]->isChecked());
        QVERIFY(!window->optTypeOfTea[5]->isChecked());

        // Letters J, I and Y; drawn in the order I (Ivy leaf, row 126), J (Jewels), Y (Yoke).
        desktop.scriptRandom({letter(9), letter(8), letter(23), 0.7f, 0.0f, ScriptedServices::largestBelowOne()});
        QTest::keyClicks(window->txtName, QStringLiteral("tom"));
        QTest::keyClicks(window->txtQuestion, QStringLiteral("and now?"));
        QTest::mouseClick(window->picTeapot, Qt::LeftButton); // Ceylon stands chosen
        QVERIFY(desktop.messages.isEmpty());
        QCOMPARE(WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>(), display);
        const QStringList second = shownReading(display);
        QCOMPARE(second, QStringList({"Jewels", "Ivy leaf", "Yoke", meaningOf(128),
                                      "It represents that you are a very reliable as a friend", meaningOf(216)}));
        for (int i = 0; i < second.size(); ++i)
            QVERIFY2(second[i] != first[i], qPrintable(second[i]));
        QVERIFY(display->isVisible());
        QVERIFY(window->isHidden());
    }

    void aLongMeaningIsShownWhole()
    {
        ScriptedDesktop &desktop = scripted();
        // First a reading of short meanings, then the Acorn (row 5) in the third block.
        desktop.scriptRandom({letter(16), letter(24), letter(9), 0.5f, 0.5f, 0.5f});
        frmTeaLeafReadingMain *window = launch();
        frmTeaLeafReadingDisplay *display = askWith(window);
        display->cmdBack->click();
        desktop.scriptRandom({letter(16), letter(24), letter(0), 5.5f / 17.0f, 0.5f, 0.5f});
        askWith(window);
        QCOMPARE(display->lblResemblesThree->text(), "Acorn");
        for (QLabel *meaning : {display->lblFirstRndResult, display->lblSecondRndResult, display->lblThirdRndResult}) {
            QVERIFY2(meaning->height() >= meaning->heightForWidth(meaning->width()), qPrintable(meaning->text()));
            const QRect inWindow(meaning->mapTo(display, QPoint(0, 0)), meaning->size());
            QVERIFY(display->rect().contains(inWindow));
        }
    }

    void printOpensTheReport_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Print button") << false;
        QTest::newRow("File > Print") << true;
    }

    void printOpensTheReport()
    {
        QFETCH(bool, byMenu);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({letter(1), letter(2), letter(3), 0.1f, 0.2f, 0.3f});
        frmTeaLeafReadingDisplay *display = askWith(launch());
        if (byMenu)
            display->mnuPrint->trigger();
        else
            QTest::mouseClick(display->cmdPrint, Qt::LeftButton);
        auto *report = WindowRegistry::loadedWindow<frmTeaLeafReadingSave>();
        QVERIFY(report && report->isVisible());
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>(), display);
    }

    void closingTheResultLeavesTheQuestionHidden_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("File > Exit") << true;
    }

    void closingTheResultLeavesTheQuestionHidden()
    {
        QFETCH(bool, byMenu);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({letter(1), letter(2), letter(3), 0.1f, 0.2f, 0.3f});
        frmTeaLeafReadingMain *window = launch();
        frmTeaLeafReadingDisplay *display = askWith(window);
        if (byMenu)
            display->mnufileexit->trigger();
        else
            display->close();
        QVERIFY(!WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>());
        QVERIFY(picMain()->isVisible());
        QCOMPARE(WindowRegistry::loadedWindow<frmTeaLeafReadingMain>(), window);
        QVERIFY(window->isHidden());
    }

    void launchingOpensAFreshQuestion()
    {
        frmTeaLeafReadingMain *window = launch();
        QVERIFY(window && window->isVisible());
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(window->windowTitle(), "Orrin Tea Leaf Reading");
        QVERIFY(window->txtName->text().isEmpty() && window->txtQuestion->text().isEmpty());
        for (QRadioButton *tea : window->optTypeOfTea)
            QVERIFY(!tea->isChecked());
        QCOMPARE(window->optTypeOfTea[2]->text(), "Darjeeling ((Indian Tea)");
        QCOMPARE(window->optTypeOfTea[2]->objectName(), "optTypeOfTea(2)");

        // File > Exit closes it and brings the welcome panel back.
        window->mnuExit->trigger();
        QVERIFY(!WindowRegistry::loadedWindow<frmTeaLeafReadingMain>());
        QVERIFY(picMain()->isVisible());
    }

    void launchingAgainOverAReadingStartsAfresh()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({letter(10), letter(11), letter(12), 0.4f, 0.4f, 0.4f});
        QPointer<frmTeaLeafReadingMain> oldWindow = launch();
        QPointer<frmTeaLeafReadingDisplay> oldDisplay = askWith(oldWindow);
        QVERIFY(oldDisplay && oldDisplay->isVisible());

        frmTeaLeafReadingMain *window = launch();
        QVERIFY(!WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!oldWindow && !oldDisplay);
        QVERIFY(window && window->isVisible());
        QVERIFY(!picMain()->isVisible());
        QVERIFY(window->txtName->text().isEmpty());
        for (QRadioButton *tea : window->optTypeOfTea)
            QVERIFY(!tea->isChecked());

        // Without Back, the tea must be chosen again.
        QTest::keyClicks(window->txtName, QStringLiteral("ann"));
        QTest::keyClicks(window->txtQuestion, QStringLiteral("why"));
        QTest::mouseClick(window->picTeapot, Qt::LeftButton);
        QCOMPARE(desktop.messageTexts(), QStringList{"Please select type of tea"});
    }

    void windowsCarryTheirMenusAndLinks()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({letter(4), letter(5), letter(6), 0.5f, 0.5f, 0.5f});
        frmTeaLeafReadingMain *window = launch();
        QCOMPARE(window->findChild<QAction *>("mnuUpdate")->text(), "Check for Software &Update");
        QVERIFY(window->findChild<QAction *>("mnuHelp1") && window->findChild<QAction *>("mm"));
        QVERIFY(!window->findChild<QPushButton *>("cmdExit"));
        QVERIFY(window->lblCobrand->text().contains("name &  link here. See \"Help\" for details.Click Here"));

        frmTeaLeafReadingDisplay *display = askWith(window);
        QCOMPARE(display->windowTitle(), "Orrin Tea Leaf Reading");
        QCOMPARE(display->fraResults->title(), "Orrin Free TeaLeaf Reading Results");
        QVERIFY(!display->findChild<QPushButton *>("cmdExit"));
        QVERIFY(!display->findChild<QAction *>("mnuExit"));
        QCOMPARE(display->findChild<QAction *>("mnuUpdate")->text(), "&Check for Software Update");
        QVERIFY(display->findChild<QAction *>("mnuFileSep1") && display->findChild<QAction *>("mm"));
        QCOMPARE(display->cmdPrint->text(), "&Print");
        QCOMPARE(display->cmdBack->text(), "&Back");
        QVERIFY(display->lblFullBrand->isVisible() && !display->lblCobrand->isVisible());

        // Its own File menu stands first in the main window's menu bar.
        auto *file = display->findChild<QMenu *>("mnufile");
        QStringList items;
        for (QAction *action : file->actions())
            items << action->objectName() + "=" + action->text();
        QCOMPARE(items, QStringList({"mnuPrint=Print", "mnuexit=&Back", "mnufileexit=&Exit"}));
        const QList<QAction *> bar = WindowRegistry::window<frmMDI>()->menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0], file->menuAction());
        QCOMPARE(bar[1], display->findChild<QMenu *>("mnuHelp")->menuAction());

        // Block 1 takes the left column; 2 stands above 3 on the right.
        const QRect one = display->fraBlock[0]->geometry();
        const QRect two = display->fraBlock[1]->geometry();
        const QRect three = display->fraBlock[2]->geometry();
        QVERIFY(one.right() < two.left() && two.left() == three.left());
        QVERIFY(two.bottom() < three.top());
        QCOMPARE(one.top(), two.top());
        QCOMPARE(one.bottom(), three.bottom());
    }
};

ORRIN_TEST(TeaLeafWindowsTest)
#include "TeaLeafWindowsTest.moc"

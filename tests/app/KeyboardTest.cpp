#include "DesktopTest.h"
#include "EveryWindow.h"
#include "TestMain.h"

#include "app/StartUp.h"
#include "app/frmAbout.h"
#include "app/frmMDI.h"
#include "frame/OracleWindow.h"
#include "frame/Widgets.h"
#include "frame/WindowRegistry.h"
#include "oracles/arithmancy/frmArithmancyMain.h"
#include "oracles/arithmancy/modArithmancy.h"
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
#include "oracles/podomancy/modPodomancy.h"
#include "oracles/tea_leaf/frmTeaLeafReadingDisplay.h"
#include "oracles/tea_leaf/frmTeaLeafReadingMain.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

// Launcher buttons (indexes of the oracle table).
constexpr int CoffeeButton = 0;
constexpr int TeaButton = 4;
constexpr int BibliomancyButton = 5;
constexpr int CyclomancyButton = 6;
constexpr int ArithmancyButton = 7;
constexpr int PodomancyButton = 8;

QString describe(const QWidget *widget)
{
    return widget ? QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()), widget->objectName())
                  : QStringLiteral("nothing");
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

// A key pressed and released on whatever has the keyboard focus.
bool press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = focused();
    if (!target)
        return false;
    QTest::keyClick(target, key, modifiers);
    return true;
}

// Tab until `target` has the focus; false when it is never reached.
bool tabTo(QWidget *target)
{
    for (int presses = 0; presses < 40; ++presses) {
        if (focused() == target)
            return true;
        if (!press(Qt::Key_Tab))
            return false;
    }
    return false;
}

// The stops Tab visits, from the one that has the focus round to it again.
QList<QWidget *> tabCycle()
{
    QList<QWidget *> cycle;
    QWidget *start = focused();
    if (!start)
        return cycle;
    cycle.append(start);
    for (int presses = 0; presses < 60; ++presses) {
        press(Qt::Key_Tab);
        if (focused() == start || !focused() || cycle.contains(focused()))
            break;
        cycle.append(focused());
    }
    return cycle;
}

QRect placeIn(const QWidget *widget, const QWidget *window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

QStringList names(const QList<QWidget *> &widgets)
{
    QStringList shown;
    for (const QWidget *widget : widgets)
        shown.append(describe(widget));
    return shown;
}

} // namespace

class KeyboardTest : public DesktopTest {
    Q_OBJECT

    QTemporaryDir lockFolder;

    static frmMDI *activeMainWindow()
    {
        frmMDI *main = mainWindow();
        if (!QTest::qWaitForWindowActive(main))
            return nullptr;
        return main;
    }

    // From the launcher's first button, by keys alone.
    static bool launchByKeyboard(int index)
    {
        frmMDI *main = activeMainWindow();
        return main && tabTo(main->cmdSelectOption[index]) && press(Qt::Key_Space);
    }

    // The visible launcher buttons, row by row and left to right.
    static QList<QWidget *> launcherOnScreen(frmMDI *main)
    {
        QList<QWidget *> buttons;
        for (QPushButton *button : main->cmdSelectOption)
            if (button->isVisible())
                buttons.append(button);
        std::sort(buttons.begin(), buttons.end(), [main](QWidget *a, QWidget *b) {
            const QRect first = placeIn(a, main);
            const QRect second = placeIn(b, main);
            return std::pair(first.top(), first.left()) < std::pair(second.top(), second.left());
        });
        return buttons;
    }

    static void addWindowRows()
    {
        addEveryWindowRows();
    }

private slots:
    void initTestCase() { QVERIFY(lockFolder.isValid()); }

    void cleanup()
    {
        ReleaseSingleInstance();
        DesktopTest::cleanup();
    }

    void theFirstLauncherButtonHasTheFocusAtStart()
    {
        QVERIFY(CheckSingleInstance({lockFolder.path()}));
        QVERIFY(StartUp());
        auto *main = WindowRegistry::loadedWindow<frmMDI>();
        QVERIFY(main && QTest::qWaitForWindowActive(main));
        QWidget *first = launcherOnScreen(main).value(0);
        QCOMPARE(describe(focused()), describe(first));
        // The focus shows before any key was pressed.
        const QImage withFocus = first->grab().toImage();
        main->cmdMdiExit->setFocus();
        QVERIFY(first->grab().toImage() != withFocus);
    }

    void launcherTabOrderIsTheOrderOnScreen()
    {
        frmMDI *main = activeMainWindow();
        QVERIFY(main);
        const QList<QWidget *> onScreen = launcherOnScreen(main);
        QCOMPARE(onScreen.size(), 6);
        QList<QWidget *> visited;
        for (QWidget *stop : tabCycle())
            if (onScreen.contains(stop))
                visited.append(stop);
        QCOMPARE(names(visited), names(onScreen));
    }

    // Each Tab goes to the right, or down to a later line: never back up
    // and to the left. Every picture that acts as a button and every link
    // is on the way.
    void tabOrderFollowsTheScreen_data() { addWindowRows(); }
    void tabOrderFollowsTheScreen()
    {
        QFETCH(std::function<QWidget *()>, open);
        QVERIFY(activeMainWindow());
        QWidget *window = open();
        QVERIFY(window && window->isVisible());
        if (window->isWindow())
            QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY2(window->isAncestorOf(focused()), qPrintable(describe(focused())));
        QList<QWidget *> cycle = tabCycle();
        for (QWidget *stop : std::as_const(cycle))
            QVERIFY2(window->isAncestorOf(stop), qPrintable("Tab left the window for " + describe(stop)));

        // The cycle read from its top left stop.
        const auto topLeft = std::min_element(cycle.begin(), cycle.end(), [window](QWidget *a, QWidget *b) {
            const QRect first = placeIn(a, window);
            const QRect second = placeIn(b, window);
            return std::pair(first.top(), first.left()) < std::pair(second.top(), second.left());
        });
        std::rotate(cycle.begin(), topLeft, cycle.end());
        for (qsizetype i = 1; i < cycle.size(); ++i) {
            const QRect before = placeIn(cycle[i - 1], window);
            const QRect after = placeIn(cycle[i], window);
            const bool right = after.left() >= before.right();
            const bool down = after.top() > before.center().y();
            QVERIFY2(right || down,
                qPrintable(
                    QStringLiteral("%1 goes back to %2 in %3")
                        .arg(describe(cycle[i - 1]), describe(cycle[i]), names(cycle).join(QLatin1String(", ")))));
        }
        for (PictureBox *picture : window->findChildren<PictureBox *>())
            if (picture->isClickable() && picture->isVisible())
                QVERIFY2(cycle.contains(picture), qPrintable(describe(picture)));
        for (LinkLabel *link : window->findChildren<LinkLabel *>())
            if (link->isVisible())
                QVERIFY2(cycle.contains(link), qPrintable(describe(link)));
    }

    // A picture that acts as a button and a link show a ring in the
    // highlight colour while they have the focus, in light and dark themes.
    void focusRingShows_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("highlight");
        QTest::newRow("light") << QColor(Qt::white) << QColor(48, 140, 198);
        QTest::newRow("dark") << QColor(40, 40, 40) << QColor(42, 130, 218);
    }
    void focusRingShows()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, highlight);
        QPalette theme;
        theme.setColor(QPalette::Window, window);
        theme.setColor(QPalette::Base, window);
        theme.setColor(QPalette::Highlight, highlight);
        auto *coffee = open<frmCoffeeCupReadingMain>();
        QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
        coffee->setPalette(theme);
        auto highlighted = [&highlight](QWidget *widget) {
            const QImage image = widget->grab().toImage();
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += image.pixelColor(x, y) == highlight;
            return count;
        };
        for (QWidget *widget :
            {static_cast<QWidget *>(coffee->picCoffeePot), static_cast<QWidget *>(coffee->Label61)}) {
            widget->setFocus(Qt::TabFocusReason);
            QVERIFY(widget->hasFocus());
            const int withFocus = highlighted(widget);
            coffee->lblCobrand->setFocus(Qt::TabFocusReason);
            QCOMPARE(highlighted(widget), 0);
            // Round the whole picture or label: at least its outline.
            QVERIFY2(withFocus >= widget->width() + widget->height(), qPrintable(describe(widget)));
        }
    }

    void picturesAndLinksAnswerSpaceAndEnter_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }
    void picturesAndLinksAnswerSpaceAndEnter()
    {
        QFETCH(int, key);
        ScriptedDesktop &desktop = scripted();
        frmMDI *main = activeMainWindow();
        QVERIFY(main);
        QVERIFY(tabTo(main->Picture6));
        QVERIFY(press(Qt::Key(key)));
        QVERIFY(tabTo(main->Label7));
        QVERIFY(press(Qt::Key(key)));
        QCOMPARE(desktop.openedAddresses.size(), 2);
        QVERIFY(desktop.openedAddresses[0] != desktop.openedAddresses[1]);
        // Other keys do nothing.
        QVERIFY(press(Qt::Key_A));
        QVERIFY(press(Qt::Key_Space, Qt::ControlModifier));
        QCOMPARE(desktop.openedAddresses.size(), 2);
    }

    void coffeeCupReadingByKeys()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.0f});
        QVERIFY(launchByKeyboard(CoffeeButton));
        auto *main = WindowRegistry::loadedWindow<frmCoffeeCupReadingMain>();
        QVERIFY(main && main->isVisible());
        QVERIFY(tabTo(main->picCoffeePot));
        QVERIFY(press(Qt::Key_Space));
        QCOMPARE(std::accumulate(desktop.waits.cbegin(), desktop.waits.cend(), 0), 4);
        auto *display = WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>();
        QVERIFY(display && display->isVisible());
        QVERIFY(!display->lblElement->text().isEmpty());
        QCOMPARE(desktop.randomValuesLeft(), 0);

        // Back, and the pot has the focus again for the next reading.
        QVERIFY(tabTo(display->cmdOK));
        QVERIFY(press(Qt::Key_Space));
        QVERIFY(main->isVisible());
        QCOMPARE(describe(focused()), describe(main->picCoffeePot));
    }

    void teaLeafReadingByKeys()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.1f, 0.5f, 0.9f, 0.0f, 0.5f, 0.5f});
        QVERIFY(launchByKeyboard(TeaButton));
        auto *main = WindowRegistry::loadedWindow<frmTeaLeafReadingMain>();
        QVERIFY(main && main->isVisible());
        QVERIFY(tabTo(main->txtName));
        QTest::keyClicks(focused(), "mira");
        QVERIFY(press(Qt::Key_Tab));
        QCOMPARE(focused(), main->txtQuestion);
        QTest::keyClicks(focused(), "will it rain?");
        QVERIFY(press(Qt::Key_Tab));
        QCOMPARE(focused(), main->optTypeOfTea[0]);
        // Down to the second tea, Space to choose it.
        QVERIFY(press(Qt::Key_Down));
        QVERIFY(press(Qt::Key_Space));
        QVERIFY(main->optTypeOfTea[1]->isChecked());
        QVERIFY(tabTo(main->picTeapot));
        QVERIFY(press(Qt::Key_Return));
        QVERIFY(desktop.messages.isEmpty());
        auto *display = WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>();
        QVERIFY(display && display->isVisible());
        QCOMPARE(desktop.randomValuesLeft(), 0);
        QCOMPARE(main->txtName->text(), "MIRA");
    }

    void bibliomancyReadingByKeys()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.5f});
        QVERIFY(launchByKeyboard(BibliomancyButton));
        auto *main = WindowRegistry::loadedWindow<frmBibliomancyMain>();
        QVERIFY(main && main->isVisible());
        QVERIFY(tabTo(main->cmbOption));
        QVERIFY(press(Qt::Key_Down));
        QCOMPARE(main->cmbOption->currentText(), "Hinduism");
        QVERIFY(tabTo(main->txtQuestion));
        QTest::keyClicks(focused(), "Shall I travel?");
        QVERIFY(tabTo(main->cmdNext));
        QVERIFY(press(Qt::Key_Space));
        auto *display = WindowRegistry::loadedWindow<frmBibliomancyDisplay>();
        QVERIFY(display && display->isVisible());
        QCOMPARE(display->frameInFront(), display->fraHinduism);
        QVERIFY(!display->txtHinduism->toPlainText().isEmpty());
        QCOMPARE(desktop.randomValuesLeft(), 0);
    }

    void arithmancyReadingByKeys()
    {
        QVERIFY(launchByKeyboard(ArithmancyButton));
        auto *main = WindowRegistry::loadedWindow<frmArithmancyMain>();
        QVERIFY(main && main->isVisible());
        QVERIFY(tabTo(main->txtName));
        QTest::keyClicks(focused(), "mira");
        QVERIFY(press(Qt::Key_Return));
        QCOMPARE(main->panelInFront(), main->Frame2);
        const auto reading = modArithmancy::ComputeArithmancyReading(QStringLiteral("MIRA"));
        QCOMPARE(main->lblResult[0]->text(), QString::number(reading.CharacterNumber));
        QCOMPARE(main->txtResult[2]->toPlainText(), reading.SocialText);
        // Back by keys to ask again.
        QCOMPARE(focused(), main->cmdBack);
        QVERIFY(press(Qt::Key_Space));
        QCOMPARE(main->panelInFront(), main->Frame1);
        QCOMPARE(focused(), main->txtName);
    }

    void cyclomancyReadingByKeys()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.25f});
        QVERIFY(launchByKeyboard(CyclomancyButton));
        auto *main = WindowRegistry::loadedWindow<frmCyclomancyMain>();
        QVERIFY(main && main->isVisible());
        QVERIFY(tabTo(main->cmdNext));
        QVERIFY(press(Qt::Key_Space));
        QCOMPARE(desktop.randomValuesLeft(), 0);
        QVERIFY(!main->lblNo->text().isEmpty());
        const int number = main->lblNo->text().toInt();
        QVERIFY(number >= 1 && number <= frmCyclomancyMain::HandCount);
        for (int hand = 0; hand < frmCyclomancyMain::HandCount; ++hand)
            QCOMPARE(main->Line1[hand]->isVisibleTo(main), hand == number - 1);
    }

    void podomancyReadingByKeys()
    {
        using namespace modPodomancy;
        QVERIFY(launchByKeyboard(PodomancyButton));
        auto *main = WindowRegistry::loadedWindow<frmPodomancyMain>();
        QVERIFY(main && main->isVisible());
        for (int page = 0; page < GroupCount; ++page) {
            QCOMPARE(main->currentPage(), page);
            // Into the page's options, Down to the second, Space to choose it, on to Next.
            QVERIFY(tabTo(main->option(page, 0)));
            QVERIFY(press(Qt::Key_Down));
            QVERIFY(press(Qt::Key_Space));
            QVERIFY2(main->option(page, 1)->isChecked(), qPrintable(QString::number(page)));
            QVERIFY(tabTo(main->cmdNext[page]));
            QVERIFY(press(Qt::Key_Space));
        }
        QVERIFY(scripted().messages.isEmpty());
        auto *display = WindowRegistry::loadedWindow<frmPodomancyDisplay>();
        QVERIFY(display && display->isVisible());
        for (int group = 0; group < GroupCount; ++group)
            QCOMPARE(display->nameLabel(group)->text(), OptionCaption(group, 1));
    }

    void fortuneCookieByKeys()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.5f});
        QVERIFY(activeMainWindow());
        auto *main = open<frmFortuneCookieMain>();
        // The middle cookie is the second on screen.
        QVERIFY(tabTo(main->picOne));
        QVERIFY(press(Qt::Key_Enter, Qt::KeypadModifier));
        auto *display = WindowRegistry::loadedWindow<frmFortuneCookieDisplay>();
        QVERIFY(display && display->isVisible());
        QVERIFY(display->picBrokenOne->isVisible());
        QVERIFY(!display->lblFortuneMassage->text().isEmpty());
        QCOMPARE(desktop.randomValuesLeft(), 0);
    }

    void dominoByKeys()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.1f, 0.9f});
        QVERIFY(activeMainWindow());
        auto *main = open<frmDominoOracleMain>();
        QVERIFY(tabTo(main->picProceed));
        QVERIFY(press(Qt::Key_Space));
        QCOMPARE(desktop.waits, QList<int>{3});
        auto *display = WindowRegistry::loadedWindow<frmDominoOracleDisplay>();
        QVERIFY(display && display->isVisible());
        QVERIFY(!display->picDominoOne->picture().isEmpty());
        QVERIFY(!display->picDominoTwo->picture().isEmpty());
        QVERIFY(!display->lblDominoMassage->text().isEmpty());
        QCOMPARE(desktop.randomValuesLeft(), 0);
    }

    void mahjongByKeys()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.0f});
        QVERIFY(activeMainWindow());
        auto *main = open<frmMahjongOracleMain>();
        QVERIFY(tabTo(main->cmdFindMajong));
        QVERIFY(press(Qt::Key_Space));
        QCOMPARE(desktop.waits, QList<int>{3});
        auto *display = WindowRegistry::loadedWindow<frmMahjongOracleDisplay>();
        QVERIFY(display && display->isVisible());
        QVERIFY(!display->picMajong->picture().isEmpty());
        QVERIFY(!display->lblName->text().isEmpty());
        QCOMPARE(desktop.randomValuesLeft(), 0);
    }
};

ORRIN_TEST(KeyboardTest)
#include "KeyboardTest.moc"

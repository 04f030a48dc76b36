#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmAbout.h"
#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "frame/modHelp.h"
#include "frame/PictureCache.h"
#include "frame/Widgets.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingDisplay.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingMain.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

class MainWindowTest : public DesktopTest {
    Q_OBJECT

    frmMDI *shownMain()
    {
        auto *main = WindowRegistry::window<frmMDI>();
        main->show();
        return main;
    }

    QLabel *caption(frmMDI *main, int index)
    {
        return main->findChild<QLabel *>(QStringLiteral("lblCaption(%1)").arg(index));
    }

    void openCoffeeReading(frmMDI *main)
    {
        QTest::mouseClick(main->findChild<QPushButton *>("cmdSelectOption(0)"), Qt::LeftButton);
        QTest::mouseClick(WindowRegistry::loadedWindow<frmCoffeeCupReadingMain>()->picCoffeePot, Qt::LeftButton);
    }

private slots:

    void launcherShowsSixOraclesAtTheirPlaces_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QPoint>("twipsPosition");
        QTest::newRow("0") << 0 << "Coffee Cup Reading" << true << QPoint(4680, 120);
        QTest::newRow("1") << 1 << "Domino Oracle" << false << QPoint();
        QTest::newRow("2") << 2 << "Fortune Cookie" << false << QPoint();
        QTest::newRow("3") << 3 << "Mahjong Oracle" << false << QPoint();
        QTest::newRow("4") << 4 << "Tea Leaf Reading" << true << QPoint(1080, 120);
        QTest::newRow("5") << 5 << "Bibliomancy" << true << QPoint(8400, 120);
        QTest::newRow("6") << 6 << "Cyclomancy" << true << QPoint(1080, 720);
        QTest::newRow("7") << 7 << "Arithmancy" << true << QPoint(4680, 720);
        QTest::newRow("8") << 8 << "Podomancy" << true << QPoint(8400, 720);
    }

    void launcherShowsSixOraclesAtTheirPlaces()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(bool, shown);
        QFETCH(QPoint, twipsPosition);
        frmMDI *main = shownMain();
        auto *button = main->findChild<QPushButton *>(QStringLiteral("cmdSelectOption(%1)").arg(index));
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->isVisible(), shown);
        QCOMPARE(main->launcherIcon[index]->isVisible(), shown);
        QCOMPARE(this->caption(main, index + 3)->text(), caption);
        QCOMPARE(this->caption(main, index + 3)->isVisible(), shown);
        if (shown) {
            QCOMPARE(button->pos(), twipsPosition / 15);
            QCOMPARE(button->size(), QSize(190, 33));
            QCOMPARE(main->launcherIcon[index]->x(), (twipsPosition.x() - 600) / 15);
        }
    }

    // A large scale on a small screen: 800 x 500 pixels to lay out in.
    void aSmallScreenScrollsTheWelcomeAndKeepsTheOfferWhole()
    {
        scripted().screenWidth = 800 * 15;
        frmMDI *main = shownMain();
        main->resize(800, 500);
        QCoreApplication::processEvents();
        auto *panel = qobject_cast<QScrollArea *>(main->picMain);
        QVERIFY(panel);
        QVERIFY(panel->verticalScrollBar()->maximum() > 0);
        QCOMPARE(panel->horizontalScrollBar()->maximum(), 0);
        const QWidget *last = caption(main, 11);
        QVERIFY(panel->widget()->height() > last->geometry().bottom());
        panel->ensureWidgetVisible(caption(main, 11));
        QVERIFY(last->visibleRegion().boundingRect().height() == last->height());
        // The offer keeps every line: the banner picture gave up width for it.
        QVERIFY(main->Label7->heightForWidth(main->Label7->width()) <= main->Label7->height());
        QVERIFY(main->Picture6->geometry().right() < main->Label7->x());
        QVERIFY(main->Label7->geometry().right() < main->cmdMdiExit->x());
    }

    // It opens as wide as the screen and as tall as its welcome panel needs;
    // a short screen caps it, and the panel scrolls.
    void theWindowOpensScreenWideAndAsTallAsItsWelcome()
    {
        frmMDI *main = shownMain();
        const QRect opening = main->openingGeometry(QRect(0, 24, 1600, 2000));
        QCOMPARE(opening.topLeft(), QPoint(0, 24));
        QCOMPARE(opening.width(), 1600);
        QVERIFY(opening.height() < 2000);
        main->setGeometry(opening);
        QCoreApplication::processEvents();
        QCOMPARE(qobject_cast<QScrollArea *>(main->picMain)->verticalScrollBar()->maximum(), 0);
        QCOMPARE(main->openingGeometry(QRect(0, 0, 1600, 300)).height(), 300);
    }

    // An oracle window taller than the area below the launcher gets room, as
    // far as the screen allows; a window with room to spare keeps its size.
    void anOracleWindowGetsRoomDownToTheScreenBottom()
    {
        frmMDI *main = shownMain();
        const QRect screen = main->screen()->availableGeometry();
        scripted().screenWidth = screen.width() * 15; // the oracle window is placed within the screen
        main->setGeometry(main->openingGeometry(QRect(screen.topLeft(), QSize(screen.width(), 300))));
        QCoreApplication::processEvents();
        main->LaunchOracle(0);
        QCoreApplication::processEvents();
        auto *oracle = main->mdiArea->activeSubWindow();
        QVERIFY(oracle);
        QVERIFY(main->height() > 300);
        QVERIFY(main->frameGeometry().bottom() <= screen.bottom());
        QVERIFY(main->mdiArea->viewport()->height() > oracle->geometry().bottom()
                || main->frameGeometry().bottom() == screen.bottom());
        const QSize grown = main->size();
        main->LaunchOracle(0);
        QCoreApplication::processEvents();
        QCOMPARE(main->size(), grown);
    }

    // The build drew the pictures the window opens with at the size they are
    // shown, so its first paint draws none of them.
    void itsPicturesWereDrawnAhead()
    {
        frmMDI *main = shownMain();
        int shown = 0;
        for (const PictureBox *box : main->findChildren<PictureBox *>()) {
            if (!box->isVisible())
                continue;
            ++shown;
            QVERIFY2(pictureCache::isDrawnAhead(box->picture(), box->picturePixels()), qPrintable(box->picture()));
        }
        QCOMPARE(shown, 7);
    }

    void layoutFollowsTheScreenWidthNotTheWindow()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.screenWidth = 1600 * 15;
        frmMDI *main = shownMain();
        main->resize(700, 500); // smaller than the screen: centred controls sit right of its middle
        const int container = main->picButtonContainer->width();
        QCOMPARE(main->picButtonContainer->x(), (1600 - container) / 2);
        QCOMPARE(main->cmdMdiExit->x(), 1600 - main->cmdMdiExit->width() - 8);
        for (int index : {0, 3, 11})
            QCOMPARE(caption(main, index)->x(), (1600 - caption(main, index)->width()) / 2);
    }

    void welcomeCaptionsOpenOraclesOrNothing()
    {
        frmMDI *main = shownMain();
        for (int index : {0, 1, 2}) {
            QTest::mouseClick(caption(main, index), Qt::LeftButton);
            QVERIFY(main->picMain->isVisible());
            QVERIFY(WindowRegistry::loadedForms().size() == 1);
        }
        QTest::mouseClick(caption(main, 3), Qt::LeftButton);
        QVERIFY(!main->picMain->isVisible());
        QVERIFY(WindowRegistry::loadedWindow<frmCoffeeCupReadingMain>()->isVisible());
        // A caption of the welcome text closes the open oracle windows too.
        QTest::mouseClick(caption(main, 1), Qt::LeftButton);
        QVERIFY(!WindowRegistry::loadedWindow<frmCoffeeCupReadingMain>());
        QVERIFY(main->picMain->isVisible());
    }

    void launchingAgainOverAnOpenReadingStartsFresh()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.1f});
        frmMDI *main = shownMain();
        openCoffeeReading(main);
        QPointer<QWidget> oldMain = WindowRegistry::loadedWindow<frmCoffeeCupReadingMain>();
        QVERIFY(WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>());

        QTest::mouseClick(main->findChild<QPushButton *>("cmdSelectOption(0)"), Qt::LeftButton);
        QVERIFY(!WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>());
        auto *fresh = WindowRegistry::loadedWindow<frmCoffeeCupReadingMain>();
        QVERIFY(fresh && fresh != oldMain.data());
        QVERIFY(fresh->isVisible());
        QVERIFY(fresh->picMessage->isHidden());
        QVERIFY(!main->picMain->isVisible());
        QCOMPARE(fresh->pos(), QPoint((1280 - fresh->width()) / 2, 0));
    }

    void captionsUnderlineUntilThePointerCrossesThePanel()
    {
        frmMDI *main = shownMain();
        auto underlined = [&](int index) { return caption(main, index)->font().underline(); };
        moveMouseOver(caption(main, 7));
        moveMouseOver(caption(main, 3));
        QVERIFY(underlined(7) && underlined(3));
        moveMouseOver(caption(main, 0));
        QVERIFY(!underlined(0) && underlined(7));
        moveMouseOver(main->picMain, QPoint(5, 5));
        for (int index = 0; index < 12; ++index)
            QVERIFY(!underlined(index));
    }

    void closingTheMainWindowEndsTheProgram_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close box") << "close";
        QTest::newRow("File > Exit") << "mnuExit";
        QTest::newRow("Exit button") << "cmdMdiExit";
    }

    void closingTheMainWindowEndsTheProgram()
    {
        QFETCH(QString, how);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.9f});
        frmMDI *main = shownMain();
        openCoffeeReading(main);
        if (how == "close")
            main->close();
        else if (how == "mnuExit")
            main->mnuFile->findChild<QAction *>("mnuExit")->trigger();
        else
            QTest::mouseClick(main->cmdMdiExit, Qt::LeftButton);
        QVERIFY(WindowRegistry::loadedForms().isEmpty());
        QCOMPARE(desktop.programEnds, 1);
        QVERIFY(desktop.messages.isEmpty());
    }

    void altEPressesTheExitOfTheWindowInFront()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.4f});
        frmMDI *main = shownMain();
        QApplication::setActiveWindow(main);
        openCoffeeReading(main);
        auto *display = WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>();
        display->cmdOK->setFocus();
        QTest::keyClick(display->cmdOK, Qt::Key_E, Qt::AltModifier);
        // An access key presses its button the way a click does, a moment later.
        QTRY_VERIFY(!WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>()); // the reading closed ...
        QCOMPARE(desktop.programEnds, 0);                                       // ... not the program
        QVERIFY(main->picMain->isVisible());

        // With no oracle window in front, Alt+E is the main window's Exit.
        QTest::keyClick(main, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(desktop.programEnds, 1);
    }

    void everyLinkOpensItsOwnAddress_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        const QString help = modHelp::OnlineHelpAddress, community = modHelp::CommunitySiteAddress,
                      download = modHelp::DownloadPageAddress, full = modHelp::FullBrandOfferAddress,
                      cobrand = modHelp::CoBrandOfferAddress;
        for (const QString window : {"main", "coffee", "display"}) {
            QTest::addRow("%s mnuOnline", qPrintable(window)) << window << "mnuOnline" << help;
            QTest::addRow("%s mnuVisit", qPrintable(window)) << window << "mnuVisit" << community;
            QTest::addRow("%s mnuUpdate", qPrintable(window)) << window << "mnuUpdate" << download;
            QTest::addRow("%s mkmoney", qPrintable(window)) << window << "mkmoney" << full;
        }
        QTest::newRow("main Label7") << "main" << "Label7" << full;
        QTest::newRow("main banner label") << "main" << "lblQuillmereBanner" << community;
        QTest::newRow("main banner picture") << "main" << "Picture6" << community;
        for (const QString window : {"coffee", "display"}) {
            QTest::addRow("%s Label61", qPrintable(window)) << window << "Label61" << community;
            QTest::addRow("%s lblCobrand", qPrintable(window)) << window << "lblCobrand" << cobrand;
            QTest::addRow("%s lblFullBrand", qPrintable(window)) << window << "lblFullBrand" << full;
        }
    }

    void everyLinkOpensItsOwnAddress()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, address);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.3f});
        frmMDI *main = shownMain();
        QWidget *owner = main;
        if (window != "main") {
            openCoffeeReading(main);
            if (window == "coffee")
                owner = WindowRegistry::loadedWindow<frmCoffeeCupReadingMain>();
            else
                owner = WindowRegistry::loadedWindow<frmCoffeeCupReadingDisplay>();
        }
        if (auto *action = owner->findChild<QAction *>(control))
            action->trigger();
        else
            QTest::mouseClick(owner->findChild<QWidget *>(control), Qt::LeftButton);
        QCOMPARE(desktop.openedAddresses, QList<QUrl>({QUrl(address)}));
    }

    void aboutIsModalAndOffersItsLinks()
    {
        ScriptedDesktop &desktop = scripted();
        frmMDI *main = shownMain();
        bool checked = false;
        desktop.whileModal = [&](QDialog &dialog) {
            auto *about = qobject_cast<frmAbout *>(&dialog);
            QVERIFY(about);
            QCOMPARE(about->windowModality(), Qt::ApplicationModal);
            QVERIFY(!about->parentWidget());
            QCOMPARE(about->windowTitle(), "Orrin Vodadadore I v1.20");
            QCOMPARE(about->Label2->text(), "Orrin Vodadadore I v1.20");
            QVERIFY(about->Label3->text().endsWith("fully branded for your website. "));
            QTest::mouseClick(about->lblCoBrand, Qt::LeftButton);
            QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
            QVERIFY(WindowRegistry::loadedWindow<frmAbout>());
            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
            checked = true;
        };
        main->findChild<QAction *>("mnuAbout")->trigger();
        QVERIFY(checked);
        QCOMPARE(desktop.modalRuns, 1);
        QCOMPARE(desktop.openedAddresses,
                 QList<QUrl>({QUrl(modHelp::FullBrandOfferAddress), QUrl(modHelp::CommunitySiteAddress)}));
        QVERIFY(!WindowRegistry::loadedWindow<frmAbout>());
    }

    void onlyWebAddressesReachTheDesktop()
    {
        ScriptedDesktop &desktop = scripted();
        for (const char *address : {"file:///etc/passwd", "javascript:alert(1)", "mailto:someone@example.com",
                                    "ftp://example.com/", "not an address", "https://"})
            modHelp::OpenWebPage(QString::fromLatin1(address));
        QVERIFY(desktop.openedAddresses.isEmpty());
        modHelp::OpenWebPage("https://www.example.com/page");
        modHelp::OpenWebPage("http://www.example.com/");
        QCOMPARE(desktop.openedAddresses.size(), 2);
    }
};

ORRIN_TEST(MainWindowTest)
#include "MainWindowTest.moc"

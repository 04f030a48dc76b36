#include "DesktopTest.h"
#include "TestMain.h"

#include "frame/OracleWindow.h"
#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/fortune_cookie/frmFortuneCookieDisplay.h"
#include "oracles/fortune_cookie/frmFortuneCookieMain.h"
#include "oracles/fortune_cookie/modFortunrCookies.h"

#include <QLabel>
#include <QPushButton>

namespace {

// A generator value that Int(r * 156) maps to `key`, from the middle of its interval.
float forKey(int key)
{
    return (static_cast<float>(key) + 0.5f) / 156.0f;
}

const char Fortune0[] = "Everywhere you choose to go, friendly faces will greet you.";
const char Fortune12[] = "you haven 't failed until you give up.";
const char Fortune150[] =
    "Don 't worry about things in the past, there is nothing you can do about them now. Don't worry about "
    "things that are happening now, make the best of a bad situation. Don't worry about things in the future, "
    "they may never happen.";
const char Fortune155[] = "Next time you have the opportunity, go on a rollercoaster.";

const QStringList BrokenCookies = {"picBrokenOne", "picBrokenTwo", "picBrokenThree"};

} // namespace

class FortuneCookieWindowsTest : public DesktopTest {
    Q_OBJECT

    static frmFortuneCookieDisplay *display() { return WindowRegistry::loadedWindow<frmFortuneCookieDisplay>(); }

    static void clickCookie(frmFortuneCookieMain *main, const QString &cookie)
    {
        QTest::mouseClick(main->findChild<PictureBox *>(cookie), Qt::LeftButton);
    }

    // The broken cookies the Display window shows.
    static QStringList brokenCookiesShown()
    {
        QStringList shown;
        for (const QString &name : BrokenCookies)
            if (display()->findChild<PictureBox *>(name)->isVisibleTo(display()))
                shown << name;
        return shown;
    }

    static bool cookiesShown(frmFortuneCookieMain *main)
    {
        return main->picOne->isVisibleTo(main) && main->picTwo->isVisibleTo(main)
               && main->picThree->isVisibleTo(main);
    }

    // A row per cookie, with the fortune the scripted value draws.
    static void addCookieRows()
    {
        QTest::addColumn<QString>("cookie");
        QTest::addColumn<QString>("broken");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("fortune");
        QTest::newRow("left cookie, r = 0") << "picTwo" << "picBrokenTwo" << 0.0f << 0 << Fortune0;
        QTest::newRow("middle cookie, largest r") << "picOne" << "picBrokenOne"
                                                  << ScriptedServices::largestBelowOne() << 155 << Fortune155;
        QTest::newRow("right cookie, the longest fortune") << "picThree" << "picBrokenThree" << forKey(150)
                                                           << 150 << Fortune150;
    }

private slots:
    void cookiesStandLeftToRightAndInviteAClick()
    {
        auto *main = open<frmFortuneCookieMain>();
        QVERIFY(main->isVisible());
        QVERIFY(cookiesShown(main));
        QVERIFY(main->picTwo->geometry().right() < main->picOne->geometry().left());
        QVERIFY(main->picOne->geometry().right() < main->picThree->geometry().left());
        for (PictureBox *cookie : {main->picOne, main->picTwo, main->picThree}) {
            QCOMPARE(cookie->parentWidget(), main->Frame1);
            QCOMPARE(cookie->cursor().shape(), Qt::PointingHandCursor);
        }
        QCOMPARE(main->lblCaption->text(), "Click On Any One Cookie to Know Your Fortune");
        QVERIFY(main->Label1->text().contains("that cones with an easy-to-use interface."));
    }

    void eachCookieShowsItsOwnBrokenCookie_data() { addCookieRows(); }

    void eachCookieShowsItsOwnBrokenCookie()
    {
        QFETCH(QString, cookie);
        QFETCH(QString, broken);
        QFETCH(float, r);
        QFETCH(int, key);
        QFETCH(QString, fortune);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({r});
        auto *main = open<frmFortuneCookieMain>();
        clickCookie(main, cookie);

        QCOMPARE(desktop.randomValuesLeft(), 0);
        QCOMPARE(FirstDraw, key); // the number the tea leaf reading shares
        QVERIFY(display() && display()->isVisible());
        QCOMPARE(brokenCookiesShown(), QStringList{broken});
        QCOMPARE(display()->lblFortuneMassage->text(), fortune);
        QCOMPARE(display()->Label2->text(), "Your Fortune For Today ");
        // The Main window waits hidden, its cookies put away, and no wait was taken.
        QCOMPARE(WindowRegistry::loadedWindow<frmFortuneCookieMain>(), main);
        QVERIFY(main->isHidden());
        QVERIFY(!main->picOne->isVisibleTo(main) && !main->picTwo->isVisibleTo(main)
                && !main->picThree->isVisibleTo(main));
        QVERIFY(!picMain()->isVisible());
        QVERIFY(desktop.waits.isEmpty());
        QCOMPARE(activeOracleWindow(), display());
    }

    void backThenAnotherCookie_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File > Back") << true;
    }

    void backThenAnotherCookie()
    {
        QFETCH(bool, byMenu);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.0f, forKey(12)});
        auto *main = open<frmFortuneCookieMain>();
        clickCookie(main, "picTwo");
        frmFortuneCookieDisplay *first = display();
        goBack(first, first->cmdOK, byMenu);

        QVERIFY(first->isUnloaded());
        QVERIFY(!display());
        QVERIFY(main->isVisible());
        QVERIFY(cookiesShown(main));
        // The Display window's unload showed the welcome panel; the Main window hid it again.
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(activeOracleWindow(), main);

        clickCookie(main, "picThree");
        QVERIFY(display() && display() != first);
        QCOMPARE(brokenCookiesShown(), QStringList{"picBrokenThree"});
        QCOMPARE(display()->lblFortuneMassage->text(), Fortune12);
        QCOMPARE(FirstDraw, 12);
    }

    void closingTheFortuneLeavesTheCookiesHidden_data() { addCloseWayRows(); }

    void closingTheFortuneLeavesTheCookiesHidden()
    {
        QFETCH(CloseWay, how);
        scripted().scriptRandom({0.5f});
        auto *main = open<frmFortuneCookieMain>();
        clickCookie(main, "picOne");
        close(display(), how);

        QVERIFY(!display());
        QVERIFY(picMain()->isVisible());
        QCOMPARE(WindowRegistry::loadedWindow<frmFortuneCookieMain>(), main);
        QVERIFY(main->isHidden());
    }
};

ORRIN_TEST(FortuneCookieWindowsTest)
#include "FortuneCookieWindowsTest.moc"

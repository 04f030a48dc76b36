#include "DesktopTest.h"
#include "SavedReadingFiles.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "frame/Widgets.h"
#include "oracles/cyclomancy/frmCyclomancyMain.h"
#include "oracles/cyclomancy/modCyclomancy.h"
#include "oracles/modSavedReading.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtMath>

#include <cmath>

using namespace modCyclomancy;

using namespace savedReadingFiles;

namespace {

const char Welcome[] = "Welcome to Orrin Cyclomancy! Let the Wheel help you solve your problems."
                       "                                                                     "
                       "Just close your eyes and meditate on your problem. Open your eyes and click on the button! ";

// The smallest r whose r × 9, in single precision, is at least x.
float firstReaching(float x)
{
    float r = x / 9.0f;
    while (r * 9.0f >= x)
        r = std::nextafter(r, 0.0f);
    while (r * 9.0f < x)
        r = std::nextafter(r, 1.0f);
    return r;
}

// The smallest r whose r × 9 is above x.
float firstAbove(float x)
{
    float r = firstReaching(x);
    while (r * 9.0f <= x)
        r = std::nextafter(r, 1.0f);
    return r;
}

// Degrees clockwise from the top of `point` seen from `centre`.
qreal bearing(QPointF centre, QPointF point)
{
    const QPointF d = point - centre;
    const qreal degrees = qRadiansToDegrees(std::atan2(d.x(), -d.y()));
    return degrees < 0 ? degrees + 360 : degrees;
}

QList<int> visibleHands(frmCyclomancyMain *window)
{
    QList<int> shown;
    for (int k = 0; k < frmCyclomancyMain::HandCount; ++k) {
        auto *hand = window->findChild<QWidget *>(QStringLiteral("Line1(%1)").arg(k));
        if (hand && hand->isVisibleTo(window))
            shown.append(k);
    }
    return shown;
}

// The number label nearest to the point of hand k.
QLabel *numberAtTheTipOf(frmCyclomancyMain *window, int k)
{
    CyclomancyHand *hand = window->Line1[k];
    const QPointF tip = hand->mapTo(window, hand->tip().toPoint());
    QLabel *nearest = nullptr;
    qreal best = 1e9;
    for (QLabel *label : window->lblLabel) {
        const QPointF middle = label->mapTo(window, label->rect().center());
        const qreal distance = QLineF(tip, middle).length();
        if (distance < best) {
            best = distance;
            nearest = label;
        }
    }
    return nearest;
}

} // namespace

class CyclomancyWindowTest : public DesktopTest {
    Q_OBJECT

    savedReadingFiles::Folder folder;

    // Opened as the launcher opens it, in an active main window so that focus can be seen.
    static frmCyclomancyMain *openWindow()
    {
        frmMDI *main = mainWindow();
        main->resize(1280, 800);
        main->activateWindow();
        if (!QTest::qWaitForWindowActive(main))
            qWarning("the main window did not become active");
        return open<frmCyclomancyMain>();
    }

    static void verifyReadingOf(frmCyclomancyMain *window, int k)
    {
        QCOMPARE(visibleHands(window), QList<int>{k});
        QCOMPARE(window->lblNo->text(), QString::number(k + 1));
        QCOMPARE(window->lblInterpretation->text(), Interpretation(k));
        // The hand points at the number shown, in the middle of its sector.
        QCOMPARE(numberAtTheTipOf(window, k)->text(), window->lblNo->text());
        CyclomancyHand *hand = window->Line1[k];
        QVERIFY(std::abs(bearing(hand->centre(), hand->tip()) - (k * 36 + 18)) < 0.5);
    }

private slots:

    void theWheelWaitsWithTheWelcomeText()
    {
        scripted(); // no random value scripted: a draw would fail the test
        frmCyclomancyMain *window = openWindow();
        QVERIFY(window->isVisible());
        QVERIFY(!picMain()->isVisible());
        QVERIFY(visibleHands(window).isEmpty());
        QVERIFY(window->lblNo->text().isEmpty());
        QCOMPARE(window->lblInterpretation->text(), QString::fromUtf8(Welcome));
        QCOMPARE(window->cmdNext->text(), "&Find Cyclomancy");
        QCOMPARE(window->cmdOpen->text(), "&Open Previously Saved Reading");
        QCOMPARE(window->fraBirthDay->title(), "* Birth Day");
        for (QComboBox *box : {window->cboDate, window->cboMonth, window->cboYear}) {
            QCOMPARE(box->count(), 0);
            QVERIFY(box->currentText().isEmpty());
        }
        QVERIFY(!window->fraBirthDay->visibleRegion().isEmpty());
        QVERIFY(!window->cmdOpen->visibleRegion().isEmpty());

        // The numbers go round clockwise, 1 at the upper right and 10 at the upper left.
        const QPointF centre = window->Picture1->mapTo(window, window->Picture1->rect().center());
        for (int k = 0; k < frmCyclomancyMain::HandCount; ++k) {
            QLabel *label = window->lblLabel[k];
            QCOMPARE(label->objectName(), QStringLiteral("lblLabel(%1)").arg(k));
            QCOMPARE(label->text(), QString::number(k + 1));
            QVERIFY(!label->visibleRegion().isEmpty());
            const qreal at = bearing(centre, label->mapTo(window, label->rect().center()));
            QVERIFY2(at > k * 36 && at < (k + 1) * 36, qPrintable(QString::number(at)));
        }
    }

    void aSpinShowsOneHandAndItsNumber_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("hand");
        QTest::newRow("r = 0") << 0.0f << 0;
        QTest::newRow("largest r below 1") << ScriptedServices::largestBelowOne() << 9;
        QTest::newRow("exactly 0.5 rounds down to even") << firstReaching(0.5f) << 0;
        QTest::newRow("just above 0.5") << firstAbove(0.5f) << 1;
        QTest::newRow("exactly 1.5 rounds up to even") << firstReaching(1.5f) << 2;
        QTest::newRow("just below 1.5") << std::nextafter(firstReaching(1.5f), 0.0f) << 1;
        QTest::newRow("exactly 8.5 rounds down to even") << firstReaching(8.5f) << 8;
        QTest::newRow("just above 8.5") << firstAbove(8.5f) << 9;
        for (int k = 1; k <= 8; ++k)
            QTest::addRow("middle of %d", k + 1) << static_cast<float>(k) / 9.0f << k;
    }

    void aSpinShowsOneHandAndItsNumber()
    {
        QFETCH(float, r);
        QFETCH(int, hand);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({r});
        frmCyclomancyMain *window = openWindow();
        QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        QCOMPARE(desktop.randomValuesLeft(), 0);
        verifyReadingOf(window, hand);
        QVERIFY(desktop.messages.isEmpty());
    }

    void eachSpinReplacesTheLast()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.0f, ScriptedServices::largestBelowOne(), ScriptedServices::largestBelowOne(), 0.5f});
        frmCyclomancyMain *window = openWindow();
        QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        verifyReadingOf(window, 0);
        QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        verifyReadingOf(window, 9);
        // The same number may come twice; a birthday typed in changes nothing.
        QTest::keyClicks(window->cboYear->lineEdit(), QStringLiteral("1984"));
        QTest::keyClicks(window->cboMonth->lineEdit(), QStringLiteral("March"));
        QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        verifyReadingOf(window, 9);
        QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        verifyReadingOf(window, 4); // 0.5 × 9 = 4.5 rounds to 4
        QCOMPARE(desktop.randomValuesLeft(), 0);
    }

    void aSavedReadingFillsTheBirthdayThenSpins()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({3.0f / 9.0f});
        frmCyclomancyMain *window = openWindow();
        QFile file(folder.path(QStringLiteral("jane.num")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Orrin Free Tallybook Pro\r\nJANE\r\n3\r\n" + shifted("March") + "\r\n" + shifted("7") + "\r\n"
                   + shifted("1984") + "\r\n");
        file.close();
        desktop.openAnswers = {file.fileName()};
        QTest::mouseClick(window->cmdOpen, Qt::LeftButton);

        QCOMPARE(desktop.openRequests.size(), 1);
        QCOMPARE(window->cboMonth->currentText(), "March");
        QCOMPARE(window->cboDate->currentText(), "7");
        QCOMPARE(window->cboYear->currentText(), "1984");
        for (QComboBox *box : {window->cboDate, window->cboMonth, window->cboYear})
            QCOMPARE(box->count(), 0); // shown, not added to the lists
        QCOMPARE(desktop.randomValuesLeft(), 0);
        verifyReadingOf(window, 3);
        QVERIFY(desktop.messages.isEmpty());
    }

    void nothingSpinsWithoutAFile_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancelled") << "" << QStringList();
        QTest::newRow("NUM in capitals") << "/home/jane/JANE.NUM" << QStringList{"Please Check The File."};
    }

    void nothingSpinsWithoutAFile()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, messages);
        ScriptedDesktop &desktop = scripted(); // no random value: a spin would fail the test
        frmCyclomancyMain *window = openWindow();
        desktop.openAnswers = {answer};
        QTest::mouseClick(window->cmdOpen, Qt::LeftButton);
        QCOMPARE(desktop.messageTexts(), messages);
        QVERIFY(visibleHands(window).isEmpty());
        QCOMPARE(window->lblInterpretation->text(), QString::fromUtf8(Welcome));
        QVERIFY(window->cboMonth->currentText().isEmpty());
    }
};

ORRIN_TEST(CyclomancyWindowTest)
#include "CyclomancyWindowTest.moc"

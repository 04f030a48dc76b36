#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "oracles/bibliomancy/frmBibliomancyDisplay.h"
#include "oracles/bibliomancy/frmBibliomancyMain.h"
#include "oracles/bibliomancy/modBibliomancy.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

using namespace modBibliomancy;

namespace {

enum Choice { Christianity, Hinduism, Islam, Judaism, IChing };

const QStringList ListItems = {"Christianity", "Hinduism", "Islam", "Judaism", "I Ching"};
const QStringList FrameNames = {"FraChristianity", "fraHinduism", "fraIslam", "fraJudaism", "fraIChing"};
const QStringList ReadingBoxes = {"txtChristianity", "txtHinduism",      "txtIslam",
                                  "txtJudaism",      "txtJudgementPoem", "txtImagePoem"};

// A table text as a text box shows it: each CR LF one line break.
QString shown(const QString &tableText)
{
    return QString(tableText).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// Generator value that draws entry `index` of a table of `count` entries.
float drawing(int index, int count)
{
    return (static_cast<float>(index) + 0.5f) / static_cast<float>(count);
}

void fillAllTables()
{
    LoadChristianityPassages();
    LoadHinduismPassages();
    LoadIslamPassages();
    LoadJudaismPassages();
    LoadIChingHexagrams();
}

} // namespace

class BibliomancyWindowsTest : public DesktopTest {
    Q_OBJECT

    // The question window as the launcher opens it, in an active main window
    // so that the keyboard focus can be followed.
    frmBibliomancyMain *openQuestionWindow()
    {
        frmMDI *main = mainWindow();
        main->resize(1280, 800);
        main->activateWindow();
        if (!QTest::qWaitForWindowActive(main))
            qWarning("the main window did not become active");
        return open<frmBibliomancyMain>();
    }

    // Picks a religious text from the list with the keyboard.
    static void choose(frmBibliomancyMain *window, Choice choice)
    {
        window->cmbOption->setFocus();
        QTest::keyClick(window->cmbOption, Qt::Key_Home);
        for (int step = 0; step < choice; ++step)
            QTest::keyClick(window->cmbOption, Qt::Key_Down);
        QCOMPARE(window->cmbOption->currentText(), ListItems[choice]);
    }

    // A click into the question box selects the prompt; typing replaces it.
    static void ask(frmBibliomancyMain *window, const QString &question)
    {
        QTest::mouseClick(window->txtQuestion->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
        if (question.isEmpty())
            QTest::keyClick(window->txtQuestion, Qt::Key_Delete);
        else
            QTest::keyClicks(window->txtQuestion, question);
    }

    static frmBibliomancyDisplay *reading(frmBibliomancyMain *window)
    {
        QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        return WindowRegistry::loadedWindow<frmBibliomancyDisplay>();
    }

    static void letDeletionsHappen() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:

    void theQuestionWindowOpensReady()
    {
        ScriptedDesktop &desktop = scripted();
        frmBibliomancyMain *window = openQuestionWindow();
        QVERIFY(window->isVisible());
        QVERIFY(!picMain()->isVisible());

        QCOMPARE(window->Label1->text(),
                 "Let the Religious Books guide you in your daily work. Get a Bibliomancy Reading now!");
        QCOMPARE(window->Label3->text(), "Choose one of the Religious Texts:");
        QCOMPARE(window->cmdNext->text(), "Get My Bibliomancy Reading");
        QCOMPARE(window->cmdExit->text(), "&Exit");

        // A pick-only list of the five texts, Christianity chosen.
        QVERIFY(!window->cmbOption->isEditable());
        QStringList items;
        for (int index = 0; index < window->cmbOption->count(); ++index)
            items << window->cmbOption->itemText(index);
        QCOMPARE(items, ListItems);
        QCOMPARE(window->cmbOption->currentText(), "Christianity");

        // The prompt ends in a line break; a click selects all of it and
        // typing replaces it.
        QCOMPARE(window->txtQuestion->text(), "Enter Your Question Here\n");
        QCOMPARE(window->txtQuestion->document()->blockCount(), 2);
        QTest::mouseClick(window->txtQuestion->viewport(), Qt::LeftButton, {}, QPoint(30, 8));
        QCOMPARE(window->txtQuestion->textCursor().selectionStart(), 0);
        QCOMPARE(window->txtQuestion->textCursor().selectionEnd(), window->txtQuestion->text().size());
        QTest::keyClicks(window->txtQuestion, QStringLiteral("Is it time to move on?"));
        QCOMPARE(window->txtQuestion->text(), "Is it time to move on?");
        QVERIFY(window->txtQuestion->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff);
        QVERIFY(desktop.messages.isEmpty());
    }

    void theQuestionIsChecked_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("refused");
        QTest::newRow("emptied: refused") << true << "" << true;
        QTest::newRow("the prompt left as it is") << false << "" << false;
        QTest::newRow("blanks only") << true << "   " << false;
        QTest::newRow("a question of the user's") << true << "Should I take the job?" << false;
    }

    void theQuestionIsChecked()
    {
        QFETCH(bool, typed);
        QFETCH(QString, question);
        QFETCH(bool, refused);
        ScriptedDesktop &desktop = scripted();
        if (!refused)
            desktop.scriptRandom({0.0f}); // a refused question draws nothing
        frmBibliomancyMain *window = openQuestionWindow();
        if (typed)
            ask(window, question);
        const QString before = window->txtQuestion->text();
        window->cmbOption->setFocus();

        frmBibliomancyDisplay *display = reading(window);
        QCOMPARE(desktop.randomValuesLeft(), 0);
        if (refused) {
            QCOMPARE(desktop.messageTexts(), QStringList{"Plese Enter Your Question"});
            QCOMPARE(desktop.messages[0].icon, QMessageBox::Information);
            QCOMPARE(desktop.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window->txtQuestion));
            QVERIFY(!display);
            QVERIFY(window->isVisible());
            QVERIFY(!picMain()->isVisible());
        } else {
            QVERIFY(desktop.messages.isEmpty());
            QVERIFY(display && display->isVisible());
            QCOMPARE(display->lblChristianityCaption->text(), "Genesis, 1. 1");
        }
        QCOMPARE(window->txtQuestion->text(), before);
        QCOMPARE(window->cmbOption->currentText(), "Christianity");
    }

    void aReadingShowsTheDrawnEntry_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        const float last = ScriptedServices::largestBelowOne();
        QTest::newRow("Christianity, first") << int(Christianity) << 0.0f << 0 << "Genesis, 1. 1";
        QTest::newRow("Christianity, last") << int(Christianity) << last << 73 << "Colossians 3:23";
        QTest::newRow("Christianity, four lines") << int(Christianity) << drawing(8, 74) << 8 << "Exodus, 20. 13";
        QTest::newRow("Hinduism, first") << int(Hinduism) << 0.0f << 0 << "Yajur Veda";
        QTest::newRow("Hinduism, last") << int(Hinduism) << last << 56 << "Upanishads";
        QTest::newRow("Islam, first") << int(Islam) << 0.0f << 0 << "Quran";
        QTest::newRow("Islam, last") << int(Islam) << last << 35 << "Quran";
        QTest::newRow("Judaism, first") << int(Judaism) << 0.0f << 0 << "Judaism";
        QTest::newRow("Judaism, last") << int(Judaism) << last << 36 << "Judaism";
        QTest::newRow("I Ching, first hexagram") << int(IChing) << 0.0f << 1 << "The Creative";
        QTest::newRow("I Ching, last hexagram") << int(IChing) << last << 64 << "Before Completion";
    }

    void aReadingShowsTheDrawnEntry()
    {
        QFETCH(int, choice);
        QFETCH(float, r);
        QFETCH(int, index);
        QFETCH(QString, caption);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({r});
        frmBibliomancyMain *window = openQuestionWindow();
        ask(window, QStringLiteral("What does today ask of me?"));
        choose(window, Choice(choice));

        frmBibliomancyDisplay *display = reading(window);
        QVERIFY(display);
        QCOMPARE(desktop.randomValuesLeft(), 0);
        QVERIFY(desktop.messages.isEmpty());

        // Handed over: the reading in front, the question window hidden but
        // holding what was asked, the welcome panel hidden.
        QVERIFY(display->isVisible());
        QCOMPARE(mainWindow()->mdiArea->activeSubWindow(), display);
        QVERIFY(window->isHidden());
        QCOMPARE(WindowRegistry::loadedWindow<frmBibliomancyMain>(), window);
        QCOMPARE(window->txtQuestion->text(), "What does today ask of me?");
        QCOMPARE(window->cmbOption->currentText(), ListItems[choice]);
        QVERIFY(!picMain()->isVisible());

        // Only the chosen frame shows.
        auto *front = display->findChild<QGroupBox *>(FrameNames[choice]);
        QCOMPARE(display->frameInFront(), front);
        QCOMPARE(front->title(), ListItems[choice]);
        for (const QString &name : FrameNames) {
            auto *frame = display->findChild<QGroupBox *>(name);
            QCOMPARE(frame->isVisible(), frame == front);
        }

        fillAllTables();
        QLabel *label = nullptr;
        QPlainTextEdit *box = nullptr;
        QString text;
        switch (Choice(choice)) {
        case Christianity:
            label = display->lblChristianityCaption, box = display->txtChristianity, text = ChristianityText[index];
            break;
        case Hinduism:
            label = display->lblHinduismCaption, box = display->txtHinduism, text = HinduismText[index];
            break;
        case Islam:
            label = display->lblIslamCaption, box = display->txtIslam, text = IslamText[index];
            break;
        case Judaism:
            label = display->lblJudaismCaption, box = display->txtJudaism, text = JudaismText[index];
            break;
        case IChing:
            label = display->lblIChingName, box = display->txtJudgementPoem, text = IChingJudgement[index];
            QCOMPARE(display->txtImagePoem->toPlainText(), IChingImage[index]);
            QVERIFY(display->txtImagePoem->isVisible());
            // The image box stands below the judgement box and a little taller.
            QVERIFY(display->txtImagePoem->y() > display->txtJudgementPoem->y());
            QVERIFY(display->txtImagePoem->height() > display->txtJudgementPoem->height());
            break;
        }
        QCOMPARE(label->text(), caption);
        QVERIFY(label->isVisible());
        QVERIFY(!text.isEmpty());
        QCOMPARE(box->toPlainText(), shown(text));
        QCOMPARE(box->document()->blockCount(), text.count(QLatin1String("\r\n")) + 1);
        QVERIFY(box->isVisible());
        QVERIFY(label->y() < box->y());
    }

    void backThenAnotherTextShowsAFreshWindow_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File > Back") << true;
    }

    void backThenAnotherTextShowsAFreshWindow()
    {
        QFETCH(bool, byMenu);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({drawing(2, 74), drawing(32, 64)});
        frmBibliomancyMain *window = openQuestionWindow();
        ask(window, QStringLiteral("Will the harvest be good?"));
        QPointer<frmBibliomancyDisplay> first = reading(window);
        QCOMPARE(first->txtChristianity->toPlainText(), "It is not good that the man should be alone.");
        QCOMPARE(first->lblChristianityCaption->text(), "Genesis, 2. 18");

        goBack(first, first->cmdBack, byMenu);
        QVERIFY(!WindowRegistry::loadedWindow<frmBibliomancyDisplay>());
        letDeletionsHappen();
        QVERIFY(!first);
        QVERIFY(window->isVisible());
        QCOMPARE(mainWindow()->mdiArea->activeSubWindow(), window);
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(window->txtQuestion->text(), "Will the harvest be good?");
        QCOMPARE(window->cmbOption->currentText(), "Christianity");

        choose(window, IChing);
        frmBibliomancyDisplay *second = reading(window);
        QVERIFY(second && second->isVisible());
        QCOMPARE(desktop.randomValuesLeft(), 0);
        QCOMPARE(second->frameInFront(), second->fraIChing);
        QVERIFY(second->fraIChing->isVisible());
        QCOMPARE(second->lblIChingName->text(), "Retreat");
        QVERIFY(!second->txtJudgementPoem->toPlainText().isEmpty());
        QVERIFY(!second->txtImagePoem->toPlainText().isEmpty());
        // Nothing of the first reading survives.
        QVERIFY(!second->FraChristianity->isVisible());
        QVERIFY(second->lblChristianityCaption->text().isEmpty());
        QVERIFY(second->txtChristianity->toPlainText().isEmpty());
        QCOMPARE(window->txtQuestion->text(), "Will the harvest be good?");
    }

    void theThirteenLinePassageScrolls()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({drawing(9, 36)});
        frmBibliomancyMain *window = openQuestionWindow();
        choose(window, Islam);
        frmBibliomancyDisplay *display = reading(window);
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow()));
        QPlainTextEdit *box = display->txtIslam;

        // Thirteen lines, no blank line between them, and the empty line the
        // passage's last CR LF opens.
        QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 14);
        QVERIFY(lines.takeLast().isEmpty());
        for (const QString &line : lines) {
            QVERIFY(!line.trimmed().isEmpty());
            QVERIFY(!line.contains(QLatin1Char('\r')));
        }

        // It does not fit: the box scrolls, and the last line can be reached.
        QScrollBar *bar = box->verticalScrollBar();
        QVERIFY(bar->isVisible());
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
        QVERIFY(box->cursorForPosition(QPoint(5, 5)).blockNumber() > 0);

        // Read only: typing, deleting and pasting leave it as it is.
        const QString before = box->toPlainText();
        QVERIFY(box->isReadOnly());
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("amen"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keySequence(box, QKeySequence::Paste);
        QCOMPARE(box->toPlainText(), before);
    }

    void everyReadingBoxKeepsItsTextOffTheClipboard()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.0f});
        frmBibliomancyMain *window = openQuestionWindow();
        frmBibliomancyDisplay *display = reading(window);
        for (const QString &name : ReadingBoxes) {
            auto *box = display->findChild<QPlainTextEdit *>(name);
            QVERIFY2(box, qPrintable(name));
            QVERIFY(box->isReadOnly());
            QVERIFY(box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff);
            desktop.clipboardClears = 0;
            moveMouseOver(box->viewport());
            QVERIFY2(desktop.clipboardClears > 0, qPrintable(name));
        }
    }

    void closingTheReadingLeavesTheQuestionWindowHidden_data() { addCloseWayRows(); }

    void closingTheReadingLeavesTheQuestionWindowHidden()
    {
        QFETCH(CloseWay, how);
        ScriptedDesktop &desktop = scripted();
        desktop.scriptRandom({0.0f});
        frmBibliomancyMain *window = openQuestionWindow();
        ask(window, QStringLiteral("Is this the right road?"));
        choose(window, Judaism);
        frmBibliomancyDisplay *display = reading(window);
        QVERIFY(display);

        close(display, how);
        QVERIFY(!WindowRegistry::loadedWindow<frmBibliomancyDisplay>());
        QVERIFY(picMain()->isVisible());
        QCOMPARE(WindowRegistry::loadedWindow<frmBibliomancyMain>(), window);
        QVERIFY(window->isHidden());
        QCOMPARE(window->txtQuestion->text(), "Is this the right road?");
        QCOMPARE(window->cmbOption->currentText(), "Judaism");
    }

    void closingTheQuestionWindow_data() { addCloseWayRows(); }

    void closingTheQuestionWindow()
    {
        QFETCH(CloseWay, how);
        frmBibliomancyMain *window = openQuestionWindow();
        QVERIFY(!picMain()->isVisible());
        close(window, how);
        QVERIFY(!WindowRegistry::loadedWindow<frmBibliomancyMain>());
        QVERIFY(!WindowRegistry::loadedWindow<frmBibliomancyDisplay>());
        QVERIFY(picMain()->isVisible());
    }
};

ORRIN_TEST(BibliomancyWindowsTest)
#include "BibliomancyWindowsTest.moc"

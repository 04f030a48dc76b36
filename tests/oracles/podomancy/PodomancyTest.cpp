#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/podomancy/frmPodomancyDisplay.h"
#include "oracles/podomancy/frmPodomancyMain.h"
#include "oracles/podomancy/modPodomancy.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

using namespace modPodomancy;

namespace {

// What the user reads for each answer, written out here on their own so that
// a slip in the program's table shows up.
struct Expected {
    const char *caption;
    const char *text;
};

const QList<QList<Expected>> Readings = {
    {{"Large", "This toe indicates a high level of energy."},
     {"Short", "This toe indicates that you are controlled and not very expressive."},
     {"Pointed", "This toe indicates that you are prone to sudden bursts of energy."},
     {"Rounded", "You are vulnerable but also diplomatic."},
     {"Spatulate", "This toe indicates a lot of energy that can be powerful if used the right way. "},
     {"Rectangular", "This toe signifies a practical and down-to-earth nature."}},
    {{"Bent towards Big Toe", "This means that you still think about past happenings."},
     {"Bent towards Little Toe", "You are in a hurry to face the unknown future."}},
    {{"Large Big Toe", "You may talk too much on the verge of boastfulness and not implement all your ideas but "
                       "you may also be rational. This also indicates wealth and prosperity. "},
     {"Small Big Toe", "You may not be very dependable by nature."},
     {"Rounded Big Toe ", "You are very clever and can go to great heights in life."},
     {"Painful Big Toe", "You may have to face sorrows in life."},
     {"Standalone Big Toe", "You are not very comfortable with sharing your feelings with others."}},
    {{"Second Toe Larger than the Big Toe",
      "You may have a dominating nature. But you can be a leader if you take life positively."},
     {"Second Toe Smaller than the Big Toe", "You will have an average lifestyle with enough money but never more. "},
     {"Webbed Second Toe", "Your career means everything to you."}},
    {{"High Arches", "You are very logical by nature and a thinker at heart. You may tend to dream a lot."},
     {"Low Arches or Flat Feet", "You are very practical by nature."},
     {"Swollen Feet", "You are not very comfortable with sharing your feelings with others."}},
    {{"Twisted", "You may tend to run away from the truth and need encouragement from others."},
     {"Bent", "You may scared to bear responsibility and very unsure of yourself"},
     {"Crooked", "You may change your thinking to please others."}},
    {{"Black", "You may not have a very dependable nature."},
     {"Blue", "You are well liked and respected."},
     {"Yellow", "You may become wealthy."},
     {"Copper", "You will lead a royal life."}},
    {{"Vertical", "You may go to all extent to support your opinions"},
     {"Horizontal", "You may feel emotional unstable."}},
};

const char PleaseSelect[] = "Please select an option";
const char ToeShapeQuestion[] = "Do you want to select this option ?";
const char ToeShapeNotSelected[] = "You are not selected this type of Toe.";
constexpr int Skip = -1;

} // namespace

class PodomancyTest : public DesktopTest {
    Q_OBJECT

    static frmPodomancyMain *launch() { return DesktopTest::launch<frmPodomancyMain>(8); }

    static void choose(frmPodomancyMain *window, int group, int index)
    {
        // On its round button, as a user would.
        QRadioButton *button = window->option(group, index);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    static void next(frmPodomancyMain *window)
    {
        QTest::mouseClick(window->cmdNext[window->currentPage()], Qt::LeftButton);
    }

    static void back(frmPodomancyMain *window)
    {
        QTest::mouseClick(window->cmdBack[window->currentPage()], Qt::LeftButton);
    }

    // Answers pages `from`..`to` (Skip leaves Toe Shape open and answers No).
    static void answer(ScriptedDesktop &desktop, frmPodomancyMain *window, const QList<int> &answers, int from = 0,
                       int to = GroupCount - 1)
    {
        for (int page = from; page <= to; ++page) {
            QCOMPARE(window->currentPage(), page);
            if (answers[page] == Skip)
                desktop.messageAnswers.append(QMessageBox::No);
            else
                choose(window, page, answers[page]);
            next(window);
        }
    }

    frmPodomancyDisplay *readingFor(ScriptedDesktop &desktop, const QList<int> &answers)
    {
        frmPodomancyMain *window = launch();
        answer(desktop, window, answers);
        return WindowRegistry::loadedWindow<frmPodomancyDisplay>();
    }

    static QStringList shownTexts(frmPodomancyDisplay *display)
    {
        QStringList texts;
        for (int group = 0; group < GroupCount; ++group)
            texts << display->nameLabel(group)->text() << display->resultLabel(group)->text();
        return texts;
    }

private slots:

    void questionnaireOpensOnItsFirstPage()
    {
        ScriptedDesktop &desktop = scripted();
        frmPodomancyMain *window = launch();
        QVERIFY(window && window->isVisible());
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(window->windowTitle(), "Orrin Podomancy");
        QCOMPARE(window->currentPage(), 0);
        QVERIFY(window->fraToe[0]->isVisible());
        QCOMPARE(window->Label1->text(),
                 "Orrin Podomancy is a feet divination software. Know what your toes reveal about your personality "
                 "with this simple tool. Just choose the right options that stand true for you and get your answers! ");

        const QStringList pageCaptions = {"Toe Appearance", "Inclination of Toes", "Big Toe", "Second Toe",
                                          "Foot Arches ", "Toe Shape", "Color of Nails", "Ridges on Toe Nails"};
        const QStringList groupNames = {"optToeAppearance", "optInclinationofToes", "optBigToe", "optSecondToe",
                                        "optFootArches", "optToeShape", "optColorofNails", "optRidgesonToeNails"};
        // Walk the pages as a user does, looking at each one while it is in front.
        for (int page = 0; page < GroupCount; ++page) {
            QCOMPARE(window->currentPage(), page);
            auto *frame = window->findChild<QGroupBox *>(QStringLiteral("fraToe(%1)").arg(page));
            QVERIFY(frame->isVisible());
            QCOMPARE(frame->geometry(), window->fraToe[0]->geometry()); // all pages share one place
            QCOMPARE(frame->title(), pageCaptions[page]);
            QCOMPARE(GroupSize(page), Readings[page].size());
            for (int index = 0; index < Readings[page].size(); ++index) {
                auto *option = frame->findChild<QRadioButton *>(QStringLiteral("%1(%2)").arg(groupNames[page]).arg(index));
                QVERIFY2(option, qPrintable(groupNames[page]));
                QCOMPARE(option->text(), QString::fromUtf8(Readings[page][index].caption));
                QVERIFY(!option->isChecked());
                if (index > 0) // listed top to bottom in index order
                    QVERIFY(option->y() > window->option(page, index - 1)->y());
            }
            QCOMPARE(window->CountUnselected(page), GroupSize(page));
            QVERIFY(!frame->findChild<QRadioButton *>(QStringLiteral("%1(%2)").arg(groupNames[page]).arg(GroupSize(page))));

            auto *nextButton = frame->findChild<QPushButton *>(QStringLiteral("cmdNext(%1)").arg(page));
            auto *backButton = frame->findChild<QPushButton *>(QStringLiteral("cmdBack(%1)").arg(page));
            QCOMPARE(nextButton->text(), page == 7 ? "&Analyze My Toes" : "&Next");
            QVERIFY(nextButton->geometry().right() > frame->width() * 3 / 4); // bottom right
            QVERIFY(nextButton->y() > window->option(page, GroupSize(page) - 1)->geometry().bottom());
            if (page == 0) {
                QVERIFY(!backButton);
            } else {
                QCOMPARE(backButton->text(), "&Back");
                QVERIFY(backButton->geometry().right() < nextButton->geometry().left());
                QCOMPARE(backButton->y(), nextButton->y());
            }
            if (page < GroupCount - 1) {
                choose(window, page, 0);
                next(window);
            }
        }
        QVERIFY(desktop.messages.isEmpty());
        QVERIFY(!window->findChild<QPushButton *>("cmdBack(0)"));

        QCOMPARE(window->cmdExit->text(), "&Exit");
        QVERIFY(window->findChild<QAction *>("mnuMakeMoneyOnline"));
        QVERIFY(window->findChild<QAction *>("mnuHelp1") && window->findChild<QAction *>("mnuHelp2"));
        QCOMPARE(window->findChild<QAction *>("mnuUpdate")->text(), "Check for Software &Update");
        QVERIFY(!window->findChild<QAction *>("mnuFileBack"));
        QVERIFY(window->lblCobrand->text().contains("for details.    Click Here"));
    }

    void nextChecksTheAnswer_data()
    {
        QTest::addColumn<int>("page");
        for (int page : {0, 1, 2, 3, 4, 6, 7})
            QTest::addRow("page %d", page) << page;
    }

    void nextChecksTheAnswer()
    {
        QFETCH(int, page);
        ScriptedDesktop &desktop = scripted();
        frmPodomancyMain *window = launch();
        answer(desktop, window, {0, 0, 0, 0, 0, 0, 0, 0}, 0, page - 1);
        QVERIFY(desktop.messages.isEmpty());

        next(window);
        QCOMPARE(desktop.messageTexts(), QStringList{PleaseSelect});
        QCOMPARE(desktop.messages[0].icon, QMessageBox::Information);
        QCOMPARE(desktop.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(window->currentPage(), page);
        QVERIFY(!WindowRegistry::loadedWindow<frmPodomancyDisplay>());

        // The last option counts as an answer as much as the first.
        choose(window, page, GroupSize(page) - 1);
        QCOMPARE(window->CountUnselected(page), GroupSize(page) - 1);
        next(window);
        QCOMPARE(desktop.messages.size(), 1);
        if (page < 7) {
            QCOMPARE(window->currentPage(), page + 1);
            QVERIFY(window->isVisible());
        } else {
            QVERIFY(WindowRegistry::loadedWindow<frmPodomancyDisplay>());
        }
    }

    void toeShapeMayBeSkipped_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QMessageBox::StandardButton>("reply");
        QTest::addColumn<int>("pageAfter");
        QTest::newRow("unanswered, Yes: pick one") << Skip << QMessageBox::Yes << 5;
        QTest::newRow("unanswered, No: go on") << Skip << QMessageBox::No << 6;
        QTest::newRow("answered: no question") << 2 << QMessageBox::NoButton << 6;
    }

    void toeShapeMayBeSkipped()
    {
        QFETCH(int, choice);
        QFETCH(QMessageBox::StandardButton, reply);
        QFETCH(int, pageAfter);
        ScriptedDesktop &desktop = scripted();
        frmPodomancyMain *window = launch();
        answer(desktop, window, {0, 0, 0, 0, 0}, 0, 4);
        if (choice != Skip)
            choose(window, ToeShape, choice);
        if (reply != QMessageBox::NoButton)
            desktop.messageAnswers.append(reply);
        next(window);

        QCOMPARE(window->currentPage(), pageAfter);
        if (reply == QMessageBox::NoButton) {
            QVERIFY(desktop.messages.isEmpty());
            return;
        }
        QCOMPARE(desktop.messageTexts(), QStringList{ToeShapeQuestion});
        QCOMPARE(desktop.messages[0].icon, QMessageBox::NoIcon);
        QCOMPARE(desktop.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(window->CountUnselected(ToeShape), 3);
    }

    void backChecksNothingAndKeepsEveryAnswer()
    {
        ScriptedDesktop &desktop = scripted();
        frmPodomancyMain *window = launch();
        const QList<int> answers = {5, 1, 2, 0, 1, 1, 3, 0};
        answer(desktop, window, answers, 0, 6);
        QCOMPARE(window->currentPage(), 7); // page 7 still unanswered
        for (int page = 7; page > 0; --page) {
            back(window);
            QCOMPARE(window->currentPage(), page - 1);
        }
        QVERIFY(desktop.messages.isEmpty());
        for (int page = 0; page < 7; ++page) {
            QVERIFY(window->option(page, answers[page])->isChecked());
            QCOMPARE(window->CountUnselected(page), GroupSize(page) - 1);
        }
        // Forward again: every page still passes its check.
        for (int page = 0; page < 7; ++page)
            next(window);
        QCOMPARE(window->currentPage(), 7);
        QVERIFY(desktop.messages.isEmpty());
    }

    void readingShowsTheRuleForEveryAnswer_data()
    {
        QTest::addColumn<QList<int>>("answers");
        // Reading n picks option n of each group, wrapping round, so that
        // together they touch every one of the 28 rules.
        for (int n = 0; n < 6; ++n) {
            QList<int> answers;
            for (int group = 0; group < GroupCount; ++group)
                answers << n % GroupSize(group);
            QTest::addRow("options %d", n) << answers;
        }
    }

    void readingShowsTheRuleForEveryAnswer()
    {
        QFETCH(QList<int>, answers);
        ScriptedDesktop &desktop = scripted();
        frmPodomancyDisplay *display = readingFor(desktop, answers);
        QVERIFY(desktop.messages.isEmpty());
        QVERIFY(display && display->isVisible());
        auto *window = WindowRegistry::loadedWindow<frmPodomancyMain>();
        QVERIFY(window && window->isHidden());
        QCOMPARE(window->currentPage(), 7);
        QVERIFY(!picMain()->isVisible());
        QCOMPARE(display->windowTitle(), "Orrin Podomancy");

        for (int group = 0; group < GroupCount; ++group) {
            const Expected &expected = Readings[group][answers[group]];
            QCOMPARE(display->nameLabel(group)->text(), QString::fromUtf8(expected.caption));
            QCOMPARE(display->resultLabel(group)->text(), QString::fromUtf8(expected.text));
        }
        // The labels go by their own names too.
        QCOMPARE(display->findChild<QLabel *>("lblRidgesonToeNailsResult")->text(),
                 QString::fromUtf8(Readings[RidgesonToeNails][answers[RidgesonToeNails]].text));
        QCOMPARE(display->findChild<QLabel *>("lblToeAppearance")->text(),
                 QString::fromUtf8(Readings[ToeAppearance][answers[ToeAppearance]].caption));
    }

    void twoAnswersShareOneText()
    {
        ScriptedDesktop &desktop = scripted();
        frmPodomancyDisplay *display = readingFor(desktop, {0, 0, 4, 0, 2, 0, 0, 0});
        QCOMPARE(display->lblBigToe->text(), "Standalone Big Toe");
        QCOMPARE(display->lblFootArches->text(), "Swollen Feet");
        QCOMPARE(display->lblBigToeResult->text(), "You are not very comfortable with sharing your feelings with others.");
        QCOMPARE(display->lblFootArchesResult->text(), display->lblBigToeResult->text());
    }

    void skippedToeShapeShowsTheDefaultTexts()
    {
        ScriptedDesktop &desktop = scripted();
        frmPodomancyDisplay *display = readingFor(desktop, {1, 1, 1, 1, 1, Skip, 1, 1});
        QCOMPARE(desktop.messageTexts(), QStringList{ToeShapeQuestion});
        QCOMPARE(display->lblToeShape->text(), "");
        QCOMPARE(display->lblToeShapeResult->text(), ToeShapeNotSelected);
        for (int group = 0; group < GroupCount; ++group) {
            if (group == ToeShape)
                continue;
            QCOMPARE(display->nameLabel(group)->text(), QString::fromUtf8(Readings[group][1].caption));
            QCOMPARE(display->resultLabel(group)->text(), QString::fromUtf8(Readings[group][1].text));
        }
    }

    void backAndAnalyseAgainChangesOnlyTheChangedAnswer_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File > Back") << true;
    }

    void backAndAnalyseAgainChangesOnlyTheChangedAnswer()
    {
        QFETCH(bool, byMenu);
        ScriptedDesktop &desktop = scripted();
        frmPodomancyDisplay *display = readingFor(desktop, {3, 0, 2, 1, 0, 2, 0, 1});
        const QStringList before = shownTexts(display);
        QPointer<frmPodomancyDisplay> first = display;

        if (byMenu)
            display->findChild<QAction *>("mnuFileBack")->trigger();
        else
            QTest::mouseClick(display->cmdBack, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(!WindowRegistry::loadedWindow<frmPodomancyDisplay>());
        auto *window = WindowRegistry::loadedWindow<frmPodomancyMain>();
        QVERIFY(window->isVisible());
        QCOMPARE(window->currentPage(), 7);
        QVERIFY(!picMain()->isVisible());
        QVERIFY(window->option(RidgesonToeNails, 1)->isChecked());

        back(window);
        QCOMPARE(window->currentPage(), 6);
        choose(window, ColorofNails, 3);
        next(window);
        next(window);
        QVERIFY(desktop.messages.isEmpty());

        display = WindowRegistry::loadedWindow<frmPodomancyDisplay>();
        QVERIFY(display && display->isVisible());
        QStringList expected = before;
        expected[2 * ColorofNails] = "Copper";
        expected[2 * ColorofNails + 1] = "You will lead a royal life.";
        QCOMPARE(shownTexts(display), expected);
    }

    void closingTheWindows_data() { addCloseWayRows("reading, "); }
    void closingTheWindows()
    {
        QFETCH(CloseWay, how);
        ScriptedDesktop &desktop = scripted();
        frmPodomancyDisplay *display = readingFor(desktop, {0, 0, 0, 0, 0, 0, 0, 0});
        auto *window = WindowRegistry::loadedWindow<frmPodomancyMain>();
        close(display, how);
        QVERIFY(!WindowRegistry::loadedWindow<frmPodomancyDisplay>());
        QCOMPARE(WindowRegistry::loadedWindow<frmPodomancyMain>(), window);
        QVERIFY(window->isHidden());
        QVERIFY(picMain()->isVisible());
    }

    void reopeningStartsAfresh()
    {
        ScriptedDesktop &desktop = scripted();
        frmPodomancyMain *window = launch();
        answer(desktop, window, {2, 1, 0, 0, 0}, 0, 4);
        QTest::mouseClick(window->cmdExit, Qt::LeftButton);
        QVERIFY(!WindowRegistry::loadedWindow<frmPodomancyMain>());
        QVERIFY(picMain()->isVisible());

        window = launch();
        QCOMPARE(window->currentPage(), 0);
        for (int group = 0; group < GroupCount; ++group)
            QCOMPARE(window->CountUnselected(group), GroupSize(group));

        // Any other launch closes both windows first.
        answer(desktop, window, {0, 0, 0, 0, 0, 0, 0, 0});
        QVERIFY(WindowRegistry::loadedWindow<frmPodomancyDisplay>());
        QTest::mouseClick(WindowRegistry::window<frmMDI>()->findChild<QPushButton *>("cmdSelectOption(0)"),
                          Qt::LeftButton);
        QVERIFY(!WindowRegistry::loadedWindow<frmPodomancyDisplay>());
        QVERIFY(!WindowRegistry::loadedWindow<frmPodomancyMain>());
    }

    void readingWindowLaysOutEightEqualBoxes()
    {
        ScriptedDesktop &desktop = scripted();
        frmPodomancyDisplay *display = readingFor(desktop, {0, 0, 0, 0, 0, 0, 0, 0});
        QCOMPARE(display->Frame1->title(), "Orrin Podomancy Interpretation");
        const QStringList boxCaptions = {"Toe Appearance", "Inclination of Toes", "Big Toe", "Second Toe",
                                         "Foot Arches", "Toe Shape", "Color of Nails", "Ridges on Toe Nails"};
        const QRect first = display->interpretationBox[0]->geometry();
        for (int group = 0; group < GroupCount; ++group) {
            QGroupBox *box = display->interpretationBox[group];
            QCOMPARE(box->title(), boxCaptions[group]);
            QCOMPARE(box->size(), first.size());
            // Left column holds the first four, top to bottom; the right one the rest.
            QCOMPARE(box->x() > first.x(), group >= 4);
            if (group % 4)
                QVERIFY(box->y() > display->interpretationBox[group - 1]->y());
            QLabel *name = display->nameLabel(group);
            QLabel *result = display->resultLabel(group);
            QCOMPARE(name->parentWidget(), box);
            QCOMPARE(result->parentWidget(), box);
            QVERIFY(name->geometry().bottom() < result->geometry().top());
            QVERIFY(result->height() > name->height());
            QVERIFY(result->wordWrap());
        }
        // The longest text wraps inside its label, with nothing cut off.
        QLabel *longest = display->lblBigToeResult;
        QVERIFY(longest->fontMetrics().horizontalAdvance(longest->text()) > longest->width());
        QVERIFY(longest->heightForWidth(longest->width()) <= longest->height());

        QCOMPARE(display->cmdBack->text(), "&Back");
        QCOMPARE(display->cmdExit->text(), "&Exit");
        QVERIFY(display->cmdBack->geometry().right() < display->cmdExit->geometry().left());
        QVERIFY(display->cmdBack->y() > display->Frame1->geometry().bottom());
        QCOMPARE(display->findChild<QAction *>("mnuFileBack")->text(), "&Back");
        QCOMPARE(display->findChild<QAction *>("mnuUpdate")->text(), "&Check for Software Update");
        QVERIFY(display->findChild<QAction *>("mnuFileSep1") && display->findChild<QAction *>("mnuFileSep2"));
        QVERIFY(display->findChild<QAction *>("mnuMakeMoneyOnline"));
    }
};

ORRIN_TEST(PodomancyTest)
#include "PodomancyTest.moc"

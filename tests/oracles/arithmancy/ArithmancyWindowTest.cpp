#include "DesktopTest.h"
#include "SavedReadingFiles.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "oracles/arithmancy/frmArithmancyMain.h"
#include "oracles/arithmancy/modArithmancy.h"
#include "oracles/modSavedReading.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace modArithmancy;

using namespace savedReadingFiles;

namespace {

QStringList birthdayShown(frmArithmancyMain *window)
{
    return {window->cboMonth->currentText(), window->cboDate->currentText(), window->cboYear->currentText()};
}

QStringList numbersShown(frmArithmancyMain *window)
{
    return {window->lblResult[0]->text(), window->lblResult[1]->text(), window->lblResult[2]->text()};
}

QStringList textsShown(frmArithmancyMain *window)
{
    return {window->txtResult[0]->toPlainText(), window->txtResult[1]->toPlainText(),
            window->txtResult[2]->toPlainText()};
}

} // namespace

class ArithmancyWindowTest : public DesktopTest {
    Q_OBJECT

    savedReadingFiles::Folder folder;

    // Opened as the launcher opens it, in an active main window so that focus can be seen.
    static frmArithmancyMain *openWindow()
    {
        frmMDI *main = mainWindow();
        main->resize(1280, 800);
        main->activateWindow();
        if (!QTest::qWaitForWindowActive(main))
            qWarning("the main window did not become active");
        return open<frmArithmancyMain>();
    }

    static void getReading(frmArithmancyMain *window, const QString &typed)
    {
        QTest::keyClicks(window->txtName, typed);
        QTest::mouseClick(window->cmdNext, Qt::LeftButton);
    }

    // The birthday boxes report each change into the desktop's log, so that a
    // test sees it in order with the dialogs and messages.
    static void logBirthdayChanges(frmArithmancyMain *window, ScriptedDesktop &desktop)
    {
        for (QComboBox *box : {window->cboMonth, window->cboDate, window->cboYear})
            connect(box, &QComboBox::editTextChanged, box,
                    [&desktop, box](const QString &text) { desktop.log.append(box->objectName() + ' ' + text); });
    }

private slots:

    void theNameIsTypedInCapitals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("john") << "john" << false << "JOHN";
        QTest::newRow("nothing is refused") << "mary-ann o'neil 2nd" << false << "MARY-ANN O'NEIL 2ND";
        QTest::newRow("capitals stay") << "McDonald" << false << "MCDONALD";
        QTest::newRow("accented letters stay as they are") << QStringLiteral("\u00e9mile") << false
                                                           << QStringLiteral("\u00e9MILE");
        QTest::newRow("pasted") << "john smith" << true << "JOHN SMITH";
    }

    void theNameIsTypedInCapitals()
    {
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, shown);
        scripted();
        frmArithmancyMain *window = openWindow();
        if (pasted) {
            QApplication::clipboard()->setText(typed);
            window->txtName->paste();
        } else {
            // Key by key, each with the character it types (keyClicks knows ASCII only).
            for (const QChar c : typed)
                QTest::sendKeyEvent(QTest::Click, window->txtName, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QCOMPARE(window->txtName->text(), shown);
    }

    void anEmptyNameIsAskedFor_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("the button") << false;
        QTest::newRow("Enter in the name field") << true;
    }

    void anEmptyNameIsAskedFor()
    {
        QFETCH(bool, byEnter);
        ScriptedDesktop &desktop = scripted();
        frmArithmancyMain *window = openWindow();
        if (byEnter) {
            window->txtName->setFocus();
            QTest::keyClick(window->txtName, Qt::Key_Return);
        } else {
            window->cmdNext->setFocus();
            QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        }
        QCOMPARE(desktop.messageTexts(), QStringList{"Please Enter Your Name"});
        QCOMPARE(desktop.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(desktop.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(QApplication::focusWidget(), window->txtName);
        QCOMPARE(window->panelInFront(), window->Frame1);
        QVERIFY(!window->Frame2->isVisible());
        QCOMPARE(numbersShown(window), QStringList({"10", "10", "10"})); // as designed: no reading ran
    }

    void aReadingShowsTheThreeNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("numbers");
        QTest::newRow("JOHN") << "JOHN" << QList<int>{2, 6, 5};
        QTest::newRow("typed john reads as JOHN") << "john" << QList<int>{2, 6, 5};
        QTest::newRow("blanks around the name") << "  john  " << QList<int>{2, 6, 5};
        QTest::newRow("MARY ANN") << "mary ann" << QList<int>{5, 2, 3};
        QTest::newRow("no vowel") << "rhythm" << QList<int>{2, 0, 2};
        QTest::newRow("vowels only") << "aeiou" << QList<int>{6, 6, 0};
        QTest::newRow("digits only") << "1984" << QList<int>{0, 0, 0};
        QTest::newRow("blanks only pass the check") << "   " << QList<int>{0, 0, 0};
    }

    void aReadingShowsTheThreeNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, numbers);
        ScriptedDesktop &desktop = scripted();
        frmArithmancyMain *window = openWindow();
        getReading(window, typed);

        QVERIFY(desktop.messages.isEmpty());
        QCOMPARE(window->panelInFront(), window->Frame2);
        QVERIFY(window->Frame2->isVisible());
        QVERIFY(!window->Frame1->isVisible());
        QCOMPARE(QList<int>({window->CharacterNumber, window->HeartNumber, window->SocialNumber}), numbers);
        QCOMPARE(numbersShown(window), QStringList({QString::number(numbers[0]), QString::number(numbers[1]),
                                                    QString::number(numbers[2])}));

        const QStringList texts = textsShown(window);
        QCOMPARE(texts[0], numbers[0] ? MeaningOf(numbers[0]) : QString::fromUtf8(NoCharacterNumberText));
        QCOMPARE(texts[1], numbers[1] ? MeaningOf(numbers[1]) : QStringLiteral("No Heart Number available"));
        QCOMPARE(texts[2], numbers[2] ? MeaningOf(numbers[2]) : QStringLiteral("No Social Number available"));
        for (const QString &text : texts)
            QVERIFY(!text.isEmpty());
        QCOMPARE(window->txtName->text(), typed.toUpper()); // the name stays as it was typed
    }

    void backKeepsTheReadingBehindAndEmptiesTheName()
    {
        scripted();
        frmArithmancyMain *window = openWindow();
        getReading(window, QStringLiteral("john"));
        const QStringList johnsTexts = textsShown(window);

        QTest::mouseClick(window->cmdBack, Qt::LeftButton);
        QCOMPARE(window->panelInFront(), window->Frame1);
        QVERIFY(window->txtName->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), window->txtName);
        // Behind the name entry the last reading stays as it was.
        QCOMPARE(numbersShown(window), QStringList({"2", "6", "5"}));
        QCOMPARE(textsShown(window), johnsTexts);
        QCOMPARE(window->CharacterNumber, 2);

        // The next reading replaces all of it; the same name again gives the same reading.
        getReading(window, QStringLiteral("aeiou"));
        QCOMPARE(numbersShown(window), QStringList({"6", "6", "0"}));
        QTest::mouseClick(window->cmdBack, Qt::LeftButton);
        getReading(window, QStringLiteral("JOHN"));
        QCOMPARE(textsShown(window), johnsTexts);
    }

    void theResultTextsStayOffTheClipboard_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("Character") << 0;
        QTest::newRow("Heart") << 1;
        QTest::newRow("Social") << 2;
    }

    void theResultTextsStayOffTheClipboard()
    {
        QFETCH(int, index);
        ScriptedDesktop &desktop = scripted();
        frmArithmancyMain *window = openWindow();
        QTest::keyClicks(window->txtName, QStringLiteral("john"));
        QCOMPARE(desktop.clipboardClears, 0); // the name field is not guarded

        QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        QVERIFY(desktop.clipboardClears >= 3); // each box's new text

        QPlainTextEdit *box = window->txtResult[index];
        desktop.clipboardClears = 0;
        moveMouseOver(box->viewport());
        QVERIFY(desktop.clipboardClears >= 1);
        desktop.clipboardClears = 0;
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(desktop.clipboardClears >= 1);
        desktop.clipboardClears = 0;
        moveMouseOver(window->txtName);
        QCOMPARE(desktop.clipboardClears, 0);
    }

    void theBirthdayWaitsBelowTheDesignedWindow()
    {
        scripted();
        frmArithmancyMain *window = openWindow();
        QCOMPARE(birthdayShown(window), QStringList({"January", "1", "1900"}));
        QCOMPARE(window->cboDate->count(), 31);
        QCOMPARE(window->cboMonth->count(), 12);
        QCOMPARE(window->cboYear->count(), 151);
        QCOMPARE(window->cboYear->itemText(150), "2050");

        // At the designed size neither the panel nor the button can be seen.
        QVERIFY(window->fraBirthDay->isVisibleTo(window));
        QVERIFY(window->fraBirthDay->visibleRegion().isEmpty());
        QVERIFY(window->cmdOpen->visibleRegion().isEmpty());
        QVERIFY(!window->cmdNext->visibleRegion().isEmpty());

        // A taller window shows them whole, below the panels.
        window->resize(window->width(), window->height() + window->fraBirthDay->sizeHint().height() + 40);
        QCoreApplication::processEvents();
        QCOMPARE(window->fraBirthDay->visibleRegion().boundingRect(), window->fraBirthDay->rect());
        QCOMPARE(window->cmdOpen->visibleRegion().boundingRect(), window->cmdOpen->rect());
        const int panelsEnd = window->Frame1->mapTo(window, QPoint(0, window->Frame1->height())).y();
        QVERIFY(window->fraBirthDay->mapTo(window, QPoint(0, 0)).y() >= panelsEnd);
        QVERIFY(window->cmdOpen->mapTo(window, QPoint(0, 0)).y() >= panelsEnd);
    }

    void nothingIsReadWithoutANumFile_data()
    {
        QTest::addColumn<QString>("fileName"); // empty: the dialog is cancelled
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancelled") << "" << QStringList();
        QTest::newRow("NUM in capitals") << "JOHN.NUM" << QStringList{"Please Check The File."};
        QTest::newRow("Num") << "john.Num" << QStringList{"Please Check The File."};
        QTest::newRow("another extension") << "john.txt" << QStringList{"Please Check The File."};
    }

    void nothingIsReadWithoutANumFile()
    {
        QFETCH(QString, fileName);
        QFETCH(QStringList, messages);
        ScriptedDesktop &desktop = scripted();
        frmArithmancyMain *window = openWindow();
        QTest::keyClicks(window->txtName, QStringLiteral("john"));
        desktop.openAnswers = {fileName.isEmpty() ? QString() : folder.write(fileName, savedReading("March", "7", "1984"))};
        QTest::mouseClick(window->cmdOpen, Qt::LeftButton);

        QCOMPARE(desktop.openRequests.size(), 1);
        const platform::OpenDialogRequest &request = desktop.openRequests[0];
        QCOMPARE(request.title, "Select the source file");
        QCOMPARE(request.filter, "Orrin Free Tallybook Pro (*.num)");
        QCOMPARE(request.defaultSuffix, "num");
        QVERIFY(request.fileMustExist);
        QVERIFY(request.hideReadOnly);

        QCOMPARE(desktop.messageTexts(), messages);
        for (const platform::MessageRequest &message : desktop.messages) {
            QCOMPARE(message.icon, QMessageBox::Critical);
            QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        QCOMPARE(birthdayShown(window), QStringList({"January", "1", "1900"}));
        QCOMPARE(window->panelInFront(), window->Frame1); // and no reading ran
    }

    void aSavedReadingSetsTheBirthdayThenReads_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("birthday");
        QTest::addColumn<QList<int>>("entries"); // selected list entries, -1 where none fits
        QTest::addColumn<QString>("message");

        QTest::newRow("March 7 1984") << savedReading("March", "7", "1984") << "john"
                                      << QStringList{"March", "7", "1984"} << QList<int>{2, 6, 84} << "";
        QTest::newRow("values the lists do not hold")
            << savedReading("march", "32", "1899") << "john" << QStringList{"march", "32", "1899"}
            << QList<int>{-1, -1, -1} << "";
        const QByteArray full = savedReading("July", "21", "1969");
        QTest::newRow("five lines") << full.left(full.indexOf(shifted("1969"))) << "john"
                                    << QStringList{"July", "21", ""} << QList<int>{6, 20, -1} << "";
        QTest::newRow("three lines") << full.left(full.indexOf(shifted("July"))) << "john"
                                     << QStringList{"", "", ""} << QList<int>{-1, -1, -1} << "";
        QTest::newRow("no name: the birthday, then the question")
            << savedReading("March", "7", "1984") << "" << QStringList{"March", "7", "1984"} << QList<int>{2, 6, 84}
            << "Please Enter Your Name";
    }

    void aSavedReadingSetsTheBirthdayThenReads()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, typed);
        QFETCH(QStringList, birthday);
        QFETCH(QList<int>, entries);
        QFETCH(QString, message);
        ScriptedDesktop &desktop = scripted();
        frmArithmancyMain *window = openWindow();
        QTest::keyClicks(window->txtName, typed);
        logBirthdayChanges(window, desktop);
        desktop.openAnswers = {folder.write(QStringLiteral("john.num"), content)};
        QTest::mouseClick(window->cmdOpen, Qt::LeftButton);

        QCOMPARE(birthdayShown(window), birthday);
        QCOMPARE(QList<int>({window->cboMonth->currentIndex(), window->cboDate->currentIndex(),
                             window->cboYear->currentIndex()}),
                 entries);
        // The year is the last thing set, and only then does the reading run.
        const qsizetype yearSet = desktop.log.indexOf("cboYear " + birthday[2]);
        QVERIFY2(yearSet > 0, qPrintable(desktop.log.join(" | ")));
        QCOMPARE(desktop.log.first(), "open dialog");
        if (message.isEmpty()) {
            QVERIFY(desktop.messages.isEmpty());
            QCOMPARE(window->panelInFront(), window->Frame2);
            QCOMPARE(numbersShown(window), QStringList({"2", "6", "5"})); // as without the file
        } else {
            QCOMPARE(desktop.messageTexts(), QStringList{message});
            QCOMPARE(desktop.log.indexOf("message " + message), desktop.log.size() - 1);
            QVERIFY(desktop.log.indexOf("message " + message) > yearSet);
            QCOMPARE(window->panelInFront(), window->Frame1);
            QCOMPARE(QApplication::focusWidget(), window->txtName);
        }
    }

    void hugeAndBinaryFilesAreReadSafely_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray longLines;
        for (int i = 0; i < 4000; ++i)
            longLines += QByteArray(1000, static_cast<char>('a' + i % 26)) + "\r\n";
        QTest::newRow("4 MB of long lines") << longLines;
        QTest::newRow("4 MB without a line end") << QByteArray(4 * 1024 * 1024, 'x');
        QByteArray binary(2 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator random(1984);
        for (char &b : binary)
            b = static_cast<char>(random.bounded(256u));
        QTest::newRow("2 MB of random bytes") << binary;
    }

    void hugeAndBinaryFilesAreReadSafely()
    {
        QFETCH(QByteArray, content);
        ScriptedDesktop &desktop = scripted();
        frmArithmancyMain *window = openWindow();
        QTest::keyClicks(window->txtName, QStringLiteral("john"));
        desktop.openAnswers = {folder.write(QStringLiteral("odd.num"), content)};
        QTest::mouseClick(window->cmdOpen, Qt::LeftButton);

        for (const QString &shown : birthdayShown(window))
            QVERIFY(shown.size() <= modSavedReading::SavedReadingLineLimit);
        QVERIFY(desktop.messages.isEmpty());
        QCOMPARE(numbersShown(window), QStringList({"2", "6", "5"}));
    }
};

ORRIN_TEST(ArithmancyWindowTest)
#include "ArithmancyWindowTest.moc"

#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "frame/modHelp.h"
#include "frame/modRTB.h"
#include "frame/Widgets.h"
#include "oracles/tea_leaf/frmTeaLeafReadingDisplay.h"
#include "oracles/tea_leaf/frmTeaLeafReadingSave.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString Headings[3] = {
    QStringLiteral("Symbols That Represent Things That Are Very Important (Immediate Future)"),
    QStringLiteral("Symbols That Represent Things That Are Important, But NOT Life Changing"),
    QStringLiteral("Symbols That Represent Things That Are Subject To Change"),
};
const QString Resembles = QStringLiteral("Your Tealeaf resembles is : ");
const QString Significance = QStringLiteral("Significance of your Tealeaf reading is : ");

// A reading with letters the report has to carry through: accents, braces,
// a backslash and a character beyond the first plane.
const QString Symbols[3] = {QStringLiteral("Ivy leaf"), QStringLiteral("Caf\u00e9 {cup}"), QStringLiteral("Zebra")};
const QString Meanings[3] = {
    QStringLiteral("Faithful friends stand by you through the season ahead. "),
    QStringLiteral("A path\\road opens where you expected a wall \U0001F375"),
    QStringLiteral("Travel and adventure beckon; what you decide now may still change."),
};

const QColor Red(128, 0, 0), Blue(0, 0, 128), Green(0, 128, 0);

struct Piece {
    QString text;
    QColor colour;
};

// The report as it must read, piece by piece.
QList<Piece> expectedPieces()
{
    QList<Piece> pieces;
    for (int block = 0; block < 3; ++block)
        pieces << Piece{Headings[block], Red} << Piece{Resembles, Blue} << Piece{Symbols[block], Green}
               << Piece{Significance, Blue} << Piece{Meanings[block], Green};
    return pieces;
}

QString expectedText()
{
    QString text;
    for (int block = 0; block < 3; ++block)
        text += Headings[block] + QStringLiteral("\n\n") + Resembles + Symbols[block] + QStringLiteral("\n\n") + Significance + Meanings[block]
                + QStringLiteral("\n\n");
    return text;
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

// The text of a PDF, words separated by single blanks; empty without pdftotext.
QString pdfText(const QString &path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {path, QStringLiteral("-")});
    process.waitForFinished(30000);
    QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    return text.replace(QChar(0xfb01), QLatin1String("fi")).replace(QChar(0xfb02), QLatin1String("fl"));
}

// Writes beyond `bytes` fail with the process's file-size limit, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};

} // namespace

class TeaLeafReportTest : public DesktopTest {
    Q_OBJECT

    // A reading on screen in the result window.
    frmTeaLeafReadingDisplay *showReading()
    {
        auto *main = WindowRegistry::window<frmMDI>();
        main->resize(1280, 800);
        main->show();
        auto *display = WindowRegistry::window<frmTeaLeafReadingDisplay>();
        QLabel *symbols[3] = {display->lblResemblesOne, display->lblResemblesTwo, display->lblResemblesThree};
        QLabel *meanings[3] = {display->lblFirstRndResult, display->lblSecondRndResult, display->lblThirdRndResult};
        for (int block = 0; block < 3; ++block) {
            symbols[block]->setText(Symbols[block]);
            meanings[block]->setText(Meanings[block]);
        }
        display->show();
        display->CentreOracleWindow();
        return display;
    }

    frmTeaLeafReadingSave *openReport()
    {
        frmTeaLeafReadingDisplay *display = showReading();
        QTest::mouseClick(display->cmdPrint, Qt::LeftButton);
        return WindowRegistry::loadedWindow<frmTeaLeafReadingSave>();
    }

    static void typeAtEnd(QTextEdit *box, const QString &text)
    {
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, text);
    }

private slots:

    void reportReadsTheReadingInItsColours()
    {
        frmTeaLeafReadingSave *report = openReport();
        QVERIFY(report && report->isVisible());
        QCOMPARE(report->windowTitle(), QStringLiteral("Orrin Tea Leaf Reading"));
        QVERIFY(report->menus().isEmpty());
        QVERIFY(!report->RTB->isReadOnly());
        QCOMPARE(report->RTB->document()->defaultFont().family(), QStringLiteral("Verdana"));
        QCOMPARE(report->RTB->document()->defaultFont().pointSizeF(), 9.75);

        QTextDocument *document = report->RTB->document();
        QCOMPARE(document->toPlainText(), expectedText());

        // Every piece in its colour, everything bold: fragments follow the pieces one to one.
        QList<Piece> shown;
        for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                QCOMPARE(format.fontWeight(), int(QFont::Bold));
                shown.append({it.fragment().text(), format.foreground().color()});
            }
        }
        const QList<Piece> expected = expectedPieces();
        QCOMPARE(shown.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(shown[i].text, expected[i].text);
            QCOMPARE(shown[i].colour, expected[i].colour);
        }
        // The insertion point ends after the report; what is typed there stays green and bold.
        QCOMPARE(report->RTB->textCursor().position(), document->characterCount() - 1);
        QCOMPARE(report->RTB->currentCharFormat().foreground().color(), Green);
        QCOMPARE(report->RTB->currentCharFormat().fontWeight(), int(QFont::Bold));
    }

    void linkLabelsOpenTheirPages_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("address");
        QTest::newRow("Label14") << "Label14" << QString::fromLatin1(modHelp::CommunitySiteAddress);
        QTest::newRow("Label1") << "Label1" << QString::fromLatin1(modHelp::CommunitySiteAddress);
        QTest::newRow("Label9") << "Label9" << QString::fromLatin1(modHelp::FullBrandOfferAddress);
    }

    void linkLabelsOpenTheirPages()
    {
        QFETCH(QString, label);
        QFETCH(QString, address);
        ScriptedDesktop &desktop = scripted();
        frmTeaLeafReadingSave *report = openReport();
        auto *link = report->findChild<LinkLabel *>(label);
        QVERIFY(link && link->isVisible());
        if (label == u"Label14")
            QCOMPARE(link->text(), QStringLiteral("The Most Popular Online Mystic Discussion Forum"));
        if (label == u"Label1")
            QVERIFY(link->text().contains(QString::fromLatin1(modHelp::CommunitySiteName)));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(desktop.openedAddresses, QList<QUrl>({QUrl(address)}));
    }

    void saveWritesRtf_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written"); // empty: nothing may be written
        QTest::newRow("no extension gets .txt") << "reading" << "reading.txt";
        QTest::newRow(".rtf kept") << "reading.rtf" << "reading.rtf";
        QTest::newRow("other extension kept") << "reading.doc" << "reading.doc";
        QTest::newRow("cancelled") << "" << "";
    }

    void saveWritesRtf()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        ScriptedDesktop &desktop = scripted();
        QTemporaryDir folder;
        frmTeaLeafReadingSave *report = openReport();
        desktop.saveAnswers = {typed.isEmpty() ? QString() : folder.filePath(typed)};
        QTest::mouseClick(report->cmdSave, Qt::LeftButton);

        QCOMPARE(desktop.saveRequests.size(), 1);
        const platform::SaveDialogRequest &request = desktop.saveRequests.first();
        QCOMPARE(request.title, QStringLiteral("Orrin Vodadadore I v1.20"));
        QVERIFY(request.filter.startsWith(QStringLiteral("Rich Text Format | *.rtf ")));
        QVERIFY(request.filter.endsWith(QStringLiteral("(*.rtf)")));
        QCOMPARE(request.defaultSuffix, QStringLiteral("txt"));
        QVERIFY(request.fileName.isEmpty());
        QVERIFY(!request.options.testFlag(QFileDialog::DontConfirmOverwrite));
        QVERIFY(desktop.messages.isEmpty());

        const QStringList files = QDir(folder.path()).entryList(QDir::Files);
        if (written.isEmpty()) {
            QVERIFY(files.isEmpty());
            return;
        }
        QCOMPARE(files, QStringList{written});
        const QByteArray rtf = contentsOf(folder.filePath(written));
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
        QVERIFY(rtf.trimmed().endsWith('}'));
        QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana;}}"));
        QVERIFY(rtf.contains("{\\colortbl ;\\red128\\green0\\blue0;\\red0\\green0\\blue128;\\red0\\green128\\blue0;}"));
        QVERIFY(rtf.contains("\\cf1\\b Symbols That Represent Things That Are Very Important (Immediate Future)\\par"));
        QVERIFY(rtf.contains("\\cf2 Your Tealeaf resembles is : \\cf3 Ivy leaf\\par"));
        QVERIFY(rtf.contains("Caf\\u233? \\{cup\\}"));
        QVERIFY(rtf.contains("A path\\\\road opens where you expected a wall \\u-10180?\\u-8331?"));
        for (const char byte : rtf)
            QVERIFY(static_cast<unsigned char>(byte) < 0x80);
    }

    void failedSaveLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("folder does not exist") << "missing folder";
        QTest::newRow("name of a folder") << "folder";
        QTest::newRow("disk full") << "full";
        QTest::newRow("read-only file") << "read-only file";
        if (geteuid() != 0) // the superuser writes anywhere
            QTest::newRow("folder not writable") << "read-only";
    }

    void failedSaveLeavesTheOldFileWhole()
    {
        QFETCH(QString, failure);
        ScriptedDesktop &desktop = scripted();
        QTemporaryDir folder;
        const QString old = folder.filePath(QStringLiteral("reading.rtf"));
        const QByteArray oldContents = "{\\rtf1 the reading saved last week}";
        writeFile(old, oldContents);
        frmTeaLeafReadingSave *report = openReport();

        QString answer = old;
        if (failure == u"missing folder")
            answer = folder.filePath(QStringLiteral("no such folder/reading.rtf"));
        else if (failure == u"folder")
            answer = folder.path();
        desktop.saveAnswers = {answer};
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (failure == u"full")
                limit = std::make_unique<FileSizeLimit>(512);
            if (failure == u"read-only")
                QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
            if (failure == u"read-only file")
                QFile::setPermissions(old, QFile::ReadOwner | QFile::ReadGroup);
            QTest::mouseClick(report->cmdSave, Qt::LeftButton);
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(old, QFile::ReadOwner | QFile::WriteOwner);
        }

        QVERIFY(desktop.messages.isEmpty());
        QCOMPARE(contentsOf(old), oldContents);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("reading.rtf")}); // no half-written file left behind
    }

    void printing_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("whole report") << false << false;
        QTest::newRow("selection only") << true << false;
        QTest::newRow("cancelled") << false << true;
    }

    void printing()
    {
        QFETCH(bool, select);
        QFETCH(bool, cancel);
        ScriptedDesktop &desktop = scripted();
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
        desktop.printToPdf = cancel ? QString() : pdf;
        frmTeaLeafReadingSave *report = openReport();

        if (select) { // the second heading
            QTextCursor cursor(report->RTB->document()->findBlockByNumber(6));
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QCOMPARE(cursor.selectedText(), Headings[1]);
            report->RTB->setTextCursor(cursor);
        }
        QTest::mouseClick(report->cmdPrint, Qt::LeftButton);

        QCOMPARE(desktop.printRequests.size(), 1);
        const platform::PrintRequest &request = desktop.printRequests.first();
        QVERIFY(!request.options.testFlag(QAbstractPrintDialog::PrintPageRange));
        QCOMPARE(request.initialRange, select ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages);
        if (cancel) {
            QVERIFY(!QFile::exists(pdf));
            return;
        }
        QVERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY(contentsOf(pdf).startsWith("%PDF"));
        const QString text = pdfText(pdf);
        if (text.isEmpty())
            QSKIP("pdftotext is not installed: the printed text is not checked");
        QVERIFY(text.contains(Headings[1]));
        QCOMPARE(text.contains(Headings[0]), !select);
        QCOMPARE(text.contains(Headings[2]), !select);
        QCOMPARE(text.contains(Meanings[2]), !select);
    }

    void printWhileOpenOnlyBringsTheReportForward()
    {
        frmTeaLeafReadingSave *report = openReport();
        typeAtEnd(report->RTB, QStringLiteral("my own note"));
        auto *display = WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>();
        QMdiArea *area = WindowRegistry::window<frmMDI>()->mdiArea;

        area->setActiveSubWindow(display);
        display->mnuPrint->trigger();
        QCOMPARE(WindowRegistry::loadedWindow<frmTeaLeafReadingSave>(), report);
        QCOMPARE(area->activeSubWindow(), report);

        area->setActiveSubWindow(display);
        QTest::mouseClick(display->cmdPrint, Qt::LeftButton);
        QCOMPARE(WindowRegistry::loadedWindow<frmTeaLeafReadingSave>(), report);
        QCOMPARE(area->activeSubWindow(), report);
        QCOMPARE(report->RTB->toPlainText(), expectedText() + QStringLiteral("my own note"));
        QVERIFY(display->isVisible()); // the result window stays as it was
    }

    // Each opening of the report detects links once; closing it switches
    // detection off and shows the result window again.
    void closingAndReopeningKeepsDetectionClean()
    {
        ScriptedDesktop &desktop = scripted();
        for (int round = 1; round <= 2; ++round) {
            frmTeaLeafReadingSave *report = openReport();
            QCOMPARE(modRTB::LinkDetectionBox(), report->RTB);
            QCOMPARE(report->RTB->toPlainText(), expectedText()); // built afresh
            typeAtEnd(report->RTB, QStringLiteral("www.example.org"));
            QTextCursor cursor(report->RTB->document());
            cursor.setPosition(report->RTB->document()->characterCount() - 8);
            const QPoint onLink = report->RTB->cursorRect(cursor).center() + QPoint(2, 0);
            QTest::mouseClick(report->RTB->viewport(), Qt::LeftButton, {}, onLink);
            QCOMPARE(desktop.openedAddresses.size(), round); // once per press, not once per opening

            desktop.clipboardClears = 0;
            moveMouseOver(report->RTB->viewport());
            QVERIFY(desktop.clipboardClears >= 1);

            report->close(); // the close box
            QCOMPARE(WindowRegistry::loadedWindow<frmTeaLeafReadingSave>(), nullptr);
            QCOMPARE(modRTB::LinkDetectionBox(), nullptr);
            auto *display = WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>();
            QVERIFY(display && display->isVisible());
            QCOMPARE(WindowRegistry::window<frmMDI>()->mdiArea->activeSubWindow(), display);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(desktop.openedAddresses,
                 QList<QUrl>({QUrl("http://www.example.org"), QUrl("http://www.example.org")}));
    }

    // Leaving the oracle with the report open closes all three windows and
    // brings none of them back.
    void launcherClosesTheReportWithTheOthers()
    {
        openReport();
        QTest::mouseClick(WindowRegistry::window<frmMDI>()->cmdSelectOption[0], Qt::LeftButton); // Coffee Cup
        QCOMPARE(WindowRegistry::loadedWindow<frmTeaLeafReadingSave>(), nullptr);
        QCOMPARE(WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>(), nullptr);
        QCOMPARE(modRTB::LinkDetectionBox(), nullptr);
    }
};

ORRIN_TEST(TeaLeafReportTest)
#include "TeaLeafReportTest.moc"

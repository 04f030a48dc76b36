#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "frame/modHelp.h"
#include "frame/modRTB.h"
#include "frame/Widgets.h"
#include "oracles/tea_leaf/frmTeaLeafReadingDisplay.h"
#include "oracles/tea_leaf/frmTeaLeafReadingSave.h"
#include "platform/print/PrintDialogSetup.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibrary>
#include <QMap>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QUrl>
#include <QXmlStreamReader>
#include <QHash>

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

// A reading with letters the report has to carry through: accents, Cyrillic,
// Chinese, Hebrew, Arabic, a character beyond the first plane, braces,
// backslashes and what looks like RTF's own control words.
const QString Symbols[3] = {QStringLiteral("Ivy leaf"), QStringLiteral("Caf\u00e9 {cup} \\b0\\par"),
                            QStringLiteral("Zebra \u0437\u0435\u0431\u0440\u0430 \u6591\u9a6c")};
const QString Meanings[3] = {
    QStringLiteral("Faithful friends stand by you: \u05d7\u05d1\u05e8\u05d9\u05dd \u0623\u0635\u062f\u0642\u0627\u0621, "
                   "stra\u00dfe and na\u00efve. "),
    QStringLiteral("A path\\road opens where you expected a wall \U0001F375 {\\*\\fldinst x}"),
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

// Runs a tool and returns what it printed; empty if it failed or took too long.
QByteArray runTool(const QString &tool, const QStringList &arguments, int timeoutMs = 60000)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// A paragraph's runs as a word processor stores them: text and the style of each.
struct StyledRun {
    QString text;
    QString colour;       // "#rrggbb"
    bool bold = false;
    bool complexBold = false; // what right-to-left scripts get
    QString size, complexSize;
};

// Reads a flat OpenDocument text: the paragraphs, each as its styled runs.
QList<QList<StyledRun>> readFlatOpenDocument(const QByteArray &xml)
{
    QHash<QString, StyledRun> styles;
    QList<QList<StyledRun>> paragraphs;
    QXmlStreamReader reader(xml);
    QString styleName;
    QStringList spanStyles;
    bool inParagraph = false;
    auto add = [&](const QString &text) {
        if (!inParagraph || text.isEmpty())
            return;
        StyledRun run = styles.value(spanStyles.isEmpty() ? QString() : spanStyles.last());
        run.text = text;
        paragraphs.last().append(run);
    };
    while (!reader.atEnd()) {
        reader.readNext();
        const auto name = reader.qualifiedName();
        if (reader.isStartElement()) {
            const QXmlStreamAttributes attributes = reader.attributes();
            if (name == u"style:style") {
                styleName = attributes.value("style:name").toString();
            } else if (name == u"style:text-properties" && !styleName.isEmpty()) {
                StyledRun &style = styles[styleName];
                style.colour = attributes.value("fo:color").toString();
                style.bold = attributes.value("fo:font-weight") == u"bold";
                style.complexBold = attributes.value("style:font-weight-complex") == u"bold";
                style.size = attributes.value("fo:font-size").toString();
                style.complexSize = attributes.value("style:font-size-complex").toString();
            } else if (name == u"text:p" || name == u"text:h") {
                paragraphs.append(QList<StyledRun>());
                spanStyles.clear();
                inParagraph = true;
            } else if (name == u"text:span") {
                spanStyles.append(attributes.value("text:style-name").toString());
            } else if (name == u"text:s") {
                const int count = attributes.hasAttribute("text:c") ? attributes.value("text:c").toInt() : 1;
                add(QString(count, u' '));
            } else if (name == u"text:tab") {
                add(QStringLiteral("\t"));
            } else if (name == u"text:line-break") {
                add(QStringLiteral("\n"));
            }
        } else if (reader.isEndElement()) {
            if (name == u"style:style")
                styleName.clear();
            else if (name == u"text:p" || name == u"text:h")
                inParagraph = false;
            else if (name == u"text:span" && !spanStyles.isEmpty())
                spanStyles.removeLast();
        } else if (reader.isCharacters()) {
            add(reader.text().toString());
        }
    }
    return paragraphs;
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

    QMap<QString, QString> reasons; // the reason a failed save gave, by cause

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

    // Saves the report into `folder` and returns the file's path.
    QString saveReport(const QTemporaryDir &folder)
    {
        ScriptedDesktop &desktop = scripted();
        frmTeaLeafReadingSave *report = openReport();
        const QString path = folder.filePath(QStringLiteral("reading.rtf"));
        desktop.saveAnswers = {path};
        QTest::mouseClick(report->cmdSave, Qt::LeftButton);
        return path;
    }

private slots:
    // A reader of another make gets every letter back (unrtf drops letters
    // after a \u escape whose fallback it cannot skip).
    void unrtfReadsTheSavedReportLetterForLetter()
    {
        const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        if (unrtf.isEmpty())
            QSKIP("unrtf is not installed (make test installs it)");
        QTemporaryDir folder;
        const QByteArray html = runTool(unrtf, {QStringLiteral("--html"), saveReport(folder)});
        QVERIFY(!html.isEmpty());
        QTextDocument read;
        read.setHtml(QString::fromUtf8(html));
        QString text = read.toPlainText();
        text.replace(QChar::Nbsp, u' ');
        QCOMPARE(text.trimmed(), expectedText().trimmed());
    }

    // Run by `make roundtrip-libreoffice`: LibreOffice opens the saved report
    // with its text, its three colours, and bold at one size for every script.
    void libreOfficeReadsTheReport()
    {
        if (qEnvironmentVariableIsEmpty("ORRIN_LIBREOFFICE"))
            QSKIP("LibreOffice's reading is checked by make roundtrip-libreoffice");
        const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        QVERIFY2(!office.isEmpty(), "soffice is not installed");
        QTemporaryDir folder;
        const QString saved = saveReport(folder);
        runTool(office,
                {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(folder.filePath("profile")).toString(),
                 QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("fodt"),
                 QStringLiteral("--outdir"), folder.path(), saved},
                180000);
        const QList<QList<StyledRun>> paragraphs = readFlatOpenDocument(contentsOf(folder.filePath("reading.fodt")));
        QVERIFY2(!paragraphs.isEmpty(), "LibreOffice wrote nothing");

        QStringList lines;
        QList<Piece> shown; // neighbouring runs of one colour joined, as the pieces are
        for (const QList<StyledRun> &paragraph : paragraphs) {
            QString line;
            for (const StyledRun &run : paragraph) {
                line += run.text;
                QVERIFY2(run.bold && run.complexBold, qPrintable(run.text));
                QVERIFY2(!run.size.isEmpty() && run.size == run.complexSize, qPrintable(run.text));
                const QColor colour(run.colour);
                if (!shown.isEmpty() && shown.last().colour == colour)
                    shown.last().text += run.text;
                else
                    shown.append({run.text, colour});
            }
            lines.append(line);
        }
        QCOMPARE(lines.join(u'\n').trimmed(), expectedText().trimmed());
        const QList<Piece> expected = expectedPieces();
        QCOMPARE(shown.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(shown[i].text, expected[i].text);
            QCOMPARE(shown[i].colour, expected[i].colour);
        }
    }

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
        QVERIFY(rtf.contains("\\cf1\\rtlch\\ab\\ltrch\\b Symbols That Represent Things That Are Very Important (Immediate Future)\\par"));
        QVERIFY(rtf.contains("\\cf2 Your Tealeaf resembles is : \\cf3 Ivy leaf\\par"));
        QVERIFY(rtf.contains("Caf\\u233\\'3f \\{cup\\} \\\\b0\\\\par"));
        QVERIFY(rtf.contains("A path\\\\road opens where you expected a wall \\u-10180\\'3f\\u-8331\\'3f"));
        for (const char byte : rtf)
            QVERIFY(static_cast<unsigned char>(byte) < 0x80);
    }

    // Names up to the longest the disk allows are saved, over an existing file too;
    // a link stays a link and the file it names takes the report.
    void everyNameTheDiskAllowsIsSaved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("throughLink");
        const QString longest = QString(251, u'r') + QStringLiteral(".rtf");
        QCOMPARE(longest.toUtf8().size(), 255);
        // 2 bytes a letter in UTF-8: 125 letters and ".rtf" make 254 bytes, one more "x" 255.
        const QString longestAccented = QString(125, QChar(0xe9)) + QStringLiteral("x.rtf");
        QCOMPARE(longestAccented.toUtf8().size(), 255);
        QTest::newRow("255 bytes, new") << longest << false << false;
        QTest::newRow("255 bytes, over an existing file") << longest << true << false;
        QTest::newRow("255 bytes of accented letters, over an existing file") << longestAccented << true << false;
        QTest::newRow("through a link to an existing file") << QStringLiteral("reading.rtf") << true << true;
        QTest::newRow("through a link to no file yet") << QStringLiteral("reading.rtf") << false << true;
    }

    void everyNameTheDiskAllowsIsSaved()
    {
        QFETCH(QString, name);
        QFETCH(bool, existing);
        QFETCH(bool, throughLink);
        ScriptedDesktop &desktop = scripted();
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("real")));
        const QString file = folder.filePath(QStringLiteral("real/") + name);
        if (existing) {
            writeFile(file, "{\\rtf1 last week}");
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        }
        const QString link = folder.filePath(QStringLiteral("link.rtf"));
        if (throughLink)
            QVERIFY(QFile::link(file, link));
        frmTeaLeafReadingSave *report = openReport();
        desktop.saveAnswers = {throughLink ? link : file};
        QTest::mouseClick(report->cmdSave, Qt::LeftButton);

        QCOMPARE(desktop.messageTexts(), QStringList());
        QVERIFY(contentsOf(file).startsWith("{\\rtf1\\ansi"));
        QCOMPARE(QDir(folder.filePath(QStringLiteral("real"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{name});
        if (existing) // the file keeps who may read it
            QCOMPARE(QFile::permissions(file) & QFileDevice::Permissions(0x7077),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        if (throughLink)
            QCOMPARE(QFileInfo(link).symLinkTarget(), file);
    }

    void failedSaveSaysSoAndLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("cause"); // rows of one cause give the same reason; causes differ
        QTest::newRow("folder does not exist") << "missing folder" << "missing";
        QTest::newRow("name of a folder") << "folder" << "folder";
        QTest::newRow("link to a folder") << "link to folder" << "folder";
        QTest::newRow("disk full") << "full" << "full";
        QTest::newRow("read-only file") << "read-only file" << "read-only";
        QTest::newRow("link to a read-only file") << "link to read-only file" << "read-only";
        QTest::newRow("256-byte name") << "too long" << "long";
        QTest::newRow("253-byte name, .txt added") << "too long with .txt" << "long";
        // The superuser writes in any folder; as root this case cannot happen.
        if (geteuid() != 0)
            QTest::newRow("folder not writable") << "read-only folder" << "folder permission";
    }

    void failedSaveSaysSoAndLeavesTheOldFileWhole()
    {
        QFETCH(QString, failure);
        QFETCH(QString, cause);
        ScriptedDesktop &desktop = scripted();
        QTemporaryDir folder;
        const QString old = folder.filePath(QStringLiteral("reading.rtf"));
        const QByteArray oldContents = "{\\rtf1 the reading saved last week}";
        writeFile(old, oldContents);
        QStringList expectedEntries = {QStringLiteral("reading.rtf")};
        frmTeaLeafReadingSave *report = openReport();

        QString answer = old;
        if (failure == u"missing folder")
            answer = folder.filePath(QStringLiteral("no such folder/reading.rtf"));
        else if (failure == u"folder") {
            answer = folder.filePath(QStringLiteral("archive.rtf"));
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("archive.rtf")));
            expectedEntries.prepend(QStringLiteral("archive.rtf"));
        }
        else if (failure == u"too long")
            answer = folder.filePath(QString(252, u'r') + QStringLiteral(".rtf"));
        else if (failure == u"too long with .txt")
            answer = folder.filePath(QString(253, u'r'));
        else if (failure.startsWith(u"link to")) {
            answer = folder.filePath(QStringLiteral("link.rtf"));
            QVERIFY(QFile::link(failure == u"link to folder" ? folder.path() : old, answer));
            expectedEntries.prepend(QStringLiteral("link.rtf"));
        }
        desktop.saveAnswers = {answer};
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (failure == u"full")
                limit = std::make_unique<FileSizeLimit>(512);
            if (failure == u"read-only folder")
                QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
            if (failure.endsWith(u"read-only file"))
                QFile::setPermissions(old, QFile::ReadOwner | QFile::ReadGroup);
            QTest::mouseClick(report->cmdSave, Qt::LeftButton);
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(old, QFile::ReadOwner | QFile::WriteOwner);
        }

        // One error message, naming the file and why.
        QCOMPARE(desktop.messages.size(), 1);
        const platform::MessageRequest &message = desktop.messages.first();
        QCOMPARE(message.title, QStringLiteral("Orrin Vodadadore I v1.20"));
        QCOMPARE(message.icon, QMessageBox::Critical);
        QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QString named = answer;
        if (failure == u"too long with .txt")
            named += QStringLiteral(".txt");
        QVERIFY2(message.text.contains(named), qPrintable(message.text));
        const QStringList lines = message.text.split(u'\r', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4); // what happened, the file, why, what now
        const QString reason = lines[2];
        QVERIFY(reason.size() > 10 && !reason.contains(folder.path()));
        for (auto it = reasons.cbegin(); it != reasons.cend(); ++it)
            QVERIFY2((it.key() == cause) == (it.value() == reason), qPrintable(reason + " / " + it.value()));
        reasons.insert(cause, reason);

        // Nothing changed on disk, nothing left behind.
        QCOMPARE(contentsOf(old), oldContents);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
                 expectedEntries);

        // The report is still open with its text and saves elsewhere.
        QVERIFY(WindowRegistry::loadedWindow<frmTeaLeafReadingSave>() == report && report->isVisible());
        QCOMPARE(report->RTB->toPlainText(), expectedText());
        const QString elsewhere = folder.filePath(QStringLiteral("elsewhere.rtf"));
        desktop.saveAnswers = {elsewhere};
        QTest::mouseClick(report->cmdSave, Qt::LeftButton);
        QCOMPARE(desktop.messages.size(), 1);
        QVERIFY(contentsOf(elsewhere).startsWith("{\\rtf1"));
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
        QCOMPARE(request.selection, select);
        const platform::PrintDialogSetup setup = platform::printDialogSetup(select);
        QVERIFY(!setup.options.testFlag(QAbstractPrintDialog::PrintPageRange));
        QCOMPARE(setup.options.testFlag(QAbstractPrintDialog::PrintSelection), select);
        QCOMPARE(setup.range, select ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages);
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

    // The printing module is built, loads, and offers what the program calls;
    // where it is missing, the user is told and the report stays as it was.
    void thePrintModuleLoadsOrTheUserIsTold()
    {
        QLibrary module(QStringLiteral(ORRIN_PRINT_MODULE));
        QVERIFY2(module.load(), qPrintable(module.errorString()));
        QVERIFY(module.resolve("orrinPrintDocument"));

        ScriptedDesktop &desktop = scripted();
        desktop.printingMissing = true;
        frmTeaLeafReadingSave *report = openReport();
        const QString before = report->RTB->toPlainText();
        QTest::mouseClick(report->cmdPrint, Qt::LeftButton);
        QCOMPARE(desktop.messages.size(), 1);
        QCOMPARE(desktop.messages.first().icon, QMessageBox::Critical);
        QVERIFY(!desktop.messages.first().text.isEmpty());
        QCOMPARE(report->RTB->toPlainText(), before);
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

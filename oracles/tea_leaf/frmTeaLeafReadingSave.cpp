#include "frmTeaLeafReadingSave.h"

#include "frame/OracleHost.h"
#include "frame/WindowRegistry.h"
#include "frame/ClipboardGuard.h"
#include "frame/modHelp.h"
#include "frame/modRTB.h"
#include "frame/MsgBox.h"
#include "frame/RtfWriter.h"
#include "frame/LinkCaptions.h"
#include "frame/Widgets.h"
#include "oracles/tea_leaf/frmTeaLeafReadingDisplay.h"
#include "platform/Desktop.h"

#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const char *const Headings[3] = {
    "Symbols That Represent Things That Are Very Important (Immediate Future)",
    "Symbols That Represent Things That Are Important, But NOT Life Changing",
    "Symbols That Represent Things That Are Subject To Change",
};
const char ResemblesCaption[] = "Your Tealeaf resembles is : ";
const char SignificanceCaption[] = "Significance of your Tealeaf reading is : ";
const char LineBreak[] = "\r\n";

const QColor HeadingColour(128, 0, 0);
const QColor CaptionColour(0, 0, 128);
const QColor ValueColour(0, 128, 0);

const char ForumCaption[] = "The Most Popular Online Mystic Discussion Forum";

// The one entry "Rich Text Format | *.rtf " as it is worded; the pattern in
// parentheses is what the file dialog filters by, and it hides it.
const char SaveFilter[] = "Rich Text Format | *.rtf  (*.rtf)";

OracleWindow::Design reportDesign()
{
    OracleWindow::Design design;
    design.title = QStringLiteral("Orrin Tea Leaf Reading");
    design.widthTwips = 9600;
    design.fileMenu = OracleWindow::FileMenu::None;
    design.helpMenu = false;
    design.linkLabels = false;
    return design;
}

} // namespace

frmTeaLeafReadingSave::frmTeaLeafReadingSave()
    : OracleWindow(reportDesign())
{
    Label14 = new LinkLabel(QStringLiteral("Label14"), QString::fromUtf8(ForumCaption), this);
    Label14->setFont(captionFont(10, true));
    Label1 = new LinkLabel(QStringLiteral("Label1"),
                           QStringLiteral("Share your reading and talk it over with other seekers at ")
                               + QString::fromLatin1(modHelp::CommunitySiteName),
                           this);
    connect(Label14, &LinkLabel::clicked, this, &modHelp::OpenCommunitySite);
    connect(Label1, &LinkLabel::clicked, this, &modHelp::OpenCommunitySite);

    RTB = new QTextEdit(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setAcceptRichText(true);
    RTB->setFont(captionFont(9.75));
    RTB->setMinimumHeight(platform::twips(4800));
    // The report's colours are fixed, so it is shown on white like the page it prints on.
    QPalette paper = RTB->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    RTB->setPalette(paper);
    ClipboardGuard::guard(RTB);

    Label9 = new LinkLabel(QStringLiteral("Label9"), QString::fromUtf8(linkCaptions::FullBrand), this);
    connect(Label9, &LinkLabel::clicked, this, &modHelp::OpenFullBrandOffer);

    content()->addWidget(Label14);
    content()->addWidget(Label1);
    content()->addWidget(RTB, 1);
    content()->addWidget(Label9);

    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    connect(cmdSave, &QPushButton::clicked, this, &frmTeaLeafReadingSave::cmdSave_Click);
    addStripButton(cmdSave);
    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    connect(cmdPrint, &QPushButton::clicked, this, &frmTeaLeafReadingSave::cmdPrint_Click);
    addStripButton(cmdPrint);

    Form_Load();
}

void frmTeaLeafReadingSave::Form_Load()
{
    modRTB::EnableLinkDetection(RTB, this);
    CentreOracleWindow();
    BuildReport();
}

// Each piece goes in at the insertion point in the colour set just before
// it. Bold is switched on before every heading and never off again.
void frmTeaLeafReadingSave::BuildReport()
{
    const auto *display = WindowRegistry::window<frmTeaLeafReadingDisplay>();
    const QLabel *const symbols[3] = {display->lblResemblesOne, display->lblResemblesTwo, display->lblResemblesThree};
    const QLabel *const meanings[3] = {display->lblFirstRndResult, display->lblSecondRndResult,
                                       display->lblThirdRndResult};
    const QString twoLines = QString::fromLatin1(LineBreak) + QString::fromLatin1(LineBreak);

    QTextCursor cursor = RTB->textCursor();
    QTextCharFormat format = cursor.charFormat();
    auto insert = [&](const QColor &colour, const QString &text) {
        format.setForeground(colour);
        cursor.insertText(text, format);
    };
    for (int block = 0; block < 3; ++block) {
        format.setFontWeight(QFont::Bold);
        insert(HeadingColour, QString::fromUtf8(Headings[block]) + twoLines);
        insert(CaptionColour, QString::fromUtf8(ResemblesCaption));
        insert(ValueColour, symbols[block]->text() + twoLines);
        insert(CaptionColour, QString::fromUtf8(SignificanceCaption));
        insert(ValueColour, meanings[block]->text() + twoLines);
    }
    // Typing goes on after the report; the report is shown from its top (showEvent).
    RTB->setTextCursor(cursor);
}

void frmTeaLeafReadingSave::showEvent(QShowEvent *event)
{
    // The box has just scrolled to its insertion point, as a box does when
    // it is first shown; the report is read from its top.
    OracleWindow::showEvent(event);
    if (!shownOnce) {
        shownOnce = true;
        RTB->verticalScrollBar()->setValue(RTB->verticalScrollBar()->minimum());
    }
}

void frmTeaLeafReadingSave::cmdSave_Click()
{
    platform::SaveDialogRequest request;
    request.title = QString::fromUtf8(ProgramTitle);
    request.filter = QString::fromUtf8(SaveFilter);
    request.defaultSuffix = QStringLiteral("txt");
    // Overwriting asks first and the folder must exist: both are the dialog's own rules.
    request.options = QFileDialog::HideNameFilterDetails;
    QString path = platform::desktop().askSaveFileName(request);
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).fileName().contains(u'.'))
        path += QStringLiteral(".txt");
    // A read-only file is refused, also where the user could override it.
    const QFileInfo target(path);
    if (target.exists() && (!target.isWritable() || !target.permissions().testFlag(QFileDevice::WriteOwner)))
        return;

    // Written aside and put in place whole, so a failed save leaves an
    // existing file as it was. Failures are not reported.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const QByteArray rtf = RtfWriter::fromDocument(*RTB->document());
    // commit() does not see a failure of the last flush (a full disk, say),
    // so the flush is checked here: a file that did not go out whole is thrown away.
    if (file.write(rtf) != rtf.size() || !file.flush())
        file.cancelWriting();
    file.commit();
}

void frmTeaLeafReadingSave::cmdPrint_Click()
{
    const QTextCursor selection = RTB->textCursor();
    const bool selected = selection.hasSelection();

    platform::PrintRequest request;
    request.options = QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                      | QAbstractPrintDialog::PrintCollateCopies;
    if (selected)
        request.options |= QAbstractPrintDialog::PrintSelection;
    request.initialRange = selected ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages;
    QPrinter printer(QPrinter::HighResolution);
    if (!platform::desktop().askPrinter(printer, request))
        return;

    // What is printed follows the selection, whatever range the dialog returned.
    if (selected) {
        QTextDocument part;
        part.setDefaultFont(RTB->document()->defaultFont());
        QTextCursor(&part).insertFragment(selection.selection());
        part.print(&printer);
    } else {
        RTB->document()->print(&printer);
    }
}

void frmTeaLeafReadingSave::oracleUnload()
{
    modRTB::DisableLinkDetection();
    auto *display = WindowRegistry::loadedWindow<frmTeaLeafReadingDisplay>();
    if (display && !display->isUnloaded()) {
        display->show();
        if (OracleHost *host = oracleHost::current())
            host->bringToFront(display);
    }
}

void ShowTeaLeafReport()
{
    frmTeaLeafReadingSave *report = WindowRegistry::loadedWindow<frmTeaLeafReadingSave>();
    if (report) {
        // Already open: brought to the front as it stands.
        if (report->isMinimized())
            report->showNormal();
        else
            report->show();
    } else {
        report = WindowRegistry::window<frmTeaLeafReadingSave>();
        report->show();
        report->CentreOracleWindow();
    }
    report->raise();
    if (OracleHost *host = oracleHost::current())
        host->bringToFront(report);
}

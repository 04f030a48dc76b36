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

#include <QFontMetrics>
#include <QtMath>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    // As wide as the result window it opens over, so that no edge of it shows.
    design.widthTwips = 10800;
    design.fileMenu = OracleWindow::FileMenu::None;
    design.helpMenu = false;
    design.linkLabels = false;
    return design;
}

// Why a file could not be written, in the user's words.
QString reasonFor(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("The folder it was to go in does not exist.");
    case ENOTDIR:
        return QStringLiteral("Part of the path names a file where a folder should be.");
    case EACCES:
    case EPERM:
        return QStringLiteral("You are not allowed to write in that folder.");
    case EROFS:
        return QStringLiteral("The disk it was to go on can only be read, not written.");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("There is not enough room left on the disk.");
    case ENAMETOOLONG:
        return QStringLiteral("The name is longer than the disk allows.");
    case EISDIR:
        return QStringLiteral("That is the name of a folder, not of a file.");
    case ELOOP:
        return QStringLiteral("The name is a link that leads round in a circle.");
    case EIO:
        return QStringLiteral("The disk reported an error while the file was written.");
    default:
        return QStringLiteral("The system reported: %1.").arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

// Writes `bytes` to `path` as a whole, or not at all. They go to a new file
// beside the old one (its name short, so that any name the disk allows can
// be saved over), which then takes the old file's place in one step: a
// failure at any point leaves the old file as it was and nothing else
// behind. A link is followed, so the link stays and the file it names is
// replaced. Returns why it failed, or nothing.
QString writeWhole(const QString &path, const QByteArray &bytes)
{
    QString target = QFileInfo(path).absoluteFilePath();
    for (int links = 0; QFileInfo(target).isSymLink(); ++links) {
        if (links == 40)
            return reasonFor(ELOOP);
        target = QFileInfo(target).symLinkTarget();
    }
    const QByteArray name = QFile::encodeName(target);

    struct stat old {};
    const bool replacing = ::stat(name.constData(), &old) == 0;
    if (!replacing && errno != ENOENT)
        return reasonFor(errno);
    if (replacing) {
        if (S_ISDIR(old.st_mode))
            return reasonFor(EISDIR);
        if (!S_ISREG(old.st_mode))
            return QStringLiteral("That name belongs to something that is not an ordinary file.");
        // A read-only file is refused, also where the user could override it.
        if (!(old.st_mode & S_IWUSR))
            return QStringLiteral("The file there is read-only.");
        if (::access(name.constData(), W_OK) != 0)
            return errno == EROFS ? reasonFor(EROFS) : QStringLiteral("The file there is read-only.");
    }

    QByteArray temporary = QFile::encodeName(QFileInfo(target).absolutePath()) + "/.orrin-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return reasonFor(errno);
    auto fail = [&](int error, bool open) {
        if (open)
            ::close(fd);
        ::unlink(temporary.constData());
        return reasonFor(error);
    };

    mode_t mode = old.st_mode & 07777;
    if (!replacing) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(written < 0 ? errno : ENOSPC, true);
        done += written;
    }
    if (::fsync(fd) != 0)
        return fail(errno, true);
    if (::close(fd) != 0)
        return fail(errno, false);
    if (::rename(temporary.constData(), name.constData()) != 0)
        return fail(errno, false);
    return {};
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
    // A text the user edits keeps the system's hinting: laid out again at
    // every key, it is measured twice as fast that way as fitted to the grid.
    QFont text = captionFont(9.75);
    text.setHintingPreference(QFont::PreferDefaultHinting);
    RTB->setFont(text);
    RTB->setAccessibleName(QStringLiteral("Your tea leaf reading report"));
    // Tab moves on to the links and buttons, so the window works by keyboard alone.
    RTB->setTabChangesFocus(true);
    // Whole lines at the designed height: the last one is never cut through its glyphs.
    const int line = QFontMetrics(RTB->font()).lineSpacing();
    const int chrome = 2 * RTB->frameWidth() + 2 * qCeil(RTB->document()->documentMargin());
    RTB->setMinimumHeight(chrome + (platform::twips(4800) - chrome) / line * line);
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

    const QString failure = writeWhole(path, RtfWriter::fromDocument(*RTB->document()));
    if (failure.isEmpty())
        return;
    // The report stays open with its text, so the user can save it elsewhere.
    MsgBox(QStringLiteral("Your reading was not saved as\r%1\r\r%2\r\r"
                          "The report is still open: you can save it in another folder or under another name.")
               .arg(QDir::toNativeSeparators(path), failure),
           QMessageBox::Critical);
}

void frmTeaLeafReadingSave::cmdPrint_Click()
{
    // What is printed is the selection where there is one, else the whole report.
    const QTextCursor selection = RTB->textCursor();
    QTextDocument part;
    platform::PrintRequest request{RTB->document(), selection.hasSelection()};
    if (request.selection) {
        part.setDefaultFont(RTB->document()->defaultFont());
        QTextCursor(&part).insertFragment(selection.selection());
        request.document = &part;
    }
    if (platform::desktop().print(request) == platform::PrintOutcome::Unavailable)
        MsgBox(QStringLiteral("Printing is not available: the program's printing module is missing."),
               QMessageBox::Critical);
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

#include "frmBibliomancyDisplay.h"

#include "frame/ClipboardGuard.h"
#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/bibliomancy/frmBibliomancyMain.h"

#include <QAction>
#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

constexpr int DisplayWidthTwips = 10200;

OracleWindow::Design displayDesign()
{
    auto design = OracleWindow::Design::displayWindow(QStringLiteral("Orrin Bibliomancy"), "mnuMakeMoneyOnline");
    design.widthTwips = DisplayWidthTwips;
    return design;
}

// Lines each box shows before it scrolls. The hexagram's image box stands a
// little taller than its judgement box; a passage box takes the whole frame.
constexpr int PassageLines = 9;
constexpr int JudgementLines = 4;
constexpr int ImageLines = 5;

} // namespace

ReadingBox::ReadingBox(const QString &objectName, int visibleLines, QWidget *parent)
    : QPlainTextEdit(parent)
{
    setObjectName(objectName);
    setReadOnly(true);
    setFont(captionFont(11));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(6);
    const int frameHeight = 2 * (frameWidth() + static_cast<int>(document()->documentMargin()));
    setMinimumHeight(fontMetrics().lineSpacing() * visibleLines + frameHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    ClipboardGuard::guard(this);
}

QSize ReadingBox::sizeHint() const
{
    return {QPlainTextEdit::sizeHint().width(), minimumHeight()};
}

void ReadingBox::setText(const QString &text)
{
    // CR LF is one break between lines, not two; a CR on its own breaks too.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(lines);
}

frmBibliomancyDisplay::frmBibliomancyDisplay()
    : OracleWindow(displayDesign())
{
    // The five frames share one place, all of one size; only the one in front shows.
    frames = new QStackedWidget(this);
    frames->setObjectName(QStringLiteral("frames"));

    FraChristianity = newFrame("FraChristianity", "Christianity");
    lblChristianityCaption = newCaptionLabel("lblChristianityCaption", FraChristianity);
    txtChristianity = newReadingBox("txtChristianity", PassageLines, FraChristianity);
    buildPassageFrame(FraChristianity, lblChristianityCaption, txtChristianity);

    fraHinduism = newFrame("fraHinduism", "Hinduism");
    lblHinduismCaption = newCaptionLabel("lblHinduismCaption", fraHinduism);
    txtHinduism = newReadingBox("txtHinduism", PassageLines, fraHinduism);
    buildPassageFrame(fraHinduism, lblHinduismCaption, txtHinduism);

    fraIslam = newFrame("fraIslam", "Islam");
    lblIslamCaption = newCaptionLabel("lblIslamCaption", fraIslam);
    txtIslam = newReadingBox("txtIslam", PassageLines, fraIslam);
    buildPassageFrame(fraIslam, lblIslamCaption, txtIslam);

    fraJudaism = newFrame("fraJudaism", "Judaism");
    lblJudaismCaption = newCaptionLabel("lblJudaismCaption", fraJudaism);
    txtJudaism = newReadingBox("txtJudaism", PassageLines, fraJudaism);
    buildPassageFrame(fraJudaism, lblJudaismCaption, txtJudaism);

    fraIChing = newFrame("fraIChing", "I Ching");
    lblIChingName = newCaptionLabel("lblIChingName", fraIChing);
    txtJudgementPoem = newReadingBox("txtJudgementPoem", JudgementLines, fraIChing);
    txtImagePoem = newReadingBox("txtImagePoem", ImageLines, fraIChing);
    txtChristianity->setAccessibleName(QStringLiteral("Christianity passage"));
    txtHinduism->setAccessibleName(QStringLiteral("Hinduism passage"));
    txtIslam->setAccessibleName(QStringLiteral("Islam passage"));
    txtJudaism->setAccessibleName(QStringLiteral("Judaism passage"));
    txtJudgementPoem->setAccessibleName(QStringLiteral("The Judgement"));
    txtImagePoem->setAccessibleName(QStringLiteral("The Image"));
    {
        auto *column = new QVBoxLayout(fraIChing);
        column->setContentsMargins(12, 8, 12, 12);
        column->setSpacing(4);
        column->addWidget(lblIChingName);
        column->addSpacing(4);
        column->addWidget(newHeading("lblJudgementHeading", "The Judgement", fraIChing));
        column->addWidget(txtJudgementPoem, JudgementLines);
        column->addSpacing(4);
        column->addWidget(newHeading("lblImageHeading", "The Image", fraIChing));
        column->addWidget(txtImagePoem, ImageLines);
    }

    cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    connect(cmdBack, &QPushButton::clicked, this, &frmBibliomancyDisplay::cmdBack_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmBibliomancyDisplay::cmdBack_Click);

    // Back, and Exit below it, stand to the right of the frames. The frame
    // puts Exit in the bottom strip; it is taken from there into this column.
    for (QBoxLayout *layout : findChildren<QBoxLayout *>())
        layout->removeWidget(cmdExit);
    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    buttons->setContentsMargins(0, 10, 0, 0); // level with the frame's border, below its caption
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdExit);
    buttons->addStretch(1);
    const int buttonWidth = qMax(cmdBack->sizeHint().width(), cmdExit->sizeHint().width()) + 24;
    cmdBack->setMinimumWidth(buttonWidth);
    cmdExit->setMinimumWidth(buttonWidth);
    setTabOrder(cmdBack, cmdExit);

    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(frames, 1);
    row->addLayout(buttons);
    content()->addLayout(row, 1);

    // A fresh window shows the first frame until a reading says otherwise.
    bringToFront(FraChristianity);
    CentreOracleWindow();
}

QGroupBox *frmBibliomancyDisplay::newFrame(const char *objectName, const char *caption)
{
    auto *frame = new QGroupBox(QString::fromUtf8(caption), frames);
    frame->setObjectName(QString::fromLatin1(objectName));
    frame->setFont(captionFont(10, true));
    frames->addWidget(frame);
    return frame;
}

QLabel *frmBibliomancyDisplay::newCaptionLabel(const char *objectName, QGroupBox *frame)
{
    auto *label = new QLabel(frame);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(captionFont(12, true));
    label->setForegroundRole(QPalette::Highlight);
    label->setMinimumHeight(label->fontMetrics().lineSpacing());
    return label;
}

ReadingBox *frmBibliomancyDisplay::newReadingBox(const char *objectName, int visibleLines, QGroupBox *frame)
{
    return new ReadingBox(QString::fromLatin1(objectName), visibleLines, frame);
}

QLabel *frmBibliomancyDisplay::newHeading(const char *objectName, const char *caption, QGroupBox *frame)
{
    auto *heading = new QLabel(QString::fromUtf8(caption), frame);
    heading->setObjectName(QString::fromLatin1(objectName));
    heading->setFont(captionFont(9, true));
    return heading;
}

void frmBibliomancyDisplay::buildPassageFrame(QGroupBox *frame, QLabel *caption, ReadingBox *passage)
{
    auto *column = new QVBoxLayout(frame);
    column->setContentsMargins(12, 8, 12, 12);
    column->setSpacing(8);
    column->addWidget(caption);
    column->addWidget(passage, 1);
}

void frmBibliomancyDisplay::bringToFront(QGroupBox *frame)
{
    if (frame && frames->indexOf(frame) >= 0)
        frames->setCurrentWidget(frame);
}

QGroupBox *frmBibliomancyDisplay::frameInFront() const
{
    return qobject_cast<QGroupBox *>(frames->currentWidget());
}

void frmBibliomancyDisplay::cmdBack_Click()
{
    // Unloaded first (the welcome panel shows), then the question window is
    // shown again as it was and the welcome panel hidden.
    returnTo(WindowRegistry::window<frmBibliomancyMain>());
}

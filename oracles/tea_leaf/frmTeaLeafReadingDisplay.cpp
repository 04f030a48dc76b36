#include "frmTeaLeafReadingDisplay.h"

#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/tea_leaf/frmTeaLeafReadingMain.h"
#include "oracles/tea_leaf/TeaLeafTable.h"

#include <QAction>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char *const Headings[3] = {
    "Symbols That Represent Things That Are Very Important (Immediate Future)",
    "Symbols That Represent Things That Are Important, But NOT Life Changing",
    "Symbols That Represent Things That Are Subject To Change",
};

// Until a reading fills them, the symbols read "lbl" and the meanings hold
// the Acorn's meaning.
const int PlaceholderRow = 5;

OracleWindow::Design displayDesign()
{
    // Its own File menu (Print, Back, Exit) and no Exit button.
    auto design = OracleWindow::Design::displayWindow(QStringLiteral("Orrin Tea Leaf Reading"), "mm");
    design.widthTwips = 10800;
    design.fileMenu = OracleWindow::FileMenu::None;
    design.exitButton = false;
    design.cobrandFourBlanks = false;
    return design;
}

QLabel *newLabel(const QString &name, const QString &caption, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmTeaLeafReadingDisplay::frmTeaLeafReadingDisplay()
    : OracleWindow(displayDesign())
{
    QMenu *mnufile = newMenu("mnufile", "&File");
    mnuPrint = newAction(mnufile, "mnuPrint", "Print");
    mnuexit = newAction(mnufile, "mnuexit", "&Back");
    mnufileexit = newAction(mnufile, "mnufileexit", "&Exit");
    addMenuFirst(mnufile);
    connect(mnuPrint, &QAction::triggered, this, &frmTeaLeafReadingDisplay::cmdPrint_Click);
    connect(mnuexit, &QAction::triggered, this, &frmTeaLeafReadingDisplay::cmdBack_Click);
    connect(mnufileexit, &QAction::triggered, this, [this] { WindowRegistry::unloadForm(this); });

    fraResults = new QGroupBox(QStringLiteral("Orrin Free TeaLeaf Reading Results"), this);
    fraResults->setObjectName(QStringLiteral("fraResults"));
    fraResults->setFont(captionFont(10, true));

    const QString placeholder = QString::fromUtf8(modTeaLeafReading::TeaLeafTable[PlaceholderRow].meaning);
    QLabel **symbols[3] = {&lblResemblesOne, &lblResemblesTwo, &lblResemblesThree};
    QLabel **meanings[3] = {&lblFirstRndResult, &lblSecondRndResult, &lblThirdRndResult};
    const char *const symbolNames[3] = {"lblResemblesOne", "lblResemblesTwo", "lblResemblesThree"};
    const char *const meaningNames[3] = {"lblFirstRndResult", "lblSecondRndResult", "lblThirdRndResult"};

    for (int block = 0; block < 3; ++block) {
        auto *frame = new QGroupBox(fraResults);
        frame->setObjectName(QStringLiteral("fraBlock(%1)").arg(block));
        frame->setFont(captionFont());
        fraBlock[block] = frame;

        lblHeading[block] = newLabel(QStringLiteral("lblHeading(%1)").arg(block), QString::fromUtf8(Headings[block]),
                                     captionFont(10, true), frame);
        QLabel *resembles = newLabel(QStringLiteral("lblResemblesCaption(%1)").arg(block),
                                     QStringLiteral("Your TeaLeaf resembles"), captionFont(9), frame);
        QLabel *symbol = newLabel(QString::fromLatin1(symbolNames[block]), QStringLiteral("lbl"),
                                  captionFont(13, true), frame);
        symbol->setForegroundRole(QPalette::Highlight);
        QLabel *significance = newLabel(QStringLiteral("lblSignificanceCaption(%1)").arg(block),
                                        QStringLiteral("Significance of your TeaLeaf reading is"), captionFont(9),
                                        frame);
        QLabel *meaning = newLabel(QString::fromLatin1(meaningNames[block]), placeholder, captionFont(10), frame);
        meaning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        *symbols[block] = symbol;
        *meanings[block] = meaning;

        auto *column = new QVBoxLayout(frame);
        column->setSpacing(6);
        column->addWidget(lblHeading[block]);
        column->addSpacing(6);
        column->addWidget(resembles);
        column->addWidget(symbol);
        column->addSpacing(4);
        column->addWidget(significance);
        column->addWidget(meaning);
        column->addStretch(1);
    }

    // Block 1 fills the left column; 2 stands above 3 on the right. Box
    // layouts, not a grid with a spanning cell, so that the height the
    // wrapped meanings need at this width comes out exact.
    auto *blocks = new QHBoxLayout(fraResults);
    blocks->setSpacing(10);
    blocks->addWidget(fraBlock[0], 1);
    auto *rightColumn = new QVBoxLayout;
    rightColumn->setSpacing(10);
    rightColumn->addWidget(fraBlock[1], 1);
    rightColumn->addWidget(fraBlock[2], 1);
    blocks->addLayout(rightColumn, 1);
    content()->addWidget(fraResults, 1);

    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    connect(cmdPrint, &QPushButton::clicked, this, &frmTeaLeafReadingDisplay::cmdPrint_Click);
    addStripButton(cmdPrint);
    cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    connect(cmdBack, &QPushButton::clicked, this, &frmTeaLeafReadingDisplay::cmdBack_Click);
    addStripButton(cmdBack);

    CentreOracleWindow();
}

// The meanings differ much in length: each reading is shown whole, in a
// window just tall enough for it.
void frmTeaLeafReadingDisplay::showEvent(QShowEvent *event)
{
    OracleWindow::showEvent(event);
    fitToContents();
}

void frmTeaLeafReadingDisplay::cmdBack_Click()
{
    auto *question = WindowRegistry::window<frmTeaLeafReadingMain>();
    question->txtName->clear();
    question->txtQuestion->clear();
    question->optTypeOfTea[0]->setChecked(true);
    // The result window hides rather than unloads: an open report still reads from it.
    question->presentOracleWindow();
    hide();
}

void frmTeaLeafReadingDisplay::cmdPrint_Click()
{
    ShowTeaLeafReport();
}

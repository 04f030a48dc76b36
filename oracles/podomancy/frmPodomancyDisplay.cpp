#include "frmPodomancyDisplay.h"

#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "platform/Desktop.h"
#include "oracles/podomancy/frmPodomancyMain.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace modPodomancy;

namespace {

constexpr int DisplayWidthTwips = 11400;

OracleWindow::Design displayDesign()
{
    auto design = OracleWindow::Design::displayWindow(QStringLiteral("Orrin Podomancy"), "mnuMakeMoneyOnline");
    design.widthTwips = DisplayWidthTwips;
    return design;
}

// Room every result label keeps, so that all boxes stand the same size
// whichever texts they hold; a longer text still gets every line it needs.
constexpr int ResultLines = 4;

} // namespace

frmPodomancyDisplay::frmPodomancyDisplay()
    : OracleWindow(displayDesign())
{
    Frame1 = new QGroupBox(QStringLiteral("Orrin Podomancy Interpretation"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(captionFont(11, true));

    auto *grid = new QGridLayout(Frame1);
    grid->setContentsMargins(10, 4, 10, 8);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    // Four boxes down the left column, then four down the right.
    for (int group = 0; group < GroupCount; ++group)
        grid->addWidget(buildBox(group), group % 4, group / 4);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    lblToeAppearance = nameLabels[ToeAppearance];
    lblToeAppearanceResult = resultLabels[ToeAppearance];
    lblInclinationofToes = nameLabels[InclinationofToes];
    lblInclinationofToesResult = resultLabels[InclinationofToes];
    lblBigToe = nameLabels[BigToe];
    lblBigToeResult = resultLabels[BigToe];
    lblSecondToe = nameLabels[SecondToe];
    lblSecondToeResult = resultLabels[SecondToe];
    lblFootArches = nameLabels[FootArches];
    lblFootArchesResult = resultLabels[FootArches];
    lblToeShape = nameLabels[ToeShape];
    lblToeShapeResult = resultLabels[ToeShape];
    lblColorofNails = nameLabels[ColorofNails];
    lblColorofNailsResult = resultLabels[ColorofNails];
    lblRidgesonToeNails = nameLabels[RidgesonToeNails];
    lblRidgesonToeNailsResult = resultLabels[RidgesonToeNails];

    // Shown until a reading answers the question that may be skipped.
    lblToeShape->setText(QString());
    lblToeShapeResult->setText(QStringLiteral("You are not selected this type of Toe."));

    cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    connect(cmdBack, &QPushButton::clicked, this, &frmPodomancyDisplay::cmdBack_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmPodomancyDisplay::cmdBack_Click);
    addStripButton(cmdBack);

    // Any height to spare goes below the frame, so that the boxes stay alike.
    content()->addWidget(Frame1);
    content()->addStretch(1);
    CentreOracleWindow();
}

QGroupBox *frmPodomancyDisplay::buildBox(int group)
{
    const AnswerGroup &answers = AnswerGroups[group];
    auto *box = new QGroupBox(QString::fromUtf8(answers.boxCaption), Frame1);
    box->setObjectName(QStringLiteral("interpretationBox(%1)").arg(group));
    box->setFont(captionFont(9, true));
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    interpretationBox[group] = box;

    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(10, 4, 10, 4);
    column->setSpacing(1);

    auto *name = new QLabel(box);
    name->setObjectName(QString::fromLatin1(answers.nameLabel));
    name->setTextFormat(Qt::PlainText);
    name->setWordWrap(true);
    name->setFont(captionFont(9, true));
    name->setForegroundRole(QPalette::Highlight);
    name->setMinimumHeight(name->fontMetrics().lineSpacing());
    nameLabels[group] = name;

    auto *result = new QLabel(box);
    result->setObjectName(QString::fromLatin1(answers.resultLabel));
    result->setTextFormat(Qt::PlainText);
    result->setWordWrap(true);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setFont(captionFont(9));
    result->setMinimumHeight(result->fontMetrics().lineSpacing() * ResultLines);
    resultLabels[group] = result;

    column->addWidget(name);
    column->addWidget(result, 1);
    return box;
}

QLabel *frmPodomancyDisplay::nameLabel(int group) const
{
    return group >= 0 && group < GroupCount ? nameLabels[group] : nullptr;
}

QLabel *frmPodomancyDisplay::resultLabel(int group) const
{
    return group >= 0 && group < GroupCount ? resultLabels[group] : nullptr;
}

void frmPodomancyDisplay::cmdBack_Click()
{
    returnTo(WindowRegistry::window<frmPodomancyMain>());
}

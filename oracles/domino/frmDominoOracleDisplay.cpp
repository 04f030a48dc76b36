#include "frmDominoOracleDisplay.h"

#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/domino/frmDominoOracleMain.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

OracleWindow::Design displayDesign()
{
    auto design = OracleWindow::Design::displayWindow(QStringLiteral("Orrin Domino Oracle"), "mkmoney");
    design.cobrandFourBlanks = false;
    return design;
}

// A picture box draws its picture 2 pixels in from each side: a half box of
// 104 shows a face of 100.
constexpr int HalfSize = 104;
// The half pictures leave a margin round their face; overlapping the boxes by
// it and the boxes' own inset lets the two faces meet at one seam, as on a
// real domino.
constexpr int HalfOverlap = 11;

PictureBox *newHalf(const char *objectName, const char *accessibleName, QWidget *parent)
{
    auto *half = new PictureBox(QString::fromLatin1(objectName), QString(), parent);
    half->setFixedSize(HalfSize, HalfSize);
    half->setAccessibleName(QString::fromUtf8(accessibleName));
    return half;
}

} // namespace

frmDominoOracleDisplay::frmDominoOracleDisplay()
    : OracleWindow(displayDesign())
{
    Label2 = new QLabel(QStringLiteral("Your Domino For Today "), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(captionFont(12, true));

    // The two halves lie end to end, the first on the left, as one domino.
    auto *domino = new QWidget(this);
    domino->setObjectName(QStringLiteral("domino"));
    domino->setFixedSize(2 * HalfSize - HalfOverlap, HalfSize);
    picDominoOne = newHalf("picDominoOne", "Left half of your domino", domino);
    picDominoTwo = newHalf("picDominoTwo", "Right half of your domino", domino);
    picDominoOne->move(0, 0);
    picDominoTwo->move(HalfSize - HalfOverlap, 0);

    lblDominoNumber = new QLabel(this);
    lblDominoNumber->setObjectName(QStringLiteral("lblDominoNumber"));
    lblDominoNumber->setTextFormat(Qt::PlainText);
    lblDominoNumber->setAlignment(Qt::AlignCenter);
    lblDominoNumber->setFont(captionFont(18, true));
    lblDominoNumber->setForegroundRole(QPalette::Highlight);

    lblDominoMassage = new QLabel(this);
    lblDominoMassage->setObjectName(QStringLiteral("lblDominoMassage"));
    lblDominoMassage->setTextFormat(Qt::PlainText);
    lblDominoMassage->setWordWrap(true);
    lblDominoMassage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblDominoMassage->setFont(captionFont(11));
    lblDominoMassage->setMinimumHeight(lblDominoMassage->fontMetrics().lineSpacing() * 3);

    cmdOK = new QPushButton(QStringLiteral("&Back"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &frmDominoOracleDisplay::cmdOK_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmDominoOracleDisplay::cmdOK_Click);
    addStripButton(cmdOK);

    content()->addSpacing(4);
    content()->addWidget(Label2);
    content()->addWidget(domino, 0, Qt::AlignHCenter);
    content()->addWidget(lblDominoNumber);
    content()->addWidget(lblDominoMassage);
    content()->addStretch();
    CentreOracleWindow();
}

void frmDominoOracleDisplay::cmdOK_Click()
{
    // The Main window is made ready first; each step runs whatever the one before did.
    auto *main = WindowRegistry::window<frmDominoOracleMain>();
    main->picMessage->hide();
    main->picProceed->show();
    main->lblClickMessage->show();
    returnTo(main);
}

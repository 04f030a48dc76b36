#include "frmDominoOracleMain.h"

#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/domino/frmDominoOracleDisplay.h"
#include "oracles/domino/modDominoOracle.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

OracleWindow::Design mainDesign()
{
    auto design = OracleWindow::Design::mainWindow(QStringLiteral("Orrin Domino Oracle"), "mkmoney");
    design.cobrandFourBlanks = false;
    return design;
}

const QColor LightGreen(144, 238, 144);
// The quiet night the two light green lines stand on, in any desktop theme.
const QColor NightSky(43, 31, 78);

QLabel *newLine(const char *objectName, const char *text, QWidget *parent)
{
    auto *line = new QLabel(QString::fromUtf8(text), parent);
    line->setObjectName(QString::fromLatin1(objectName));
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignCenter);
    line->setFont(captionFont(12, true));
    QPalette colours = line->palette();
    colours.setColor(QPalette::WindowText, LightGreen);
    line->setPalette(colours);
    return line;
}

void keepPlaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

DominoImageList::DominoImageList(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("IMGDomino"));
}

QString DominoImageList::picture(int number) const
{
    if (number < 1 || number > count())
        return {};
    return QStringLiteral("domino_half_%1.svg").arg(number);
}

frmDominoOracleMain::frmDominoOracleMain()
    : OracleWindow(mainDesign())
{
    auto *calm = new QFrame(this);
    calm->setObjectName(QStringLiteral("calmPanel"));
    calm->setAutoFillBackground(true);
    QPalette night = calm->palette();
    night.setColor(QPalette::Window, NightSky);
    calm->setPalette(night);
    Label4 = newLine("Label4", "Think about the Problem that is worrying you.", calm);
    Label5 = newLine("Label5", "Take a Deep Breath and Calm Yourself.", calm);
    auto *lines = new QVBoxLayout(calm);
    lines->setContentsMargins(16, 14, 16, 14);
    lines->setSpacing(6);
    lines->addWidget(Label4);
    lines->addWidget(Label5);

    picProceed = new PictureBox(QStringLiteral("picProceed"), QStringLiteral("domino.svg"), this);
    picProceed->setFixedSize(200, 150);
    picProceed->setClickable(true);
    picProceed->setAccessibleName(QStringLiteral("Domino: click when you are ready"));
    connect(picProceed, &PictureBox::clicked, this, &frmDominoOracleMain::picProceed_Click);
    keepPlaceWhenHidden(picProceed);

    // The Please Wait panel takes the picture's place while the domino is drawn.
    picMessage = new PleaseWaitPanel(PleaseWaitPanel::Dots::AlwaysShown, this);
    auto *stage = new QGridLayout;
    stage->addWidget(picProceed, 0, 0, Qt::AlignCenter);
    stage->addWidget(picMessage, 0, 0, Qt::AlignCenter);

    lblClickMessage = new QLabel(QStringLiteral("Click on the above Image when you are ready"), this);
    lblClickMessage->setObjectName(QStringLiteral("lblClickMessage"));
    lblClickMessage->setWordWrap(true);
    lblClickMessage->setAlignment(Qt::AlignCenter);
    lblClickMessage->setFont(captionFont(10, true));
    QPalette red = lblClickMessage->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblClickMessage->setPalette(red);
    keepPlaceWhenHidden(lblClickMessage);

    IMGDomino = new DominoImageList(this);

    content()->addWidget(calm);
    content()->addSpacing(4);
    content()->addLayout(stage);
    content()->addWidget(lblClickMessage);
    CentreOracleWindow();
}

void frmDominoOracleMain::picProceed_Click()
{
    using namespace modDominoOracle;
    if (picMessage->isWaiting())
        return; // the picture is hidden during the wait; nothing starts twice
    picProceed->hide();
    picMessage->show();
    lblClickMessage->hide();
    if (!picMessage->wait(this, 3))
        return; // unloaded during the wait: the draw is abandoned
    CastDomino();

    // Writing to the Display window loads it, hidden, if it is not loaded.
    auto *display = WindowRegistry::window<frmDominoOracleDisplay>();
    display->picDominoOne->setPicture(IMGDomino->picture(HalfPicture(FirstHalf)));
    display->picDominoTwo->setPicture(IMGDomino->picture(HalfPicture(SecondHalf)));
    display->lblDominoMassage->setText(ReadingText);
    display->lblDominoNumber->setText(DominoNumber(FirstHalf, SecondHalf));
    handOverTo(display);
}

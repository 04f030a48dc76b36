#include "frmMahjongOracleMain.h"

#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/mahjong/frmMahjongOracleDisplay.h"
#include "oracles/mahjong/modMajongOracle.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

using namespace modMajongOracle;

namespace {

constexpr int MainWidthTwips = 8400;

OracleWindow::Design mainDesign()
{
    auto design = OracleWindow::Design::mainWindow(QStringLiteral("Orrin Mahjong Oracle"), "mkmoney");
    design.widthTwips = MainWidthTwips;
    design.cobrandFourBlanks = false;
    return design;
}

QLabel *centredLabel(const char *objectName, const char *text, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    return label;
}

} // namespace

MahjongImageList::MahjongImageList(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("IMGMajong"));
}

int MahjongImageList::count() const
{
    return TileCount;
}

QString MahjongImageList::picture(int number) const
{
    if (number < 1 || number > count())
        return {};
    return QStringLiteral("mahjong_tile_%1.svg").arg(number, 2, 10, QLatin1Char('0'));
}

frmMahjongOracleMain::frmMahjongOracleMain()
    : OracleWindow(mainDesign())
{
    Label5 = centredLabel("Label5", "Welcome to the Mahjong Oracle !", captionFont(14, true), this);
    Label4 = centredLabel("Label4", "Think about the Problem that has been worrying you", captionFont(11), this);

    cmdFindMajong = new QToolButton(this);
    cmdFindMajong->setObjectName(QStringLiteral("cmdFindMajong"));
    cmdFindMajong->setIcon(QIcon(QStringLiteral(":/pictures/mahjong_button.svg")));
    cmdFindMajong->setIconSize(QSize(264, 110));
    cmdFindMajong->setToolButtonStyle(Qt::ToolButtonIconOnly);
    cmdFindMajong->setAutoRaise(true);
    cmdFindMajong->setCursor(Qt::PointingHandCursor);
    cmdFindMajong->setAccessibleName(QStringLiteral("Mahjong tiles: click to draw your tile"));
    QSizePolicy keepPlace = cmdFindMajong->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    cmdFindMajong->setSizePolicy(keepPlace);
    connect(cmdFindMajong, &QToolButton::clicked, this, &frmMahjongOracleMain::cmdFindMajong_Click);

    lblClickMessage = centredLabel("lblClickMessage", "Take a Deep Breath And Click on the Mahjong Tile",
                                   captionFont(10, true), this);

    // The Please Wait panel takes the place of the tiles while they are away.
    picMessage = new PleaseWaitPanel(PleaseWaitPanel::Dots::AlwaysShown, this);

    IMGMajong = new MahjongImageList(this);

    auto *tiles = new QGridLayout;
    tiles->setContentsMargins(0, 0, 0, 0);
    tiles->addWidget(cmdFindMajong, 0, 0, Qt::AlignCenter);
    tiles->addWidget(picMessage, 0, 0, Qt::AlignCenter);

    content()->addSpacing(6);
    content()->addWidget(Label5);
    content()->addWidget(Label4);
    content()->addSpacing(4);
    content()->addLayout(tiles);
    content()->addWidget(lblClickMessage);
    content()->addSpacing(6);
    CentreOracleWindow();
}

void frmMahjongOracleMain::cmdFindMajong_Click()
{
    if (picMessage->isWaiting())
        return; // the tiles are away during the wait; nothing starts a second draw
    cmdFindMajong->hide();
    if (!picMessage->wait(this, 3))
        return; // unloaded during the wait: the draw is abandoned
    CastMahjongTile();

    auto *display = WindowRegistry::window<frmMahjongOracleDisplay>();
    display->picMajong->setPicture(IMGMajong->picture(TilePicture(CurrentTileNumber)));
    display->picMajong->setAccessibleName(QStringLiteral("Your mahjong tile: %1").arg(CurrentEnglishName));
    display->lblName->setText(CurrentTileName);
    display->lblEnglishName->setText(CurrentEnglishName);
    display->lblChineseCharacter->setText(CurrentChineseName);
    display->lblDescription->setText(CurrentDescription);

    // Winds, then flowers, then seasons; the first that names the tile wins.
    if (const WindAttributes *wind = FindWindAttributes(CurrentEnglishName)) {
        display->lblWindSeason->setText(QString::fromUtf8(wind->season));
        display->lblWindColor->setText(QString::fromUtf8(wind->color));
        display->lblWindElement->setText(QString::fromUtf8(wind->element));
        display->lblWindConstellation->setText(QString::fromUtf8(wind->constellation));
        display->picWind->show();
    } else if (const FlowerAttributes *flower = FindFlowerAttributes(CurrentEnglishName)) {
        display->lblFlowerPlayer->setText(QString::fromUtf8(flower->player));
        display->lblFlowerSeason->setText(QString::fromUtf8(flower->season));
        display->picFlower->show();
    } else if (const SeasonAttributes *season = FindSeasonAttributes(CurrentEnglishName)) {
        display->lblSeasonPlayer->setText(QString::fromUtf8(season->player));
        display->lblSeasonRepresentation->setText(QString::fromUtf8(season->representation));
        display->lblSeasonFlower->setText(QString::fromUtf8(season->flower));
        display->lblSeasonColor->setText(QString::fromUtf8(season->color));
        display->lblSeasonElement->setText(QString::fromUtf8(season->element));
        display->picSeason->show();
    }

    handOverTo(display);
}

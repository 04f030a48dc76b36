#include "frmMahjongOracleDisplay.h"

#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/mahjong/frmMahjongOracleMain.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int DisplayWidthTwips = 9000;

OracleWindow::Design displayDesign()
{
    auto design = OracleWindow::Design::displayWindow(QStringLiteral("Orrin Mahjong Oracle"), "mkmoney");
    design.widthTwips = DisplayWidthTwips;
    design.cobrandFourBlanks = false;
    return design;
}

// The tile pictures are 3:4, portrait; a picture box draws them 2 pixels in
// from each side.
constexpr QSize TileSize(100, 132);

} // namespace

frmMahjongOracleDisplay::frmMahjongOracleDisplay()
    : OracleWindow(displayDesign())
{
    const QFont value = captionFont(11, true);

    Label2 = newLabel("Label2", "About Your Mahjong", captionFont(14, true));
    Label2->setAlignment(Qt::AlignCenter);

    picMajong = new PictureBox(QStringLiteral("picMajong"), QString(), this);
    picMajong->setFixedSize(TileSize);
    picMajong->setAccessibleName(QStringLiteral("Your mahjong tile"));

    Label3 = newCaption("Label3", "Name");
    lblName = newLabel("lblName", "", value);
    Label4 = newCaption("Label4", "English Name");
    lblEnglishName = newLabel("lblEnglishName", "", value);
    Label5 = newCaption("Label5", "Chinese Character");
    lblChineseCharacter = newLabel("lblChineseCharacter", "", value);
    lblDescription = newLabel("lblDescription", "", captionFont(10));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *names = new QGridLayout;
    names->setHorizontalSpacing(14);
    names->setVerticalSpacing(6);
    const QList<QPair<QLabel *, QLabel *>> rows = {
        {Label3, lblName}, {Label4, lblEnglishName}, {Label5, lblChineseCharacter}};
    for (int row = 0; row < rows.size(); ++row) {
        names->addWidget(rows[row].first, row, 0, Qt::AlignLeft | Qt::AlignBaseline);
        names->addWidget(rows[row].second, row, 1, Qt::AlignLeft | Qt::AlignBaseline);
    }
    names->setColumnStretch(1, 1);

    auto *about = new QVBoxLayout;
    about->setSpacing(10);
    about->addLayout(names);
    about->addWidget(lblDescription);
    about->addStretch(1);

    auto *tile = new QHBoxLayout;
    tile->setSpacing(20);
    tile->addWidget(picMajong, 0, Qt::AlignTop);
    tile->addLayout(about, 1);

    Label16 = newCaption("Label16", "Season");
    Label15 = newCaption("Label15", "Color");
    Label14 = newCaption("Label14", "Element");
    Label13 = newCaption("Label13", "Constellation");
    lblWindSeason = newLabel("lblWindSeason", "", value);
    lblWindColor = newLabel("lblWindColor", "", value);
    lblWindElement = newLabel("lblWindElement", "", value);
    lblWindConstellation = newLabel("lblWindConstellation", "", value);
    picWind = newPanel("picWind", {Label16, Label15, Label14, Label13},
                       {lblWindSeason, lblWindColor, lblWindElement, lblWindConstellation});

    Label12 = newCaption("Label12", "Player");
    Label11 = newCaption("Label11", "Season");
    lblFlowerPlayer = newLabel("lblFlowerPlayer", "", value);
    lblFlowerSeason = newLabel("lblFlowerSeason", "", value);
    picFlower = newPanel("picFlower", {Label12, Label11}, {lblFlowerPlayer, lblFlowerSeason});

    Label6 = newCaption("Label6", "Player");
    Label7 = newCaption("Label7", "Representation");
    Label8 = newCaption("Label8", "Flower");
    Label9 = newCaption("Label9", "Color");
    Label10 = newCaption("Label10", "Element");
    lblSeasonPlayer = newLabel("lblSeasonPlayer", "", value);
    lblSeasonRepresentation = newLabel("lblSeasonRepresentation", "", value);
    lblSeasonFlower = newLabel("lblSeasonFlower", "", value);
    lblSeasonColor = newLabel("lblSeasonColor", "", value);
    lblSeasonElement = newLabel("lblSeasonElement", "", value);
    picSeason = newPanel("picSeason", {Label6, Label7, Label8, Label9, Label10},
                         {lblSeasonPlayer, lblSeasonRepresentation, lblSeasonFlower, lblSeasonColor,
                          lblSeasonElement});

    // The three panels share one place; the draw shows at most one of them.
    auto *panels = new QGridLayout;
    panels->setContentsMargins(0, 0, 0, 0);
    for (QFrame *panel : {picWind, picFlower, picSeason}) {
        panels->addWidget(panel, 0, 0);
        panel->hide();
    }

    cmdOK = new QPushButton(QStringLiteral("&Back"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &frmMahjongOracleDisplay::cmdOK_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmMahjongOracleDisplay::cmdOK_Click);
    addStripButton(cmdOK);

    content()->addSpacing(4);
    content()->addWidget(Label2);
    content()->addSpacing(6);
    content()->addLayout(tile);
    content()->addSpacing(4);
    content()->addLayout(panels);
    content()->addStretch(1);
    CentreOracleWindow();
}

QLabel *frmMahjongOracleDisplay::newLabel(const char *objectName, const char *text, const QFont &font)
{
    auto *label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    return label;
}

QLabel *frmMahjongOracleDisplay::newCaption(const char *objectName, const char *text)
{
    // A caption stands back a little behind the value it names.
    QLabel *caption = newLabel(objectName, text, captionFont(9));
    caption->setForegroundRole(QPalette::PlaceholderText);
    return caption;
}

QFrame *frmMahjongOracleDisplay::newPanel(const char *objectName, const QList<QLabel *> &captions,
                                          const QList<QLabel *> &values)
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QString::fromLatin1(objectName));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(12, 8, 12, 10);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(4);
    for (int column = 0; column < captions.size(); ++column) {
        captions[column]->setParent(panel);
        values[column]->setParent(panel);
        captions[column]->setAlignment(Qt::AlignCenter);
        values[column]->setAlignment(Qt::AlignCenter);
        grid->addWidget(captions[column], 0, column);
        grid->addWidget(values[column], 1, column);
        grid->setColumnStretch(column, 1);
    }
    return panel;
}

void frmMahjongOracleDisplay::cmdOK_Click()
{
    // The Main window is ready for the next draw before it shows again.
    auto *main = WindowRegistry::window<frmMahjongOracleMain>();
    main->cmdFindMajong->show();
    main->picMessage->hide();
    picFlower->hide();
    picWind->hide();
    picSeason->hide();
    returnTo(main);
}

#pragma once

#include "frame/OracleWindow.h"

class PictureBox;
class QFrame;
class QLabel;
class QPushButton;

// The tile drawn: its picture, names and meaning, and the attributes of a
// wind, flower or season tile.
class frmMahjongOracleDisplay : public OracleWindow {
    Q_OBJECT
public:
    frmMahjongOracleDisplay();

    void cmdOK_Click();

    QLabel *Label2 = nullptr;
    // The drawn tile's picture, e.g. "mahjong_tile_07.svg"; empty before the draw.
    PictureBox *picMajong = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lblName = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *lblEnglishName = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *lblChineseCharacter = nullptr;
    QLabel *lblDescription = nullptr;

    QFrame *picWind = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *lblWindSeason = nullptr;
    QLabel *lblWindColor = nullptr;
    QLabel *lblWindElement = nullptr;
    QLabel *lblWindConstellation = nullptr;

    QFrame *picFlower = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *lblFlowerPlayer = nullptr;
    QLabel *lblFlowerSeason = nullptr;

    QFrame *picSeason = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *lblSeasonPlayer = nullptr;
    QLabel *lblSeasonRepresentation = nullptr;
    QLabel *lblSeasonFlower = nullptr;
    QLabel *lblSeasonColor = nullptr;
    QLabel *lblSeasonElement = nullptr;

    QPushButton *cmdOK = nullptr;

private:
    QLabel *newLabel(const char *objectName, const char *text, const QFont &font);
    QLabel *newCaption(const char *objectName, const char *text);
    // A panel of captions over their values, left to right.
    QFrame *newPanel(const char *objectName, const QList<QLabel *> &captions, const QList<QLabel *> &values);
};

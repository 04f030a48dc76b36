#pragma once

#include "frame/OracleWindow.h"

#include <QObject>

class PleaseWaitPanel;
class QLabel;
class QToolButton;

// The image list `IMGMajong`: numbered pictures, picture n showing tile
// number n of the mahjong table. It only names the pictures; whoever shows
// one loads it.
class MahjongImageList : public QObject {
    Q_OBJECT
public:
    explicit MahjongImageList(QObject *parent = nullptr);

    int count() const;
    // The file of picture `number` (1..count()) among the program's
    // pictures, e.g. "mahjong_tile_07.svg"; empty outside the list.
    QString picture(int number) const;
};

// The hand of tiles: one click, a short wait, and one tile is drawn.
class frmMahjongOracleMain : public OracleWindow {
    Q_OBJECT
public:
    frmMahjongOracleMain();

    void cmdFindMajong_Click();

    QLabel *Label5 = nullptr;
    QLabel *Label4 = nullptr;
    QToolButton *cmdFindMajong = nullptr;
    QLabel *lblClickMessage = nullptr;
    PleaseWaitPanel *picMessage = nullptr;
    MahjongImageList *IMGMajong = nullptr;
};

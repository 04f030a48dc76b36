#pragma once

#include "frame/OracleWindow.h"

#include <QObject>

class PictureBox;
class PleaseWaitPanel;
class QLabel;

// The numbered half-domino pictures: 1 to 6 pips, then the blank half as 7.
class DominoImageList : public QObject {
    Q_OBJECT
public:
    explicit DominoImageList(QObject *parent = nullptr);

    static constexpr int count() { return 7; }
    // The picture file of number `number` (1..count()); empty for any other.
    QString picture(int number) const;
};

// A moment to think, then one click draws the domino of the day.
class frmDominoOracleMain : public OracleWindow {
    Q_OBJECT
public:
    frmDominoOracleMain();

    void picProceed_Click();

    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    PictureBox *picProceed = nullptr;
    QLabel *lblClickMessage = nullptr;
    PleaseWaitPanel *picMessage = nullptr;
    DominoImageList *IMGDomino = nullptr;
};

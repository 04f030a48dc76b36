#pragma once

#include "frame/OracleWindow.h"

class PictureBox;
class QLabel;
class QPushButton;

// The domino drawn, its number and its reading.
class frmDominoOracleDisplay : public OracleWindow {
    Q_OBJECT
public:
    frmDominoOracleDisplay();

    // Back to the Main window, made ready for another draw.
    void cmdOK_Click();

    QLabel *Label2 = nullptr;
    // The two halves: pictures of the half-domino list, empty before a draw.
    PictureBox *picDominoOne = nullptr;
    PictureBox *picDominoTwo = nullptr;
    QLabel *lblDominoNumber = nullptr;
    QLabel *lblDominoMassage = nullptr;
    QPushButton *cmdOK = nullptr;
};

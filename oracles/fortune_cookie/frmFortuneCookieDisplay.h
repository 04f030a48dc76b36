#pragma once

#include "frame/OracleWindow.h"

class PictureBox;
class QLabel;
class QPushButton;

// The broken cookie and the fortune it held.
class frmFortuneCookieDisplay : public OracleWindow {
    Q_OBJECT
public:
    frmFortuneCookieDisplay();

    // Back to the three whole cookies.
    void cmdOK_Click();

    // All three stand at the same place, hidden; a click on a cookie shows its own.
    PictureBox *picBrokenOne = nullptr;
    PictureBox *picBrokenTwo = nullptr;
    PictureBox *picBrokenThree = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblFortuneMassage = nullptr;
    QPushButton *cmdOK = nullptr;
};

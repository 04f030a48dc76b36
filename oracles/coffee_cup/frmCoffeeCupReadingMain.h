#pragma once

#include "frame/OracleWindow.h"

class PictureBox;
class PleaseWaitPanel;
class QLabel;

// The coffee pot: one click draws the symbol of the day.
class frmCoffeeCupReadingMain : public OracleWindow {
    Q_OBJECT
public:
    frmCoffeeCupReadingMain();

    void picCoffeePot_Click();

    QLabel *Label1 = nullptr;
    QLabel *lblCaption = nullptr;
    PictureBox *picCoffeePot = nullptr;
    PleaseWaitPanel *picMessage = nullptr;
};

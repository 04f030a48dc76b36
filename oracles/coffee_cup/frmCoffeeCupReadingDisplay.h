#pragma once

#include "frame/OracleWindow.h"

class QLabel;
class QPushButton;

// The symbol drawn and its meaning.
class frmCoffeeCupReadingDisplay : public OracleWindow {
    Q_OBJECT
public:
    frmCoffeeCupReadingDisplay();

    void cmdOK_Click();

    QLabel *lblCaption = nullptr;
    QLabel *lblElement = nullptr;
    QLabel *lblDesc = nullptr;
    QPushButton *cmdOK = nullptr;
};

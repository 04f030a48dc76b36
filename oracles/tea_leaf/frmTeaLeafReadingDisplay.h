#pragma once

#include "frame/OracleWindow.h"

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;

// The three symbols of a reading with their meanings, under headings of
// falling weight. The six result labels hold the reading while it is on
// screen; the report window reads them back from here.
class frmTeaLeafReadingDisplay : public OracleWindow {
    Q_OBJECT
public:
    frmTeaLeafReadingDisplay();

    // Back to the question window, cleared for the next question.
    void cmdBack_Click();
    // Opens the report window, or brings the open one to the front.
    void cmdPrint_Click();

    QGroupBox *fraResults = nullptr;
    QGroupBox *fraBlock[3] = {};
    QLabel *lblHeading[3] = {};
    QLabel *lblResemblesOne = nullptr;
    QLabel *lblResemblesTwo = nullptr;
    QLabel *lblResemblesThree = nullptr;
    QLabel *lblFirstRndResult = nullptr;
    QLabel *lblSecondRndResult = nullptr;
    QLabel *lblThirdRndResult = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdBack = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuexit = nullptr;
    QAction *mnufileexit = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};

// Loads the report window of the reading on screen and shows it, or brings
// the open one to the front. Defined with the report window.
void ShowTeaLeafReport();

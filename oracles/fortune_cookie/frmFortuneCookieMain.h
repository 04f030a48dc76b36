#pragma once

#include "frame/OracleWindow.h"

class PictureBox;
class QFrame;
class QLabel;
class frmFortuneCookieDisplay;

// Three fortune cookies: the one clicked breaks open on the fortune of the day.
class frmFortuneCookieMain : public OracleWindow {
    Q_OBJECT
public:
    frmFortuneCookieMain();

    void picOne_Click();
    void picTwo_Click();
    void picThree_Click();

    QLabel *Label1 = nullptr;
    QLabel *lblCaption = nullptr;
    QFrame *Frame1 = nullptr;
    // Left to right: picTwo, picOne, picThree.
    PictureBox *picTwo = nullptr;
    PictureBox *picOne = nullptr;
    PictureBox *picThree = nullptr;

private:
    PictureBox *newCookie(const char *objectName, const char *picture);
    // Draws a fortune and opens the Display window on it; the cookie clicked
    // only decides which broken cookie the Display window shows.
    void breakCookie(PictureBox *frmFortuneCookieDisplay::*brokenCookie);
};

#pragma once

#include "frame/OracleWindow.h"

class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The question window: name, question and kind of tea, then a click on the
// teapot draws the reading and hands it to the result window.
class frmTeaLeafReadingMain : public OracleWindow {
    Q_OBJECT
public:
    frmTeaLeafReadingMain();

    static constexpr int TeaCount = 7;

    void picTeapot_Click();
    // True when name, question and tea are given; else says what is missing.
    bool ValidateTeaLeafInput();

    void picTeapot_MouseMove();
    // The pointer over the form itself or over Frame1, Frame3, Frame4 or Frame5.
    void Form_MouseMove();

    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QGroupBox *Frame5 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *txtName = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *txtQuestion = nullptr;
    QRadioButton *optTypeOfTea[TeaCount] = {};
    PictureBox *picTeapot = nullptr;
    QLabel *lblMessage = nullptr;
    QLabel *Label5 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Key filters: true when the key press was dealt with here.
    bool txtName_KeyPress(QKeyEvent *event);
    bool txtQuestion_KeyPress(QKeyEvent *event);
};

#pragma once

#include "frame/Form.h"

#include <QDialog>

class LinkLabel;
class PictureBox;
class QLabel;
class QPushButton;

// Names the program and its version and offers two links; shown modally.
class frmAbout : public QDialog, public Form {
    Q_OBJECT
public:
    frmAbout();

    QWidget *formWidget() override { return this; }

    PictureBox *Picture1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    LinkLabel *lblCoBrand = nullptr;
    LinkLabel *lblHomePage = nullptr;
    QPushButton *cmdOK = nullptr;
};

// Shows the About window modally; returns once it is closed.
void ShowAboutWindow();

#pragma once

#include "frame/OracleWindow.h"

class QLabel;
class QPushButton;
class QSvgRenderer;

// One half of the domino shown: any picture of the half-domino list, set and
// set again, drawn crisp at any size.
class DominoHalf : public QWidget {
    Q_OBJECT
public:
    DominoHalf(const QString &objectName, QWidget *parent = nullptr);

    void setPicture(const QString &picture);
    // The picture file shown; empty before one is set.
    QString picture() const { return shown; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *renderer;
    QString shown;
};

// The domino drawn, its number and its reading.
class frmDominoOracleDisplay : public OracleWindow {
    Q_OBJECT
public:
    frmDominoOracleDisplay();

    // Back to the Main window, made ready for another draw.
    void cmdOK_Click();

    QLabel *Label2 = nullptr;
    DominoHalf *picDominoOne = nullptr;
    DominoHalf *picDominoTwo = nullptr;
    QLabel *lblDominoNumber = nullptr;
    QLabel *lblDominoMassage = nullptr;
    QPushButton *cmdOK = nullptr;
};

#pragma once

#include "frame/OracleWindow.h"
#include "oracles/cyclomancy/modCyclomancy.h"

class PictureBox;
class QComboBox;
class QGroupBox;
class QLabel;

// One hand of the wheel: a needle from the centre of the wheel picture to the
// rim of its coloured sectors. Hand k stands at k × 36° + 18° clockwise from
// the top, in the middle of sector k, and points at the number k + 1. It
// covers the whole picture and lets the mouse through.
class CyclomancyHand : public QWidget {
    Q_OBJECT
public:
    CyclomancyHand(int index, PictureBox *wheel);

    qreal angleDegrees() const;
    // The centre of the wheel and the needle's point, in this widget's
    // coordinates (which are those of the wheel picture).
    QPointF centre() const;
    QPointF tip() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int index;
};

// The wheel of ten numbers: each click on "Find Cyclomancy" shows one hand,
// the number it points at and that number's interpretation.
class frmCyclomancyMain : public OracleWindow {
    Q_OBJECT
public:
    frmCyclomancyMain();

    static constexpr int HandCount = modCyclomancy::NumberCount;

    // "Find Cyclomancy": spins the wheel.
    void cmdNext_Click();
    // "Open Previously Saved Reading": the birthday from a saved reading, then a spin.
    void cmdOpen_Click();

    PictureBox *Picture1 = nullptr;
    CyclomancyHand *Line1[HandCount] = {};
    QLabel *lblLabel[HandCount] = {};
    QLabel *lblNo = nullptr;
    QLabel *lblInterpretation = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdOpen = nullptr;

    QGroupBox *fraBirthDay = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboYear = nullptr;
    QLabel *Label3 = nullptr; // "Date"
    QLabel *Label6 = nullptr; // "Month"
    QLabel *Label7 = nullptr; // "Year"

private:
    QWidget *buildWheel();
    QGroupBox *buildBirthday();
};

#pragma once

#include "frame/OracleWindow.h"
#include "oracles/podomancy/modPodomancy.h"

class QGroupBox;
class QLabel;
class QPushButton;

// The reading: for each question the answer given and its interpretation.
class frmPodomancyDisplay : public OracleWindow {
    Q_OBJECT
public:
    frmPodomancyDisplay();

    // Back to the questionnaire, which still holds every answer.
    void cmdBack_Click();


    // The label pair of answer group `group` (0..7), in questionnaire order.
    QLabel *nameLabel(int group) const;
    QLabel *resultLabel(int group) const;

    QGroupBox *Frame1 = nullptr;
    QGroupBox *interpretationBox[modPodomancy::GroupCount] = {};
    QPushButton *cmdBack = nullptr;

    QLabel *lblToeAppearance = nullptr;
    QLabel *lblToeAppearanceResult = nullptr;
    QLabel *lblInclinationofToes = nullptr;
    QLabel *lblInclinationofToesResult = nullptr;
    QLabel *lblBigToe = nullptr;
    QLabel *lblBigToeResult = nullptr;
    QLabel *lblSecondToe = nullptr;
    QLabel *lblSecondToeResult = nullptr;
    QLabel *lblFootArches = nullptr;
    QLabel *lblFootArchesResult = nullptr;
    QLabel *lblToeShape = nullptr;
    QLabel *lblToeShapeResult = nullptr;
    QLabel *lblColorofNails = nullptr;
    QLabel *lblColorofNailsResult = nullptr;
    QLabel *lblRidgesonToeNails = nullptr;
    QLabel *lblRidgesonToeNailsResult = nullptr;

private:
    QGroupBox *buildBox(int group);

    QLabel *nameLabels[modPodomancy::GroupCount] = {};
    QLabel *resultLabels[modPodomancy::GroupCount] = {};
};

#pragma once

#include "frame/OracleWindow.h"
#include "oracles/podomancy/modPodomancy.h"

class PictureBox;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;
class QStackedWidget;

// The foot questionnaire: eight pages, one answer group on each, read out
// into the interpretation window after the last page.
class frmPodomancyMain : public OracleWindow {
    Q_OBJECT
public:
    frmPodomancyMain();

    void cmdNext_Click(int index);
    void cmdBack_Click(int index);
    // Writes the reading into the interpretation window and hands over to it.
    void AnalyzeToes();

    // Options of the group that are not selected; the group is unanswered
    // when this equals its size.
    int CountUnselected(int group) const;

    // The page in front, 0..7.
    int currentPage() const;
    // Option `index` of answer group `group` (both from 0).
    QRadioButton *option(int group, int index) const;

    QLabel *Label1 = nullptr;
    PictureBox *picFoot = nullptr;
    QStackedWidget *pages = nullptr;
    QGroupBox *fraToe[modPodomancy::GroupCount] = {};
    QPushButton *cmdNext[modPodomancy::GroupCount] = {};
    QPushButton *cmdBack[modPodomancy::GroupCount] = {}; // no element 0

    QRadioButton *optToeAppearance[6] = {};
    QRadioButton *optInclinationofToes[2] = {};
    QRadioButton *optBigToe[5] = {};
    QRadioButton *optSecondToe[3] = {};
    QRadioButton *optFootArches[3] = {};
    QRadioButton *optToeShape[3] = {};
    QRadioButton *optColorofNails[4] = {};
    QRadioButton *optRidgesonToeNails[2] = {};

private:
    void buildPage(int page);
    void bringToFront(int page);
    bool unanswered(int group) const;

    QRadioButton **answerGroup[modPodomancy::GroupCount] = {
        optToeAppearance, optInclinationofToes, optBigToe, optSecondToe,
        optFootArches, optToeShape, optColorofNails, optRidgesonToeNails,
    };
    QButtonGroup *exclusive[modPodomancy::GroupCount] = {};
};

#pragma once

#include "frame/OracleWindow.h"

#include <QPlainTextEdit>

class QComboBox;
class QLabel;
class QPushButton;
class PictureBox;

// The question box: a click into it selects the whole text, so that typing
// replaces the prompt.
class QuestionBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit QuestionBox(QWidget *parent);

    QString text() const { return toPlainText(); }
    // Room for a question of a few lines; longer ones scroll.
    QSize sizeHint() const override;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The question and the choice of religious text; a reading draws one passage
// of that text and hands over to the reading window.
class frmBibliomancyMain : public OracleWindow {
    Q_OBJECT
public:
    frmBibliomancyMain();

    void cmdNext_Click();
    // False, after saying so, when there is no question.
    bool ValidateQuestion();

    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QComboBox *cmbOption = nullptr;
    QuestionBox *txtQuestion = nullptr;
    QPushButton *cmdNext = nullptr;
    PictureBox *picBook = nullptr;
};

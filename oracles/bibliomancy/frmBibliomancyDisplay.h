#pragma once

#include "frame/OracleWindow.h"

#include <QPlainTextEdit>

class QGroupBox;
class QLabel;
class QPushButton;
class QStackedWidget;

// A reading text as the user sees it: several lines, scrolling up and down,
// readable and selectable but not editable. Lines in the tables are joined by
// CR LF; each such pair is one line break here.
class ReadingBox : public QPlainTextEdit {
    Q_OBJECT
public:
    ReadingBox(const QString &objectName, int visibleLines, QWidget *parent);

    void setText(const QString &text);
    QString text() const { return toPlainText(); }
    // As tall as its designed number of lines; a layout may give it more.
    QSize sizeHint() const override;
};

// One Bibliomancy reading: five frames in one place, one per religious text,
// of which only the chosen one is in front. The question window writes the
// reading into the frame's controls and brings it to the front.
class frmBibliomancyDisplay : public OracleWindow {
    Q_OBJECT
public:
    frmBibliomancyDisplay();

    // Back to the question window, which still holds the question and the choice.
    void cmdBack_Click();

    // Puts `frame` (one of the five) in front of the other four.
    void bringToFront(QGroupBox *frame);
    // The frame in front.
    QGroupBox *frameInFront() const;

    QGroupBox *FraChristianity = nullptr;
    QGroupBox *fraHinduism = nullptr;
    QGroupBox *fraIslam = nullptr;
    QGroupBox *fraJudaism = nullptr;
    QGroupBox *fraIChing = nullptr;

    QLabel *lblChristianityCaption = nullptr;
    QLabel *lblHinduismCaption = nullptr;
    QLabel *lblIslamCaption = nullptr;
    QLabel *lblJudaismCaption = nullptr;
    QLabel *lblIChingName = nullptr;

    ReadingBox *txtChristianity = nullptr;
    ReadingBox *txtHinduism = nullptr;
    ReadingBox *txtIslam = nullptr;
    ReadingBox *txtJudaism = nullptr;
    ReadingBox *txtJudgementPoem = nullptr;
    ReadingBox *txtImagePoem = nullptr;

    QPushButton *cmdBack = nullptr;

private:
    QGroupBox *newFrame(const char *objectName, const char *caption);
    QLabel *newCaptionLabel(const char *objectName, QGroupBox *frame);
    ReadingBox *newReadingBox(const char *objectName, int visibleLines, QGroupBox *frame);
    QLabel *newHeading(const char *objectName, const char *caption, QGroupBox *frame);
    void buildPassageFrame(QGroupBox *frame, QLabel *caption, ReadingBox *passage);

    QStackedWidget *frames = nullptr;
};

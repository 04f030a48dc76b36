#pragma once

#include "frame/OracleWindow.h"

class PictureBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QStackedWidget;

// Name numbers: the user types a name, and its letters give the Character,
// Heart and Social numbers with their meanings, shown in this same window.
// Two panels share one place: the name entry and the results.
class frmArithmancyMain : public OracleWindow {
    Q_OBJECT
public:
    frmArithmancyMain();

    static constexpr int LabelCount = 6;  // lblLabel(0..5)
    static constexpr int ResultCount = 6; // lblResult(0..5): three numbers, three descriptions
    static constexpr int TextCount = 3;   // txtResult(0..2)

    // "Get My Arithmancy Reading": checks the name, reads it and shows the results.
    void cmdNext_Click();
    // Back to the name entry, with the name field emptied.
    void cmdBack_Click();
    // "Open Previously Saved Reading": the birthday from a saved reading, then the reading.
    void cmdOpen_Click();

    // True when the name field holds anything at all (blanks count).
    bool ValidateArithmancyName();
    // Computes the numbers of `name` (already trimmed) and writes them into the results panel.
    void ComputeArithmancyReading(const QString &name);

    // Frame1 or Frame2, whichever is in front.
    QWidget *panelInFront() const;

    // The last reading's numbers.
    qint16 CharacterNumber = 0;
    qint16 HeartNumber = 0;
    qint16 SocialNumber = 0;

    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *lblLabel[LabelCount] = {};
    QLineEdit *txtName = nullptr;
    QPushButton *cmdNext = nullptr;
    QLabel *lblResult[ResultCount] = {};
    QPlainTextEdit *txtResult[TextCount] = {};
    QPushButton *cmdBack = nullptr;

    QGroupBox *fraBirthDay = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboYear = nullptr;
    QLabel *Label3 = nullptr; // "Date"
    QLabel *Label6 = nullptr; // "Month"
    QLabel *Label7 = nullptr; // "Year"
    QPushButton *cmdOpen = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildInputPanel();
    void buildResultsPanel();
    void buildBirthday();
    void bringToFront(QWidget *panel);
    // Key filter of the name field: true when the key press was dealt with here.
    bool txtName_KeyPress(QKeyEvent *event);

    QStackedWidget *panels = nullptr;
    PictureBox *picArithmancy = nullptr;
};

#pragma once

#include "frame/OracleWindow.h"

class LinkLabel;
class QPushButton;
class QTextEdit;

// The reading on screen as a coloured report, which the user can save as a
// rich text file or print. Built once when the window loads.
class frmTeaLeafReadingSave : public OracleWindow {
    Q_OBJECT
public:
    frmTeaLeafReadingSave();

    // Asks where to save the report and writes it there as RTF.
    void cmdSave_Click();
    // Asks for a printer and prints the selected text, or the whole report.
    void cmdPrint_Click();

    LinkLabel *Label14 = nullptr;
    LinkLabel *Label1 = nullptr;
    QTextEdit *RTB = nullptr;
    LinkLabel *Label9 = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdPrint = nullptr;

protected:
    void oracleUnload() override; // Form_Unload
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void BuildReport();

    bool shownOnce = false;
};

#pragma once

#include "ScriptedServices.h"

#include "platform/Desktop.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <QPoint>

class QWidget;

#include <functional>

// The whole desktop for tests: it records every message box, dialog, opened
// address and wait, and answers what the test scripted. No test ever waits for
// a person or a real modal dialog. Installed for the lifetime of the object;
// what was installed before comes back afterwards.
class ScriptedDesktop : public ScriptedServices, public platform::Desktop {
public:
    ScriptedDesktop();
    ~ScriptedDesktop() override;

    // Message boxes shown, and the answers to give (default: the default
    // button, else OK).
    QList<platform::MessageRequest> messages;
    QList<QMessageBox::StandardButton> messageAnswers;
    QStringList messageTexts() const;

    // Save dialogs: the requests, and the paths to answer (empty = cancel).
    QList<platform::SaveDialogRequest> saveRequests;
    QStringList saveAnswers;

    // Open dialogs: the requests, and the paths to answer (empty = cancel).
    QList<platform::OpenDialogRequest> openRequests;
    QStringList openAnswers;

    // Printer dialogs: the requests; the answer prints the document as a PDF
    // at `printToPdf` (empty = cancel).
    QList<platform::PrintRequest> printRequests;
    QString printToPdf;
    bool printingMissing = false; // the printing module could not be loaded

    QList<QUrl> openedAddresses;
    int clipboardClears = 0;

    // Modal windows: while one is "open", `whileModal` runs with it; then it closes.
    std::function<void(QDialog &)> whileModal;
    int modalRuns = 0;

    // Waits: their lengths, and what happens during each. Each wait runs a
    // real nested event loop, as the program's own does; `duringWait` runs
    // inside it.
    QList<int> waits;
    std::function<void(int waitNumber)> duringWait;

    int screenWidth = 1280 * platform::TwipsPerPixel;
    int programEnds = 0;

    QMessageBox::StandardButton showMessage(const platform::MessageRequest &request) override;
    QString askSaveFileName(const platform::SaveDialogRequest &request) override;
    QString askOpenFileName(const platform::OpenDialogRequest &request) override;
    platform::PrintOutcome print(const platform::PrintRequest &request) override;
    void openUrl(const QUrl &address) override;
    void clearClipboard() override { ++clipboardClears; }
    void runModal(QDialog &dialog) override;
    void wait(int seconds) override;
    int screenWidthTwips() override { return screenWidth; }
    void endProgram() override { ++programEnds; }

private:
    platform::Desktop *previous;
};

// Ends the program as closing the main window does, then checks that no
// window leaked: the registry is empty and no top-level widget is left.
// Removes whatever is left so that the next test starts clean. Run it while
// a scripted desktop is installed, so that the program's end is scripted too.
bool noWindowLeft();

// Sends a pointer movement (no button held) to `widget` at `position`
// (its centre by default), as the window system would.
void moveMouseOver(QWidget *widget, QPoint position = QPoint(-1, -1));

#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QUrl>

class QDialog;
class QTextDocument;

// The visual half of the desktop seam: message boxes, dialogs, the shell's
// "open", the clipboard, the screen and the waits. Windows reach the desktop
// only through here, so a test can script every answer and record every ask.
namespace platform {

struct MessageRequest {
    QString text; // as the program words it; a lone "\r" is a line break
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QString title;
};

struct SaveDialogRequest {
    QString title;
    QString filter;
    QString defaultSuffix;
    QString fileName;
    QFileDialog::Options options;
};

struct OpenDialogRequest {
    QString title;
    QString filter;
    QString defaultSuffix;
    bool fileMustExist = true;
    // No "open as read-only" choice is offered: the program only ever reads.
    bool hideReadOnly = true;
};

// What to print: the whole report, or the part of it the user selected.
struct PrintRequest {
    const QTextDocument *document = nullptr;
    bool selection = false;
};

enum class PrintOutcome { Printed, Cancelled, Unavailable };

class Desktop {
public:
    virtual ~Desktop() = default;

    virtual QMessageBox::StandardButton showMessage(const MessageRequest &request) = 0;
    // The chosen path, or empty when the user cancelled.
    virtual QString askSaveFileName(const SaveDialogRequest &request) = 0;
    // The chosen path of an existing file, or empty when the user cancelled.
    virtual QString askOpenFileName(const OpenDialogRequest &request) = 0;
    // Lets the user choose a printer and prints the request's document on it.
    virtual PrintOutcome print(const PrintRequest &request) = 0;
    virtual void openUrl(const QUrl &address) = 0;
    virtual void clearClipboard() = 0;
    // Runs `dialog` as an application-modal window and returns when it closes.
    virtual void runModal(QDialog &dialog) = 0;
    // Waits `seconds` while window events go on being processed.
    virtual void wait(int seconds) = 0;
    virtual int screenWidthTwips() = 0;
    // Ends the event loop; the process then exits.
    virtual void endProgram() = 0;
};

Desktop &desktop();
// Installs `replacement` (not owned) and returns what was installed before;
// nullptr goes back to the real desktop.
Desktop *installDesktop(Desktop *replacement);

// Sizes and positions are designed in twips; 15 twips make one pixel.
inline constexpr int TwipsPerPixel = 15;
inline int twips(int value) { return (value + TwipsPerPixel / 2) / TwipsPerPixel; }

} // namespace platform

#pragma once

#include <QObject>

class QWidget;

// Keeps reading texts off the clipboard: every change of a guarded box's
// text and every press, release, click or movement of the mouse over it
// empties the clipboard (and the selection clipboard where there is one).
// Works on any text box; for a scrolling box (QTextEdit, QPlainTextEdit) the
// mouse is watched on its viewport, where Qt delivers those events.
class ClipboardGuard : public QObject {
    Q_OBJECT
public:
    // Guards `box` for as long as it lives; the guard belongs to the box.
    // Guarding a box twice does nothing more.
    static ClipboardGuard *guard(QWidget *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ClipboardGuard(QWidget *box);
    static void clearClipboard();
};

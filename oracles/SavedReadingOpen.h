#pragma once

#include <functional>

class OracleWindow;
class QComboBox;
class QGroupBox;
class QLabel;
class QString;
class QWidget;

// "Open Previously Saved Reading", the same in the Arithmancy and the
// Cyclomancy windows: a birthday is read from a saved reading of Orrin Free
// Tallybook Pro into the window's three birthday boxes, and then the
// window's own reading runs.

// The birthday boxes of the window that opens the file.
struct BirthdayBoxes {
    QComboBox *month = nullptr; // cboMonth
    QComboBox *date = nullptr;  // cboDate
    QComboBox *year = nullptr;  // cboYear
};

// The panel "* Birth Day" that both windows carry: the editable lists
// cboDate, cboMonth and cboYear with their captions "Date", "Month" and
// "Year" (Label3, Label6, Label7), side by side. The lists start empty; a
// window fills them as it likes.
struct BirthdayPanel {
    QGroupBox *fraBirthDay = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboYear = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;

    BirthdayBoxes boxes() const { return {cboMonth, cboDate, cboYear}; }
};

BirthdayPanel NewBirthdayPanel(QWidget *parent);

enum class SavedReadingOpened {
    Cancelled, // the dialog was cancelled: nothing happened
    WrongFile, // "Please Check The File." was shown: nothing was read
    Read,      // the birthday was put into the boxes and the reading ran
    WindowGone // the window was unloaded while the dialog was open
};

// Asks for the file, checks its name, reads the birthday into `boxes` and
// runs `reading`. A file that is short, unreadable, huge or not text at all
// still gives three (perhaps empty) texts, and the reading still runs.
SavedReadingOpened OpenSavedReading(OracleWindow *window, const BirthdayBoxes &boxes,
                                    const std::function<void()> &reading);

// Shows `text` in an editable birthday box: the entry of that text is
// selected where the list has one, else the box shows the text as typed in.
void SetBirthdayText(QComboBox *box, const QString &text);

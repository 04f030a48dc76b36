#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Saved readings of Orrin Free Tallybook Pro: small 8-bit text files whose
// lines 4 to 6 hold the birth month, day and year with every character code
// raised by a fixed shift. We only ever read them. Shared by the Arithmancy
// and the Cyclomancy windows.
namespace modSavedReading {

// The shift that Orrin Free Tallybook Pro adds to each character code of the
// birthday lines when it saves a reading. Fixed by that program's file
// format; a file written with any other value decodes to nonsense.
inline constexpr int SavedReadingShift = 17;

// A file holds at least this many lines; we read these and ignore the rest.
inline constexpr int SavedReadingLineCount = 6;
// Bytes kept of one line; the rest of a longer line is skipped.
inline constexpr qsizetype SavedReadingLineLimit = 256;
// Bytes looked at from the start of a file. A genuine file is a few dozen
// bytes; a line still open when this runs out ends there, and the lines
// after it stay empty.
inline constexpr qsizetype SavedReadingReadLimit = 64 * 1024;

// The open-file dialog of "Open Previously Saved Reading".
inline constexpr char OpenDialogTitle[] = "Select the source file";
inline constexpr char OpenDialogFilter[] = "Orrin Free Tallybook Pro (*.num)";
inline constexpr char OpenDialogDefaultSuffix[] = "num";

// Shown with the error icon for a path that does not end in "num".
inline constexpr char CheckTheFileMessage[] = "Please Check The File.";

enum class SavedReadingPath {
    Cancelled, // empty path: stop without a message
    WrongFile, // show CheckTheFileMessage and stop
    Accepted,
};

// Empty → Cancelled; a path whose last three characters are not exactly
// "num" (case-sensitive, so "NUM" is refused) → WrongFile; else Accepted.
SavedReadingPath CheckSavedReadingPath(const QString &path);

// One byte, one character code: subtracts the shift from each code and keeps
// the character with the resulting code (Latin-1). A code below the shift
// gives no character and is dropped.
QString DecodeShiftedText(const QByteArray &shifted);

// Cuts `head` (the first bytes of a file) into exactly SavedReadingLineCount
// lines. A line ends at CR LF, LF or a lone CR; a missing line is empty; a
// line longer than SavedReadingLineLimit keeps its first
// SavedReadingLineLimit bytes.
QList<QByteArray> SplitSavedReadingLines(const QByteArray &head);

// Reads the first lines of the file at `path` as SplitSavedReadingLines
// gives them, looking at no more than SavedReadingReadLimit bytes. Always
// returns SavedReadingLineCount lines; all are empty when the path names no
// regular file or the file cannot be read.
QList<QByteArray> ReadSavedReadingLines(const QString &path);

struct SavedBirthday {
    QString month; // as listed in cboMonth, e.g. "March"
    QString date;  // "1" to "31"
    QString year;  // four digits
};

// Lines 4, 5 and 6 of the file, decoded; empty where a line was missing.
SavedBirthday ReadSavedBirthday(const QString &path);

} // namespace modSavedReading

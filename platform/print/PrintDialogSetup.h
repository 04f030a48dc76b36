#pragma once

#include <QtPrintSupport/QAbstractPrintDialog>

// How the print dialog is set up for the report: printing to a file, the page
// size and collating are offered, a page range is not; with text selected,
// the dialog offers the selection and starts on it.
namespace platform {

struct PrintDialogSetup {
    QAbstractPrintDialog::PrintDialogOptions options;
    QAbstractPrintDialog::PrintRange range;
};

inline PrintDialogSetup printDialogSetup(bool selection)
{
    PrintDialogSetup setup{QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                               | QAbstractPrintDialog::PrintCollateCopies,
                           QAbstractPrintDialog::AllPages};
    if (selection) {
        setup.options |= QAbstractPrintDialog::PrintSelection;
        setup.range = QAbstractPrintDialog::Selection;
    }
    return setup;
}

} // namespace platform

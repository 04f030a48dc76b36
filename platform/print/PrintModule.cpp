// Printing lives in a module of its own, loaded the first time the user
// prints: the printing libraries then cost a session that never prints
// nothing, neither at start-up nor in memory.
#include "PrintDialogSetup.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

extern "C" Q_DECL_EXPORT bool orrinPrintDocument(const QTextDocument *document, bool selection, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    const platform::PrintDialogSetup setup = platform::printDialogSetup(selection);
    dialog.setOptions(setup.options);
    dialog.setPrintRange(setup.range);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    document->print(&printer);
    return true;
}

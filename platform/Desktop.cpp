#include "Desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLibrary>
#include <QScreen>
#include <QTimer>

#include <utility>

namespace platform {
namespace {

QWidget *dialogParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// The printing module, beside the program in the build and in its own
// folder of the library folder once installed; loaded once, when first asked.
QLibrary &printModule()
{
    static QLibrary module;
    if (!module.isLoaded()) {
        const QString home = QCoreApplication::applicationDirPath();
        for (const QString &folder : {home, home + QStringLiteral("/" ORRIN_PRINT_MODULE_FOLDER)}) {
            module.setFileName(folder + QStringLiteral("/orrin_print"));
            if (module.load())
                break;
        }
    }
    return module;
}

// A file dialog opens large enough for its side bar and a useful list, but
// never larger than most of the screen.
void fitDialog(QFileDialog &dialog)
{
    QSize size(760, 500);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    dialog.resize(size.expandedTo(dialog.minimumSizeHint()));
}

class QtDesktop final : public Desktop {
public:
    QMessageBox::StandardButton showMessage(const MessageRequest &request) override
    {
        QString shown = request.text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QMessageBox box(request.icon, request.title, shown, request.buttons, dialogParent());
        box.setTextFormat(Qt::PlainText);
        if (request.defaultButton != QMessageBox::NoButton)
            box.setDefaultButton(request.defaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    QString askSaveFileName(const SaveDialogRequest &request) override
    {
        QFileDialog dialog(dialogParent(), request.title, QString(), request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setOptions(request.options);
        dialog.selectFile(request.fileName);
        fitDialog(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString askOpenFileName(const OpenDialogRequest &request) override
    {
        QFileDialog dialog(dialogParent(), request.title, QString(), request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        // Qt's dialog has no read-only check box, so hideReadOnly needs nothing here.
        fitDialog(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    PrintOutcome print(const PrintRequest &request) override
    {
        using PrintDocument = bool (*)(const QTextDocument *, bool, QWidget *);
        const auto printDocument = reinterpret_cast<PrintDocument>(printModule().resolve("orrinPrintDocument"));
        if (!printDocument)
            return PrintOutcome::Unavailable;
        return printDocument(request.document, request.selection, dialogParent()) ? PrintOutcome::Printed
                                                                                  : PrintOutcome::Cancelled;
    }

    void openUrl(const QUrl &address) override { QDesktopServices::openUrl(address); }

    void clearClipboard() override
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->clear(QClipboard::Clipboard);
        if (clipboard->supportsSelection())
            clipboard->clear(QClipboard::Selection);
    }

    void runModal(QDialog &dialog) override
    {
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.exec();
    }

    void wait(int seconds) override
    {
        if (seconds <= 0)
            return;
        QEventLoop loop;
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }

    int screenWidthTwips() override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry().width() * TwipsPerPixel : 800 * TwipsPerPixel;
    }

    void endProgram() override { QCoreApplication::exit(0); }
};

Desktop *installed = nullptr;

} // namespace

Desktop &desktop()
{
    if (installed)
        return *installed;
    static QtDesktop real;
    return real;
}

Desktop *installDesktop(Desktop *replacement)
{
    return std::exchange(installed, replacement);
}

} // namespace platform


#include "ScriptedDesktop.h"

#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <QMouseEvent>
#include <QPrinter>
#include <QTextDocument>
#include <QTest>

ScriptedDesktop::ScriptedDesktop()
    : previous(platform::installDesktop(this))
{
}

ScriptedDesktop::~ScriptedDesktop()
{
    platform::installDesktop(previous);
}

void ScriptedDesktop::openUrl(const QUrl &address)
{
    openedAddresses.append(address);
    log.append(QStringLiteral("open ") + address.toString());
}

QString ScriptedDesktop::askOpenFileName(const platform::OpenDialogRequest &request)
{
    openRequests.append(request);
    log.append(QStringLiteral("open dialog"));
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QStringList ScriptedDesktop::messageTexts() const
{
    QStringList texts;
    for (const auto &message : messages)
        texts.append(message.text);
    return texts;
}

QMessageBox::StandardButton ScriptedDesktop::showMessage(const platform::MessageRequest &request)
{
    messages.append(request);
    log.append(QStringLiteral("message ") + request.text);
    if (!messageAnswers.isEmpty())
        return messageAnswers.takeFirst();
    return request.defaultButton != QMessageBox::NoButton ? request.defaultButton : QMessageBox::Ok;
}

QString ScriptedDesktop::askSaveFileName(const platform::SaveDialogRequest &request)
{
    saveRequests.append(request);
    log.append(QStringLiteral("save dialog"));
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

platform::PrintOutcome ScriptedDesktop::print(const platform::PrintRequest &request)
{
    printRequests.append(request);
    log.append(QStringLiteral("printer dialog"));
    if (printingMissing)
        return platform::PrintOutcome::Unavailable;
    if (printToPdf.isEmpty())
        return platform::PrintOutcome::Cancelled;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
    request.document->print(&printer);
    return platform::PrintOutcome::Printed;
}

void ScriptedDesktop::runModal(QDialog &dialog)
{
    ++modalRuns;
    dialog.show();
    if (whileModal)
        whileModal(dialog);
    if (dialog.isVisible())
        dialog.hide();
}

void ScriptedDesktop::wait(int seconds)
{
    waits.append(seconds);
    log.append(QStringLiteral("wait %1").arg(seconds));
    const int number = waits.size();
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [this, &loop, number] {
        if (duringWait)
            duringWait(number);
        loop.quit();
    });
    loop.exec();
}

bool noWindowLeft()
{
    // The program ends the way it always does: the main window unloads and
    // takes every window with it. Whatever is left after that has leaked.
    if (Form *main = WindowRegistry::loadedWindow<frmMDI>())
        WindowRegistry::unloadForm(main);
    bool clean = WindowRegistry::loadedForms().isEmpty();
    for (Form *form : WindowRegistry::loadedForms())
        WindowRegistry::unloadForm(form);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    const QWidgetList left = QApplication::topLevelWidgets();
    for (QWidget *widget : left) {
        qWarning("window left behind: %s %s", widget->metaObject()->className(), qPrintable(widget->objectName()));
        delete widget;
    }
    return clean && left.isEmpty();
}

void moveMouseOver(QWidget *widget, QPoint position)
{
    if (position == QPoint(-1, -1))
        position = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

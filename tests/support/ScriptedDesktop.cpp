#include "ScriptedDesktop.h"

#include "app/WindowRegistry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QPrinter>
#include <QTest>

ScriptedDesktop::ScriptedDesktop()
{
    platform::installDesktop(this);
}

ScriptedDesktop::~ScriptedDesktop()
{
    platform::installDesktop(nullptr);
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
    if (!messageAnswers.isEmpty())
        return messageAnswers.takeFirst();
    return request.defaultButton != QMessageBox::NoButton ? request.defaultButton : QMessageBox::Ok;
}

QString ScriptedDesktop::askSaveFileName(const platform::SaveDialogRequest &request)
{
    saveRequests.append(request);
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

bool ScriptedDesktop::askPrinter(QPrinter &printer, const platform::PrintRequest &request)
{
    printRequests.append(request);
    if (printToPdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
    return true;
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
    QCoreApplication::processEvents();
    if (duringWait)
        duringWait(waits.size());
    QCoreApplication::processEvents();
}

bool noWindowLeft()
{
    const QList<Form *> forms = WindowRegistry::loadedForms();
    bool clean = forms.isEmpty();
    for (Form *form : forms)
        WindowRegistry::unloadForm(form);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            clean = false;
            widget->close();
        }
    }
    return clean;
}

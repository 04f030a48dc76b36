#include "ScriptedDesktop.h"

#include "app/frmMDI.h"
#include "app/WindowRegistry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMouseEvent>
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

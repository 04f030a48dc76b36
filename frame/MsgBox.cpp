#include "MsgBox.h"

#include "platform/Desktop.h"

QMessageBox::StandardButton MsgBox(const QString &text, QMessageBox::Icon icon,
                                   QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton)
{
    platform::MessageRequest request;
    request.text = text;
    request.icon = icon;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    request.title = QString::fromUtf8(ProgramTitle);
    return platform::desktop().showMessage(request);
}

#include "Pause.h"

#include "platform/Desktop.h"

#include <QPointer>
#include <QWidget>

bool Pause(int seconds, Form *waiter)
{
    const QPointer<QWidget> alive(waiter->formWidget());
    platform::desktop().wait(seconds);
    return !alive.isNull() && !waiter->isUnloaded();
}

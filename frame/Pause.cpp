#include "Pause.h"

#include "platform/Desktop.h"

bool Pause(int seconds, Form *waiter)
{
    const Form::InUse inUse(waiter);
    platform::desktop().wait(seconds);
    return !waiter->isUnloaded();
}

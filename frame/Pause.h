#pragma once

#include "frame/Form.h"

// Waits a whole number of seconds, measured from the call, while window
// events go on being processed; the program uses no CPU meanwhile. Returns
// false when `waiter` was unloaded during the wait (its close box, a menu,
// the program ending): the caller then abandons its work without touching
// the window again. The window is not deleted before the caller has returned.
bool Pause(int seconds, Form *waiter);

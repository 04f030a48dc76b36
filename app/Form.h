#pragma once

class QWidget;

// What every window of the program shares: it can be unloaded once, running
// its own Form_Unload work first.
class Form {
public:
    virtual ~Form() = default;

    virtual QWidget *formWidget() = 0;
    // True from the moment the window starts unloading; a wait in progress
    // checks this to abandon its work.
    bool isUnloaded() const { return unloaded; }

protected:
    // The window's own unload work; runs once, before the window goes.
    virtual void Form_Unload() {}

private:
    friend class WindowRegistry;
    bool unloaded = false;
};

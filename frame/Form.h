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

    // Held by a handler of the window while it waits on a nested event loop:
    // an unload meanwhile goes ahead, but the window is deleted only once the
    // last such handler has let go, so no handler ever returns into freed memory.
    class InUse {
    public:
        explicit InUse(Form *form);
        ~InUse();
        InUse(const InUse &) = delete;
        InUse &operator=(const InUse &) = delete;

    private:
        Form *form;
    };

protected:
    // The window's own unload work; runs once, before the window goes.
    virtual void Form_Unload() {}

private:
    friend class WindowRegistry;
    bool unloaded = false;
    int handlersWaiting = 0;
};

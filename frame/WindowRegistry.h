#pragma once

#include "Form.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <typeindex>

// Holds every window of the program once. Asking for a window loads it when
// it is not loaded; unloading runs its Form_Unload, forgets it and deletes it,
// so the next request makes a fresh window in its designed state.
class WindowRegistry {
public:
    // The window of class W, loaded (created) if it is not loaded yet.
    template<class W>
    static W *window()
    {
        if (W *existing = loadedWindow<W>())
            return existing;
        W *created = new W();
        add(std::type_index(typeid(W)), created);
        return created;
    }

    // The window of class W if it is loaded, else nullptr; never loads it.
    template<class W>
    static W *loadedWindow()
    {
        return static_cast<W *>(find(std::type_index(typeid(W))));
    }

    template<class W>
    static void unload()
    {
        if (W *loaded = loadedWindow<W>())
            unloadForm(loaded);
    }

    // Runs Form_Unload, forgets the window and deletes it once control is
    // back in the event loop. Unloading twice does nothing.
    static void unloadForm(Form *form);

    // The loaded windows, in the order they were loaded.
    static QList<Form *> loadedForms();

private:
    static void add(std::type_index key, Form *form);
    static Form *find(std::type_index key);
};

#include "WindowRegistry.h"

#include <vector>

namespace {

struct Entry {
    std::type_index key;
    Form *form;
    QPointer<QWidget> widget; // notices a window deleted behind our back
};

std::vector<Entry> &entries()
{
    static std::vector<Entry> loaded;
    return loaded;
}

void forgetDeleted()
{
    std::erase_if(entries(), [](const Entry &entry) { return entry.widget.isNull(); });
}

} // namespace

void WindowRegistry::add(std::type_index key, Form *form)
{
    entries().push_back({key, form, form->formWidget()});
}

Form *WindowRegistry::find(std::type_index key)
{
    forgetDeleted();
    for (const Entry &entry : entries())
        if (entry.key == key)
            return entry.form;
    return nullptr;
}

QList<Form *> WindowRegistry::loadedForms()
{
    forgetDeleted();
    QList<Form *> forms;
    for (const Entry &entry : entries())
        forms.append(entry.form);
    return forms;
}

void WindowRegistry::unloadForm(Form *form)
{
    if (!form || form->unloaded)
        return;
    form->unloaded = true;
    form->Form_Unload();
    std::erase_if(entries(), [form](const Entry &entry) { return entry.form == form; });
    if (QWidget *widget = form->formWidget()) {
        widget->hide();
        if (form->handlersWaiting == 0) {
            widget->deleteLater();
        } else {
            // A handler of this window still waits: out from under its parent,
            // so that not even the parent's going can take it before it returns.
            widget->setParent(nullptr);
        }
    }
}

Form::InUse::InUse(Form *form)
    : form(form)
{
    ++form->handlersWaiting;
}

Form::InUse::~InUse()
{
    // The handler is about to return: a window unloaded meanwhile can go now.
    if (--form->handlersWaiting == 0 && form->unloaded)
        if (QWidget *widget = form->formWidget())
            widget->deleteLater();
}

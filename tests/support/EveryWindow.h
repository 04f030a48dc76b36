#pragma once

#include <QList>

#include <functional>

class QWidget;

// Every window of the program, opened as the user meets it: the main window,
// the About window over it, and each oracle window presented the way the
// launcher presents one. A new window adds one row here.
struct WindowRow {
    const char *name;
    std::function<QWidget *()> open;
};

const QList<WindowRow> &everyWindow();

// A data column "open" with one row per window, named after it.
void addEveryWindowRows();

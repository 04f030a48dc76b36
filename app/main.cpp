#include "app/StartUp.h"
#include "frame/Widgets.h"

#include <QApplication>
#include <QIcon>

#include <csignal>
#include <malloc.h>

int main(int argc, char *argv[])
{
    // A write beyond the user's file-size limit fails, and the save says so,
    // instead of ending the program and the reading with it.
    std::signal(SIGXFSZ, SIG_IGN);
    // One heap for every thread: the pictures drawn on a second core at start
    // would otherwise leave a heap of their own behind, in use for nothing.
    mallopt(M_ARENA_MAX, 1);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrrinFreeDivinationI"));
    // The window system finds the desktop entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORRIN_APP_ID));
    QApplication::setWindowIcon(programIcon());
    if (!StartUp())
        return 0;
    return QApplication::exec();
}

#include "app/StartUp.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrrinFreeDivinationI"));
    // The window system finds the desktop entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORRIN_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app_icon.svg")));
    if (!StartUp())
        return 0;
    return QApplication::exec();
}

#include "app/StartUp.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrrinFreeDivinationI"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app_icon.svg")));
    if (!StartUp())
        return 0;
    return QApplication::exec();
}

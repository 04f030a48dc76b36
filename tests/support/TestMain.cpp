#include "TestMain.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    int failures = 0;
    for (const TestRunner &run : registeredTests())
        failures += run(argc, argv);
    return failures;
}

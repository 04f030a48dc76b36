// Measures what the user feels: how long the main window takes to appear,
// how long the draws take, how much CPU a Please Wait costs and the memory
// the program holds. Prints one line per measurement.
#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "frame/Pause.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingMain.h"
#include "oracles/coffee_cup/modCoffeeCupReading.h"
#include "oracles/tea_leaf/modTeaLeafReading.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <sys/resource.h>

namespace {

double cpuMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

QByteArray statusLine(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "?";
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed();
    return "?";
}

void report(const char *what, double value, const char *unit)
{
    printf("%-44s %10.3f %s\n", what, value, unit);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QElapsedTimer timer;

    timer.start();
    frmMDI *main = WindowRegistry::window<frmMDI>();
    main->show();
    QCoreApplication::processEvents();
    report("first main window, built and shown", timer.nsecsElapsed() / 1e6, "ms");

    timer.restart();
    auto *coffee = WindowRegistry::window<frmCoffeeCupReadingMain>();
    coffee->show();
    QCoreApplication::processEvents();
    report("first oracle window, built and shown", timer.nsecsElapsed() / 1e6, "ms");

    const int relaunches = 50;
    timer.restart();
    for (int i = 0; i < relaunches; ++i)
        main->LaunchOracle(0);
    QCoreApplication::processEvents();
    report("relaunch of an oracle (mean of 50)", timer.nsecsElapsed() / 1e6 / relaunches, "ms");

    const int draws = 1000000;
    timer.restart();
    for (int i = 0; i < draws; ++i)
        modCoffeeCupReading::DrawCoffeeCupSymbol();
    modCoffeeCupReading::LoadCoffeeCupTable();
    report("coffee cup draw (mean of 1e6)", timer.nsecsElapsed() / double(draws), "ns");

    const int readings = 20000;
    timer.restart();
    for (int i = 0; i < readings; ++i)
        modTeaLeafReading::DrawTeaLeafReading();
    report("tea leaf reading, draw and resolve (mean)", timer.nsecsElapsed() / 1e3 / readings, "us");

    // Windows unloaded above are deleted first, so that only the wait is measured.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    coffee = WindowRegistry::window<frmCoffeeCupReadingMain>();
    const double cpuBefore = cpuMilliseconds();
    timer.restart();
    Pause(2, coffee);
    report("Pause(2): wall time", timer.nsecsElapsed() / 1e6, "ms");
    report("Pause(2): CPU time used while waiting", cpuMilliseconds() - cpuBefore, "ms");

    printf("%-44s %10s\n", "peak resident memory (VmHWM)", statusLine("VmHWM:").constData());
    WindowRegistry::unloadForm(main);
    return 0;
}

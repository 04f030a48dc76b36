// Measures what the user feels: how long the main window takes to appear,
// how long the draws take, how much CPU a Please Wait costs, how fast a key
// goes in when the report is long, and the memory the program holds, also
// over a long session. Prints one line per measurement.
#include "app/Oracles.h"
#include "app/frmMDI.h"
#include "frame/OracleWindow.h"
#include "frame/Pause.h"
#include "frame/Widgets.h"
#include "frame/WindowRegistry.h"
#include "frame/modRTB.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingMain.h"
#include "oracles/coffee_cup/modCoffeeCupReading.h"
#include "oracles/tea_leaf/frmTeaLeafReadingSave.h"
#include "oracles/tea_leaf/modTeaLeafReading.h"
#include "platform/Desktop.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <algorithm>
#include <malloc.h>
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

double residentMegabytes()
{
    return statusLine("VmRSS:").split(' ').value(0).toDouble() / 1024.0;
}

double heapMegabytes()
{
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

void report(const char *what, double value, const char *unit)
{
    printf("%-52s %10.3f %s\n", what, value, unit);
    fflush(stdout);
}

// The desktop of a user who answers every question with its default button
// and cancels every dialog, and for whom a Please Wait passes at once.
class ImpatientDesktop final : public platform::Desktop {
public:
    QMessageBox::StandardButton showMessage(const platform::MessageRequest &request) override
    {
        return request.defaultButton != QMessageBox::NoButton ? request.defaultButton : QMessageBox::Ok;
    }
    QString askSaveFileName(const platform::SaveDialogRequest &) override { return {}; }
    QString askOpenFileName(const platform::OpenDialogRequest &) override { return {}; }
    platform::PrintOutcome print(const platform::PrintRequest &) override { return platform::PrintOutcome::Cancelled; }
    void openUrl(const QUrl &) override {}
    void clearClipboard() override {}
    void runModal(QDialog &) override {}
    void wait(int) override { QCoreApplication::processEvents(); }
    int screenWidthTwips() override { return 1280 * platform::TwipsPerPixel; }
    void endProgram() override {}
};

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void click(QWidget *widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

OracleWindow *activeOracle(frmMDI *main)
{
    return qobject_cast<OracleWindow *>(main->mdiArea->activeSubWindow());
}

bool isVisibleOn(QWidget *widget, QWidget *window)
{
    return widget->isVisibleTo(window) && widget->isEnabled();
}

// One reading in the oracle window `window`, as a user without a plan makes
// it: every empty box gets a name, every question its first answer, then
// the buttons and pictures are pressed until another window shows the
// reading. Returns the window that shows it (the same one for an oracle
// that reads in its own window).
OracleWindow *makeReading(frmMDI *main, OracleWindow *window)
{
    static const QStringList leaveAlone = {QStringLiteral("Exit"), QStringLiteral("Back"),
                                           QStringLiteral("Print"), QStringLiteral("Save")};
    auto spared = [](const QObject *object) {
        return std::any_of(leaveAlone.cbegin(), leaveAlone.cend(),
                           [object](const QString &word) { return object->objectName().contains(word); });
    };
    for (int step = 0; step < 24; ++step) {
        for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
            if (isVisibleOn(box, window) && box->text().isEmpty())
                typeText(box, QStringLiteral("Ann"));
        }
        for (QRadioButton *option : window->findChildren<QRadioButton *>()) {
            if (!isVisibleOn(option, window))
                continue;
            const QList<QRadioButton *> siblings = option->parentWidget()->findChildren<QRadioButton *>(
                QString(), Qt::FindDirectChildrenOnly);
            if (std::none_of(siblings.cbegin(), siblings.cend(), [](QRadioButton *b) { return b->isChecked(); }))
                click(option);
        }
        QList<QWidget *> presses;
        for (QPushButton *button : window->findChildren<QPushButton *>())
            if (isVisibleOn(button, window) && !spared(button))
                presses.append(button);
        if (presses.isEmpty())
            for (PictureBox *picture : window->findChildren<PictureBox *>())
                if (isVisibleOn(picture, window))
                    presses.append(picture);
        if (presses.isEmpty())
            return window;
        const QPointer<OracleWindow> before = window;
        click(presses.first());
        settle();
        OracleWindow *now = activeOracle(main);
        if (!before || (now && now != before))
            return now;
    }
    return window;
}

// Launch, reading, Back and Exit for every oracle that has its windows in
// the launcher's table.
int sessionCycle(frmMDI *main, int &readings)
{
    int oracles = 0;
    readings = 0;
    for (int index = 0; index < OracleCount; ++index) {
        if (!OracleTable[index].mainWindow)
            continue;
        ++oracles;
        main->LaunchOracle(index);
        settle();
        OracleWindow *window = activeOracle(main);
        if (!window)
            continue;
        OracleWindow *reading = makeReading(main, window);
        if (reading && reading != window)
            ++readings;
        if (reading && reading != window && reading->mnuFileBack) {
            reading->mnuFileBack->trigger();
            settle();
        }
        if (OracleWindow *back = activeOracle(main); back && back->mnuExit)
            back->mnuExit->trigger();
        CloseAllOracleWindows();
        settle();
    }
    return oracles;
}

// Prose as a user pastes it: paragraphs of sentences, now and then an address.
QString pastedText(qsizetype bytes, bool paragraphs)
{
    static const QStringList words = {
        QStringLiteral("the"),    QStringLiteral("leaves"), QStringLiteral("gather"), QStringLiteral("near"),
        QStringLiteral("rim"),    QStringLiteral("which"),  QStringLiteral("speaks"), QStringLiteral("of"),
        QStringLiteral("travel"), QStringLiteral("soon"),   QStringLiteral("and"),    QStringLiteral("friends"),
        QStringLiteral("a"),      QStringLiteral("letter"), QStringLiteral("arrives"), QStringLiteral("by"),
    };
    QString text;
    text.reserve(bytes);
    int count = 0;
    while (text.size() < bytes) {
        ++count;
        if (count % 97 == 0)
            text += QStringLiteral("www.example.com/reading/") + QString::number(count);
        else
            text += words[count % words.size()];
        text += (paragraphs && count % 60 == 0) ? QStringLiteral(".\n") : QStringLiteral(" ");
    }
    return text;
}

// The time of one key press at the end of the report after `text` was pasted
// there: the key, the links, the layout and the painting.
double keyPressAfterPaste(const QString &text, bool detection = true)
{
    auto *report = WindowRegistry::window<frmTeaLeafReadingSave>();
    report->show();
    settle();
    QTextEdit *box = report->RTB;
    if (!detection)
        modRTB::DisableLinkDetection();
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(text); // as Edit > Paste does
    box->moveCursor(QTextCursor::End);
    settle();
    QList<double> times;
    for (int key = 0; key < 15; ++key) {
        QElapsedTimer timer;
        timer.start();
        typeText(box, QStringLiteral("x"));
        settle();
        box->viewport()->repaint();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    WindowRegistry::unloadForm(report);
    settle();
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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
    settle();
    coffee = WindowRegistry::window<frmCoffeeCupReadingMain>();
    const double cpuBefore = cpuMilliseconds();
    timer.restart();
    Pause(2, coffee);
    report("Pause(2): wall time", timer.nsecsElapsed() / 1e6, "ms");
    report("Pause(2): CPU time used while waiting", cpuMilliseconds() - cpuBefore, "ms");
    WindowRegistry::unloadForm(coffee);
    settle();

    ImpatientDesktop impatient;
    platform::Desktop *previous = platform::installDesktop(&impatient);

    // Typing in a long report, the median of 15 keys.
    for (const auto &[bytes, label] : {std::pair{100 * 1000, "100 kB"}, std::pair{1000 * 1000, "1 MB"}}) {
        const QByteArray paragraphs = QByteArray("key press after pasting ") + label + " in paragraphs";
        report(paragraphs.constData(), keyPressAfterPaste(pastedText(bytes, true)), "ms");
        const QByteArray oneParagraph = QByteArray("key press after pasting ") + label + " as one paragraph";
        report(oneParagraph.constData(), keyPressAfterPaste(pastedText(bytes, false)), "ms");
        const QByteArray bare = QByteArray("  the same without link detection");
        report(bare.constData(), keyPressAfterPaste(pastedText(bytes, false), false), "ms");
    }

    // A long session: launch, reading, Back and Exit of every oracle, over and over.
    const int cycles = qEnvironmentVariableIntValue("ORRIN_BENCH_CYCLES") > 0
                           ? qEnvironmentVariableIntValue("ORRIN_BENCH_CYCLES")
                           : 1000;
    int oracles = 0, shown = 0;
    double heapAt100 = 0, residentAt100 = 0;
    timer.restart();
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        oracles = sessionCycle(main, shown);
        if (cycle == 100 || cycle == cycles) {
            malloc_trim(0);
            const double heap = heapMegabytes(), resident = residentMegabytes();
            const QByteArray heapLine = "heap in use after " + QByteArray::number(cycle) + " session cycles";
            const QByteArray residentLine = "resident memory after " + QByteArray::number(cycle) + " session cycles";
            report(heapLine.constData(), heap, "MB");
            report(residentLine.constData(), resident, "MB");
            if (cycle == 100) {
                heapAt100 = heap;
                residentAt100 = resident;
            } else {
                const QByteArray span = "100 to " + QByteArray::number(cycles);
                report(("heap growth, cycles " + span).constData(), heap - heapAt100, "MB");
                report(("resident growth, cycles " + span).constData(), resident - residentAt100, "MB");
            }
        }
    }
    printf("%-52s %10d\n", "oracles in each session cycle", oracles);
    printf("%-52s %10d\n", "  of them showing a reading in a second window", shown);
    report("session cycle (mean)", timer.nsecsElapsed() / 1e6 / cycles, "ms");

    platform::installDesktop(previous);
    printf("%-52s %10s\n", "peak resident memory (VmHWM)", statusLine("VmHWM:").constData());
    WindowRegistry::unloadForm(main);
    return 0;
}

#pragma once

#include "ScriptedDesktop.h"

#include "frame/WindowRegistry.h"

#include <QObject>
#include <QTest>

#include <memory>

class frmMDI;
class OracleWindow;
class QMdiSubWindow;

// The base of every test class: a scripted desktop installed before each test
// function and kept through its clean-up, which checks that no window leaked.
// A test reaches it with `ScriptedDesktop &desktop = scripted();`.
class DesktopTest : public QObject {
    Q_OBJECT
public:
    // The ways a user closes an oracle window.
    enum class CloseWay { ExitButton, FileExit, CloseBox };

protected:
    ScriptedDesktop &scripted() { return *desktop; }

    // The system's own generator, clock and settings, or the real desktop,
    // in place of the scripted ones while the object lives.
    class SystemServicesInPlace {
    public:
        SystemServicesInPlace() : previous(platform::installServices(nullptr)) {}
        ~SystemServicesInPlace() { platform::installServices(previous); }
    private:
        platform::Services *previous;
    };
    class RealDesktopInPlace {
    public:
        RealDesktopInPlace() : previous(platform::installDesktop(nullptr)) {}
        ~RealDesktopInPlace() { platform::installDesktop(previous); }
    private:
        platform::Desktop *previous;
    };

    // The main window, loaded and shown.
    static frmMDI *mainWindow();
    // The welcome panel of the main window.
    static QWidget *picMain();
    // Clicks launcher button `index` and returns the Main window it opened.
    template<class W>
    static W *launch(int index)
    {
        clickLauncher(index);
        return WindowRegistry::loadedWindow<W>();
    }
    static void clickLauncher(int index);
    // For oracles without a launcher button: opened as the launcher opens
    // any oracle, with the main window behind it.
    template<class W>
    static W *open()
    {
        mainWindow();
        auto *window = WindowRegistry::window<W>();
        presentOracle(window);
        return window;
    }
    static void presentOracle(OracleWindow *window);
    // The sub-window in front of the main window's area.
    static QMdiSubWindow *activeOracleWindow();

    // A data column "how" with one row per way of closing, named after it.
    static void addCloseWayRows(const char *prefix = "");
    static void close(OracleWindow *window, CloseWay how);
    // Back by the button `button` or by File > Back.
    static void goBack(OracleWindow *window, QAbstractButton *button, bool byMenu);

protected slots:
    // A class with clean-up of its own calls DesktopTest::cleanup() last.
    void init();
    void cleanup();

private:
    std::unique_ptr<ScriptedDesktop> desktop;
};

Q_DECLARE_METATYPE(DesktopTest::CloseWay)

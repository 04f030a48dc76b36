#pragma once

class QMdiSubWindow;

// What the oracle windows need of the main window, and all they may know of
// it: the frame talks to the main window through here only, so the frame and
// the oracles never depend on it and a test can stand in for it.
class OracleHost {
public:
    virtual ~OracleHost() = default;

    // Takes `window` into the area where the oracle windows open.
    virtual void adoptSubWindow(QMdiSubWindow *window) = 0;
    // Makes `window` the active oracle window, in front of the others.
    virtual void bringToFront(QMdiSubWindow *window) = 0;
    // The welcome panel `picMain`.
    virtual void setWelcomePanelVisible(bool visible) = 0;
    // An oracle window was shown or hidden: the menu bar follows the one in front.
    virtual void menusChanged() = 0;
    // Shows the About window modally; returns once it is closed.
    virtual void showAbout() = 0;
};

namespace oracleHost {

// The host in place, or nullptr when there is none (before the main window
// is made, or once it has gone). Oracle code never makes one.
OracleHost *current();
// Installs `host` (not owned); nullptr removes it.
void install(OracleHost *host);

} // namespace oracleHost

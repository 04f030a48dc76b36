#pragma once

#include "frame/Form.h"
#include "frame/OracleHost.h"

#include <QMainWindow>

class ClickableLabel;
class LinkLabel;
class PictureBox;
class QAction;
class QMdiArea;
class QMenu;
class QPushButton;

// The main window: the launcher strip, the welcome panel over the area where
// the oracle windows open, the bottom strip and the menus.
class frmMDI : public QMainWindow, public Form, public OracleHost {
    Q_OBJECT
public:
    frmMDI();
    ~frmMDI() override;

    QWidget *formWidget() override { return this; }

    // Where the window opens on a screen of this available area: as wide as
    // the screen, which its layout is placed by, and as tall as its welcome
    // panel needs, as far as the screen allows. A window manager maximizes it.
    QRect openingGeometry(const QRect &available) const;

    // Where no window manager maximized the window, it grows to show an oracle
    // window whole, as far as the screen allows.
    void makeRoomFor(const QMdiSubWindow *window);

    // Shows the active oracle window's menus, or the main window's own.
    void refreshMenus();

    // What the oracle windows ask of the main window.
    void adoptSubWindow(QMdiSubWindow *window) override;
    void bringToFront(QMdiSubWindow *window) override;
    void setWelcomePanelVisible(bool visible) override;
    void menusChanged() override { refreshMenus(); }
    void showAbout() override;

    // Button index 0..8 of the oracle table.
    void LaunchOracle(int index);
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();

    QMdiArea *mdiArea = nullptr;
    QWidget *Picture1 = nullptr;
    QWidget *picButtonContainer = nullptr;
    QPushButton *cmdSelectOption[9] = {};
    PictureBox *launcherIcon[9] = {}; // Picture2..Picture11 without Picture6
    QWidget *picMain = nullptr;
    ClickableLabel *lblCaption[12] = {};
    QWidget *PicCoBrand = nullptr;
    QPushButton *cmdMdiExit = nullptr;
    LinkLabel *Label7 = nullptr;
    PictureBox *Picture6 = nullptr;
    LinkLabel *lblQuillmereBanner = nullptr;
    QMenu *mnuFile = nullptr;
    QMenu *mnuHelp = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Unload() override; // MDIForm_Unload
    void buildLauncher();
    void buildWelcomePanel();
    void buildBottomStrip();
    void buildMenus();
    void MDIForm_Load();
    void fitBottomStrip(int exitLeftTwips);
    QList<QMenu *> ownMenus;
};

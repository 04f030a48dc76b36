#pragma once

#include "frame/Form.h"

#include <QMdiSubWindow>

class QAction;
class QFrame;
class QBoxLayout;
class QHBoxLayout;
class QMenu;
class QPushButton;
class QStackedLayout;
class QVBoxLayout;
class LinkLabel;

// The frame every oracle window shares: a child of the main window, placed
// at the top and centred on the screen width, with the File and Help menus,
// the three link labels and the Exit button. Unloading it shows the main
// window's welcome panel again.
class OracleWindow : public QMdiSubWindow, public Form {
    Q_OBJECT
public:
    enum class FileMenu { None, ExitOnly, BackAndExit };
    // Main windows: "Check for Software &Update" between mnuHelp1 and mnuHelp2;
    // Display windows: "&Check for Software Update" between mnuFileSep1 and mnuFileSep2.
    enum class HelpStyle { MainWindow, DisplayWindow };
    enum class OfferOnTop { CoBrand, FullBrand };

    struct Design {
        QString title;
        int widthTwips = 9600;
        FileMenu fileMenu = FileMenu::ExitOnly;
        const char *fileMenuName = "mnuFile";
        bool helpMenu = true;
        HelpStyle helpStyle = HelpStyle::MainWindow;
        const char *makeMoneyName = "mkmoney";
        bool linkLabels = true;
        bool cobrandFourBlanks = true;
        OfferOnTop offerOnTop = OfferOnTop::CoBrand;
        bool exitButton = false;
        // The two offers stand inside the frame `fraFullBrand`.
        bool offersInFrame = false;

        // A Main window: File > Exit, "Check for Software &Update".
        static Design mainWindow(const QString &title, const char *makeMoneyName);
        // A Display window: File > Back and Exit, "&Check for Software Update",
        // the full-brand offer on top and the Exit button.
        static Design displayWindow(const QString &title, const char *makeMoneyName);
        // A window that shows its reading itself (Arithmancy, Cyclomancy): File
        // menu `nuFile`, the Display windows' Help menu, `mnuMakeMoney`, and the
        // offers inside `fraFullBrand`.
        static Design singleWindow(const QString &title);
    };

    explicit OracleWindow(const Design &design);

    QWidget *formWidget() override { return this; }
    QList<QMenu *> menus() const { return windowMenus; }

    // Left = (Screen.Width - Width) / 2, Top = 0, in twips.
    void CentreOracleWindow();

    // The steps every showing of an oracle window ends with: shown, placed,
    // in front of the others, and the welcome panel hidden.
    void presentOracleWindow();
    // A Main window hands over to its Display window: this one hides (it
    // stays loaded, with its inputs) and `next` is presented.
    void handOverTo(OracleWindow *next);
    // Back from a Display window: this one unloads and `previous` is
    // presented again. Each step is taken even when `previous` is gone.
    void returnTo(OracleWindow *previous);

    QAction *mnuFileBack = nullptr;
    QAction *mnuExit = nullptr;
    QPushButton *cmdExit = nullptr;
    LinkLabel *Label61 = nullptr;
    LinkLabel *lblCobrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    QFrame *fraFullBrand = nullptr;

protected:
    // Where the window puts its own controls, between Label61 and the bottom strip.
    QVBoxLayout *content() const { return contentLayout; }
    // The bottom strip's buttons, right-aligned; cmdExit stands last.
    void addStripButton(QPushButton *button);
    // Puts `menu` before the frame's menus (a window with its own File menu).
    void addMenuFirst(QMenu *menu);
    QMenu *newMenu(const char *objectName, const char *caption);
    QAction *newAction(QMenu *menu, const char *objectName, const char *caption);

    // The window's own unload work; the frame shows the welcome panel after it.
    virtual void oracleUnload() {}
    // Lays the window out again after its contents changed size.
    void fitToContents();

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void Form_Unload() final;
    void buildFileMenu(const Design &design);
    void buildHelpMenu(const Design &design);
    void buildLinks(const Design &design);
    // Tab goes as the window reads: Label61, the window's own controls, then
    // the offer and the buttons of the bottom strip.
    void orderTabChain();
    // The control that has the keyboard focus when the window first shows.
    QWidget *firstFocus() const;

    int designedWidthTwips;
    QList<QMenu *> windowMenus;
    QVBoxLayout *contentLayout = nullptr;
    QHBoxLayout *stripButtons = nullptr;
};

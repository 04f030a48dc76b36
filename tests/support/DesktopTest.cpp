#include "DesktopTest.h"

#include "app/frmMDI.h"
#include "frame/OracleWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QMdiArea>
#include <QPushButton>

void DesktopTest::init()
{
    desktop = std::make_unique<ScriptedDesktop>();
}

void DesktopTest::cleanup()
{
    const bool clean = noWindowLeft();
    desktop.reset();
    QVERIFY2(clean, "a window was left behind");
}

frmMDI *DesktopTest::mainWindow()
{
    auto *main = WindowRegistry::window<frmMDI>();
    main->show();
    return main;
}

QWidget *DesktopTest::picMain()
{
    return mainWindow()->picMain;
}

void DesktopTest::clickLauncher(int index)
{
    QTest::mouseClick(mainWindow()->cmdSelectOption[index], Qt::LeftButton);
}

void DesktopTest::presentOracle(OracleWindow *window)
{
    window->presentOracleWindow();
}

QMdiSubWindow *DesktopTest::activeOracleWindow()
{
    return mainWindow()->mdiArea->activeSubWindow();
}

void DesktopTest::addCloseWayRows(const char *prefix)
{
    QTest::addColumn<CloseWay>("how");
    QTest::addRow("%sExit button", prefix) << CloseWay::ExitButton;
    QTest::addRow("%sFile > Exit", prefix) << CloseWay::FileExit;
    QTest::addRow("%sclose box", prefix) << CloseWay::CloseBox;
}

void DesktopTest::close(OracleWindow *window, CloseWay how)
{
    switch (how) {
    case CloseWay::ExitButton:
        QVERIFY(window->cmdExit);
        QTest::mouseClick(window->cmdExit, Qt::LeftButton);
        break;
    case CloseWay::FileExit:
        QVERIFY(window->mnuExit);
        window->mnuExit->trigger();
        break;
    case CloseWay::CloseBox:
        window->close();
        break;
    }
}

void DesktopTest::goBack(OracleWindow *window, QAbstractButton *button, bool byMenu)
{
    if (byMenu) {
        QVERIFY(window->mnuFileBack);
        window->mnuFileBack->trigger();
    } else {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

#include "StartUp.h"

#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "frame/modHelp.h"
#include "frame/MsgBox.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

namespace {

QString lockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + QString::fromLatin1(platform::ApplicationName) + QStringLiteral(".lock");
}

// Held for the life of the process; a copy that crashed leaves a lock whose
// process is gone, which QLockFile takes over.
std::unique_ptr<QLockFile> &instanceLock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

} // namespace

void ReleaseSingleInstance()
{
    instanceLock().reset();
}

bool CheckSingleInstance()
{
    std::unique_ptr<QLockFile> &lock = instanceLock();
    if (lock && lock->isLocked())
        return true;
    auto candidate = std::make_unique<QLockFile>(lockFilePath());
    candidate->setStaleLockTime(0);
    if (candidate->tryLock(0)) {
        lock = std::move(candidate);
        return true;
    }
    MsgBox(QStringLiteral("Application is already running"), QMessageBox::Information);
    ShutDownProgram();
    return false;
}

void ShutDownProgram()
{
    for (Form *form : WindowRegistry::loadedForms())
        WindowRegistry::unloadForm(form);
    platform::desktop().endProgram();
}

bool StartUp()
{
    if (!CheckSingleInstance())
        return false;
    Randomize();
    modHelp::UpdateReminder();
    frmMDI *main = WindowRegistry::window<frmMDI>();
    // Where no window manager maximizes, the window still spans the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        main->setGeometry(screen->availableGeometry());
    main->showMaximized();
    return true;
}

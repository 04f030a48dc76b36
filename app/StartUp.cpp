#include "StartUp.h"

#include "app/frmMDI.h"
#include "frame/WindowRegistry.h"
#include "frame/modHelp.h"
#include "frame/MsgBox.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The one-copy lock is the kernel's lock on an open lock file: it is held
// while the process lives and released by the kernel however the process
// ends, so a copy that crashed never leaves a lock behind. What the file
// holds does not matter (it names the process that holds it, for a curious
// reader), so an empty or damaged file locks nobody out.
int lockDescriptor = -1;

const QString &lockFileName()
{
    static const QString name = QString::fromLatin1(platform::ApplicationName) + QStringLiteral(".lock");
    return name;
}

// The folders the lock may live in, in order; every copy looks in the same.
QStringList standardLockFolders()
{
    QStringList folders;
    for (const auto location : {QStandardPaths::RuntimeLocation, QStandardPaths::GenericCacheLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty())
            folders.append(folder);
    }
    return folders;
}

// Takes away whatever stands where the lock file must be and cannot serve as one.
void clearAway(const QByteArray &path)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0)
        return;
    if (S_ISDIR(status.st_mode))
        QDir(QFile::decodeName(path)).removeRecursively();
    else
        ::unlink(path.constData());
}

enum class LockResult { Taken, HeldByAnother, Unusable };

LockResult takeLock(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return LockResult::Unusable;
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + lockFileName());
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) {
            const int error = errno;
            // Unreadable, a folder, a link, a socket: not a lock anybody holds.
            // Anything else (no descriptors left, say) says nothing about the file.
            if (error != EACCES && error != EPERM && error != EISDIR && error != ELOOP && error != ENXIO)
                return LockResult::Unusable;
            clearAway(path);
            continue;
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            clearAway(path);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? LockResult::HeldByAnother : LockResult::Unusable;
        }
        // Another copy may have cleared the file away meanwhile and made a new one.
        struct stat named {};
        if (::stat(path.constData(), &named) != 0 || named.st_dev != opened.st_dev || named.st_ino != opened.st_ino) {
            ::close(fd);
            continue;
        }
        const QByteArray process = QByteArray::number(qint64(::getpid())) + '\n';
        if (::ftruncate(fd, 0) == 0) {
            [[maybe_unused]] const ssize_t written = ::write(fd, process.constData(), size_t(process.size()));
        }
        lockDescriptor = fd;
        return LockResult::Taken;
    }
    return LockResult::Unusable;
}

} // namespace

void ReleaseSingleInstance()
{
    if (lockDescriptor >= 0)
        ::close(lockDescriptor);
    lockDescriptor = -1;
}

bool CheckSingleInstance()
{
    return CheckSingleInstance(standardLockFolders());
}

bool CheckSingleInstance(const QStringList &lockFolders)
{
    if (lockDescriptor >= 0)
        return true;
    for (const QString &folder : lockFolders) {
        switch (takeLock(folder)) {
        case LockResult::Taken:
            return true;
        case LockResult::HeldByAnother:
            MsgBox(QStringLiteral("Application is already running"), QMessageBox::Information);
            ShutDownProgram();
            return false;
        case LockResult::Unusable:
            break; // the next folder
        }
    }
    // Nowhere to keep a lock: one copy is the rule, not a reason to refuse the user.
    return true;
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
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        main->setGeometry(main->openingGeometry(screen->availableGeometry()));
    main->showMaximized();
    return true;
}

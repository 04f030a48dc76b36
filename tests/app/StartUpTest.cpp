#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "app/StartUp.h"
#include "frame/WindowRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// What an ordinary file holds; nothing for anything else (a named pipe
// would keep the reader waiting).
QByteArray contentsOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink())
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray processLine(qint64 id)
{
    return QByteArray::number(id) + '\n';
}

} // namespace

// Starting the real program beside this test: both look for the lock in the
// same runtime folder, which the test makes its own.
class StartUpTest : public DesktopTest {
    Q_OBJECT

    QTemporaryDir runtime;
    QTemporaryDir config;

    QString lockPath() const { return runtime.path() + "/OrrinFreeDivinationI.lock"; }

    // Starts the program and waits until it holds the lock: the lock file
    // then names it.
    void startProgram(QProcess &program)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("XDG_CONFIG_HOME", config.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ORRIN_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(contentsOf(lockPath()), processLine(program.processId()), 20000);
    }

    // This process tries to start while `holder` runs: it must be refused.
    void expectRefused()
    {
        ScriptedDesktop &desktop = scripted();
        QVERIFY(!StartUp());
        QCOMPARE(desktop.messageTexts(), QStringList{"Application is already running"});
        QCOMPARE(desktop.programEnds, 1);
        QVERIFY(!WindowRegistry::loadedWindow<frmMDI>());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(runtime.isValid() && config.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }

    void cleanup()
    {
        ReleaseSingleInstance();
        DesktopTest::cleanup();
    }

    void aSecondCopySaysSoAndEndsWithoutItsWindow()
    {
        QProcess first;
        startProgram(first);
        ScriptedDesktop &desktop = scripted();
        QVERIFY(!StartUp());
        QCOMPARE(desktop.messages.size(), 1);
        QCOMPARE(desktop.messages[0].text, "Application is already running");
        QCOMPARE(desktop.messages[0].icon, QMessageBox::Information);
        QCOMPARE(desktop.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(desktop.messages[0].title, "Orrin Vodadadore I v1.20");
        QCOMPARE(desktop.programEnds, 1);
        QVERIFY(!WindowRegistry::loadedWindow<frmMDI>());
        QVERIFY(desktop.settingsStore.isEmpty()); // the reminder did not run

        // The running copy is not disturbed, and when it crashes it does not block the next start.
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        QVERIFY(first.waitForFinished());
        QVERIFY(QFile::exists(lockPath()));
        QVERIFY(CheckSingleInstance());
        QCOMPARE(contentsOf(lockPath()), processLine(QCoreApplication::applicationPid()));
        QVERIFY(desktop.messages.size() == 1);
    }

    // Whatever stands where the lock belongs, the program starts, holds the
    // lock for real (a second copy is refused) and, once it has crashed,
    // leaves nothing that keeps the next start out.
    void aDamagedLockLocksNobodyOut_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("empty file") << "empty";
        QTest::newRow("binary garbage") << "garbage";
        QTest::newRow("names a running process") << "live process";
        // The superuser opens the file all the same; the row still runs.
        QTest::newRow("unreadable file") << "unreadable";
        QTest::newRow("empty folder") << "empty folder";
        QTest::newRow("folder with files") << "folder";
        QTest::newRow("link to nowhere") << "dangling link";
        QTest::newRow("link to a file of the user's") << "link";
        QTest::newRow("named pipe") << "fifo";
    }

    void aDamagedLockLocksNobodyOut()
    {
        QFETCH(QString, damage);
        const QString path = lockPath();
        QFile::remove(path);
        QTemporaryDir elsewhere;
        const QString usersFile = elsewhere.filePath("notes.txt");
        const QByteArray usersText = "the user's own notes";
        {
            QFile file(usersFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(usersText);
        }
        if (damage == u"empty" || damage == u"garbage" || damage == u"live process" || damage == u"unreadable") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (damage == u"garbage") {
                QByteArray noise(4096, '\0');
                QRandomGenerator generator(7);
                for (char &byte : noise)
                    byte = char(generator.bounded(256));
                file.write(noise);
            } else if (damage == u"live process") { // this test is alive, with its lock form
                file.write(processLine(QCoreApplication::applicationPid()) + "OrrinFreeDivinationI\nhost\n");
            }
            file.close();
            if (damage == u"unreadable")
                QVERIFY(QFile::setPermissions(path, {}));
        } else if (damage.endsWith(u"folder")) {
            QVERIFY(QDir().mkpath(path + "/inside"));
            if (damage == u"folder") {
                QFile file(path + "/inside/file");
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("x");
            }
        } else if (damage == u"dangling link") {
            QVERIFY(QFile::link(elsewhere.filePath("nothing"), path));
        } else if (damage == u"link") {
            QVERIFY(QFile::link(usersFile, path));
        } else if (damage == u"fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }

        QProcess first;
        startProgram(first);
        QVERIFY(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
        expectRefused();
        first.kill();
        QVERIFY(first.waitForFinished());
        QVERIFY(CheckSingleInstance());
        QCOMPARE(scripted().messages.size(), 1);
        // A link is taken away, never followed: the file it pointed at is untouched.
        QCOMPARE(contentsOf(usersFile), usersText);
    }

    // With nowhere to keep a lock the program starts all the same, and says nothing.
    void noPlaceForTheLockStillStarts()
    {
        ScriptedDesktop &desktop = scripted();
        QTemporaryDir folder;
        const QString aFile = folder.filePath("file");
        QFile file(aFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(CheckSingleInstance({aFile + "/below a file", "/proc/no such folder"}));
        QVERIFY(CheckSingleInstance({}));
        QVERIFY(desktop.messages.isEmpty());
        QCOMPARE(desktop.programEnds, 0);
    }

    // The first folder that can hold the lock holds it, for every copy alike.
    void theLockGoesToTheFirstUsableFolder()
    {
        QTemporaryDir folder;
        const QString aFile = folder.filePath("file");
        QFile file(aFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString usable = folder.filePath("cache");
        QVERIFY(CheckSingleInstance({aFile + "/below a file", usable}));
        QCOMPARE(contentsOf(usable + "/OrrinFreeDivinationI.lock"), processLine(QCoreApplication::applicationPid()));
    }

    void startUpSeedsRemindsAndShowsTheMainWindow()
    {
        ScriptedDesktop &desktop = scripted();
        QVERIFY(StartUp());
        QCOMPARE(desktop.seedCount, 1);
        QCOMPARE(desktop.settingsStore.size(), 1); // first start: the reminder date
        auto *main = WindowRegistry::loadedWindow<frmMDI>();
        QVERIFY(main && main->isVisible());
        QCOMPARE(main->windowTitle(), "Orrin Vodadadore I v1.20");
        QVERIFY(main->picMain->isVisible());
    }
};

ORRIN_TEST(StartUpTest)
#include "StartUpTest.moc"

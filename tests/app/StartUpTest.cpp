#include "DesktopTest.h"
#include "TestMain.h"

#include "app/frmMDI.h"
#include "app/StartUp.h"
#include "frame/WindowRegistry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

// Starting the real program beside this test: both look for the lock in the
// same runtime folder, which the test makes its own.
class StartUpTest : public DesktopTest {
    Q_OBJECT

    QTemporaryDir runtime;
    QTemporaryDir config;

    QString lockPath() const { return runtime.path() + "/OrrinFreeDivinationI.lock"; }

    void startProgram(QProcess &program)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("XDG_CONFIG_HOME", config.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ORRIN_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockPath()), 20000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(runtime.isValid() && config.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }

    void cleanupTestCase() { ReleaseSingleInstance(); }

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
        QVERIFY(desktop.messages.size() == 1);
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

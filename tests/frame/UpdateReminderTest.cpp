#include "DesktopTest.h"
#include "TestMain.h"

#include "frame/modHelp.h"
#include "platform/Platform.h"

class UpdateReminderTest : public DesktopTest {
    Q_OBJECT

    static QString key() { return QStringLiteral("Settings/") + modHelp::ReminderKey; }

private slots:

    void remindsEveryFifteenDaysOrMore_data()
    {
        QTest::addColumn<QString>("stored"); // "" = absent; else days from now, or a text
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("first start") << "" << false << true;
        QTest::newRow("14 days ago") << "-14" << false << false;
        QTest::newRow("15 days ago") << "-15" << true << true;
        QTest::newRow("14 days ahead") << "14" << false << false;
        QTest::newRow("15 days ahead") << "15" << true << true;
        QTest::newRow("a year ago") << "-365" << true << true;
        QTest::newRow("not a date") << "yesterday-ish" << false << true;
    }

    void remindsEveryFifteenDaysOrMore()
    {
        QFETCH(QString, stored);
        QFETCH(bool, asked);
        QFETCH(bool, rewritten);
        ScriptedDesktop &desktop = scripted();
        desktop.messageAnswers = {QMessageBox::No};
        bool isNumber = false;
        const int days = stored.toInt(&isNumber);
        QString before = stored;
        if (isNumber)
            before = desktop.clock.addDays(days).addSecs(-3600).toString(Qt::ISODate);
        if (!before.isEmpty())
            desktop.settingsStore.insert(key(), before);

        modHelp::UpdateReminder();

        QCOMPARE(desktop.messages.size(), asked ? 1 : 0);
        QCOMPARE(desktop.settingsStore.value(key()),
                 rewritten ? desktop.clock.toString(Qt::ISODate) : before);
        QVERIFY(desktop.openedAddresses.isEmpty());
    }

    void theQuestionAndItsYes()
    {
        ScriptedDesktop &desktop = scripted();
        desktop.settingsStore.insert(key(), desktop.clock.addDays(-20).toString(Qt::ISODate));
        modHelp::UpdateReminder(); // scripted answer: the default button
        QCOMPARE(desktop.messages.size(), 1);
        const platform::MessageRequest &message = desktop.messages[0];
        QCOMPARE(message.text, "There maybe an update to this software available\rDo you want to check for an update?");
        QCOMPARE(message.icon, QMessageBox::Information);
        QCOMPARE(message.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(message.defaultButton, QMessageBox::Yes);
        QCOMPARE(message.title, "Orrin Vodadadore I v1.20");
        QCOMPARE(desktop.openedAddresses, QList<QUrl>({QUrl(modHelp::DownloadPageAddress)}));
        QCOMPARE(desktop.settingsStore.value(key()), desktop.clock.toString(Qt::ISODate));
        // The question, then the date is stored, then the page opens.
        QCOMPARE(desktop.log,
                 QStringList({QStringLiteral("message ") + message.text,
                              QStringLiteral("setting ") + key() + "=" + desktop.clock.toString(Qt::ISODate),
                              QStringLiteral("open ") + modHelp::DownloadPageAddress}));

        // Asked today: the next start asks nothing.
        modHelp::UpdateReminder();
        QCOMPARE(desktop.messages.size(), 1);
    }

    void generatorNeverReachesOne()
    {
        const SystemServicesInPlace systemGenerator;
        QCOMPARE(platform::uniformFromBits(0), 0.0f);
        QCOMPARE(platform::uniformFromBits(0xFFFFFFFFu), ScriptedServices::largestBelowOne());
        QVERIFY(platform::uniformFromBits(0xFFFFFFFFu) < 1.0f);
        float largest = 0.0f;
        for (int i = 0; i < 200000; ++i)
            largest = std::max(largest, Rnd());
        QVERIFY(largest < 1.0f && largest > 0.99f);
    }
};

ORRIN_TEST(UpdateReminderTest)
#include "UpdateReminderTest.moc"

#pragma once

#include "platform/Platform.h"

#include <QHash>
#include <QList>
#include <QStringList>

// Non-visual services for tests: random values come from a script, the clock
// stands where the test puts it and settings live in memory. Installed for the
// lifetime of the object; what was installed before comes back afterwards.
class ScriptedServices : public platform::Services {
public:
    ScriptedServices();
    ~ScriptedServices() override;
    ScriptedServices(const ScriptedServices &) = delete;
    ScriptedServices &operator=(const ScriptedServices &) = delete;

    // Values handed out by Rnd(), in order. Running out fails the test.
    void scriptRandom(const QList<float> &values);
    int randomValuesLeft() const { return randomScript.size(); }
    int seedCount = 0;

    QDateTime clock = QDateTime(QDate(2026, 12, 7), QTime(10, 30));
    QHash<QString, QString> settingsStore; // "section/key" -> value

    // Everything asked of the scripted desktop and services, in order, one
    // line each: "setting Settings/Key=value", "open https://...",
    // "message <text>", "wait 1", "save dialog", "open dialog", "printer dialog".
    QStringList log;

    float nextRandom() override;
    void seedFromClock() override { ++seedCount; }
    QDateTime now() override { return clock; }
    QString readSetting(const QString &section, const QString &key) override;
    void writeSetting(const QString &section, const QString &key, const QString &value) override;

    // The largest float below 1.
    static float largestBelowOne();

private:
    QList<float> randomScript;
    platform::Services *previous;
};

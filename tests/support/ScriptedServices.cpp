#include "ScriptedServices.h"

#include <QTest>

#include <cmath>

ScriptedServices::ScriptedServices()
    : previous(platform::installServices(this))
{
}

ScriptedServices::~ScriptedServices()
{
    platform::installServices(previous);
}

void ScriptedServices::scriptRandom(const QList<float> &values)
{
    randomScript = values;
}

float ScriptedServices::nextRandom()
{
    if (randomScript.isEmpty()) {
        QTest::qFail("Rnd() called more often than the test scripted", __FILE__, __LINE__);
        return 0.0f;
    }
    return randomScript.takeFirst();
}

QString ScriptedServices::readSetting(const QString &section, const QString &key)
{
    return settingsStore.value(section + QLatin1Char('/') + key);
}

void ScriptedServices::writeSetting(const QString &section, const QString &key, const QString &value)
{
    settingsStore.insert(section + QLatin1Char('/') + key, value);
    log.append(QStringLiteral("setting %1/%2=%3").arg(section, key, value));
}

float ScriptedServices::largestBelowOne()
{
    return std::nextafter(1.0f, 0.0f);
}

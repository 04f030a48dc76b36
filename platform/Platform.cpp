#include "Platform.h"

#include <QSettings>

#include <random>
#include <utility>

namespace platform {

float uniformFromBits(quint32 bits)
{
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}

namespace {

class SystemServices final : public Services {
public:
    SystemServices() { seedFromClock(); }

    float nextRandom() override { return uniformFromBits(generator()); }

    void seedFromClock() override
    {
        const auto now = QDateTime::currentDateTime();
        generator.seed(static_cast<std::uint32_t>(now.toMSecsSinceEpoch())
                       ^ static_cast<std::uint32_t>(std::random_device{}()));
    }

    QDateTime now() override { return QDateTime::currentDateTime(); }

    QString readSetting(const QString &section, const QString &key) override
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope,
                        QString::fromLatin1(ApplicationName), QString::fromLatin1(ApplicationName));
        return store.value(section + QLatin1Char('/') + key).toString();
    }

    void writeSetting(const QString &section, const QString &key, const QString &value) override
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope,
                        QString::fromLatin1(ApplicationName), QString::fromLatin1(ApplicationName));
        store.setValue(section + QLatin1Char('/') + key, value);
        store.sync();
    }

private:
    std::mt19937 generator;
};

Services *installed = nullptr;

} // namespace

Services &services()
{
    if (installed)
        return *installed;
    static SystemServices system;
    return system;
}

Services *installServices(Services *replacement)
{
    return std::exchange(installed, replacement);
}

} // namespace platform

float Rnd()
{
    return platform::services().nextRandom();
}

void Randomize()
{
    platform::services().seedFromClock();
}

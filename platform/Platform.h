#pragma once

#include <QDateTime>
#include <QString>

// The non-visual half of the desktop seam: random numbers, the clock and the
// per-user settings store. The draws of the data modules reach the platform
// only through here, so a test can script every value they see.
namespace platform {

class Services {
public:
    virtual ~Services() = default;

    // Uniform r with 0 <= r < 1, single precision; never 1.0.
    virtual float nextRandom() = 0;
    // Reseeds the generator from the system timer.
    virtual void seedFromClock() = 0;
    virtual QDateTime now() = 0;
    // An absent value reads as empty text.
    virtual QString readSetting(const QString &section, const QString &key) = 0;
    virtual void writeSetting(const QString &section, const QString &key, const QString &value) = 0;
};

// 24 random bits scaled into [0, 1): the largest value is 1 - 2^-24, so r
// can never round up to 1.0.
float uniformFromBits(quint32 bits);

// The services in use: the system's own unless a test installed others.
Services &services();
// Installs `replacement` (not owned) and returns what was installed before;
// nullptr goes back to the system's services.
Services *installServices(Services *replacement);

// The application name under which settings are kept.
inline constexpr char ApplicationName[] = "OrrinFreeDivinationI";

} // namespace platform

// The generator as every oracle calls it.
float Rnd();
void Randomize();

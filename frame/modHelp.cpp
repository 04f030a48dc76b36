#include "modHelp.h"

#include "frame/MsgBox.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"

#include <QUrl>

namespace modHelp {

void OpenWebPage(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return;
    platform::desktop().openUrl(url);
}

void OpenOnlineHelp() { OpenWebPage(QString::fromLatin1(OnlineHelpAddress)); }
void OpenCommunitySite() { OpenWebPage(QString::fromLatin1(CommunitySiteAddress)); }
void OpenDownloadPage() { OpenWebPage(QString::fromLatin1(DownloadPageAddress)); }
void OpenFullBrandOffer() { OpenWebPage(QString::fromLatin1(FullBrandOfferAddress)); }
void OpenCoBrandOffer() { OpenWebPage(QString::fromLatin1(CoBrandOfferAddress)); }

namespace {

const QString Section = QStringLiteral("Settings");

void storeReminderDate(const QDateTime &when)
{
    platform::services().writeSetting(Section, QString::fromLatin1(ReminderKey),
                                      when.toString(Qt::ISODate));
}

} // namespace

void UpdateReminder()
{
    platform::Services &services = platform::services();
    const QDateTime now = services.now();
    const QDateTime stored = QDateTime::fromString(
        services.readSetting(Section, QString::fromLatin1(ReminderKey)), Qt::ISODate);
    if (!stored.isValid()) { // first start, or a value that is not a date
        storeReminderDate(now);
        return;
    }
    const qint64 days = now.date().daysTo(stored.date());
    if (days >= -14 && days <= 14)
        return;
    const auto answer = MsgBox(QStringLiteral("There maybe an update to this software available")
                                   + QLatin1Char('\r')
                                   + QStringLiteral("Do you want to check for an update?"),
                               QMessageBox::Information, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes);
    storeReminderDate(now);
    if (answer == QMessageBox::Yes)
        OpenDownloadPage();
}

} // namespace modHelp

#pragma once

#include <QString>

// The maker's web pages and the update reminder.
namespace modHelp {

// The community's address as captions name it.
inline constexpr char CommunitySiteName[] = "www.quillmere.example";

inline constexpr char OnlineHelpAddress[] = "https://www.orrin-vodadadore.example/vodadadore-i/help/";
inline constexpr char CommunitySiteAddress[] = "https://www.quillmere.example/";
inline constexpr char DownloadPageAddress[] = "https://www.orrin-vodadadore.example/vodadadore-i/download/";
inline constexpr char FullBrandOfferAddress[] = "https://www.orrin-vodadadore.example/help/full-branding/";
inline constexpr char CoBrandOfferAddress[] = "https://www.orrin-vodadadore.example/help/co-branding/";

// Settings key of the date of the last reminder, in section "Settings".
inline constexpr char ReminderKey[] = "LastUpdateReminder";

// Hands a web address to the desktop's default handler. Anything that is
// not an http or https address is ignored.
void OpenWebPage(const QString &address);

void OpenOnlineHelp();
void OpenCommunitySite();
void OpenDownloadPage();
void OpenFullBrandOffer();
void OpenCoBrandOffer();

// Every fifteen days or more, asks whether to look for an update.
void UpdateReminder();

} // namespace modHelp

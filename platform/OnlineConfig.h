#pragma once

#include <QString>

// The maker's online services: fixed at build time (CMake options), the first
// four replaceable through the environment so that tests talk to local servers.
namespace volmira::platform::online {

// The download site's account and files; fixed, whatever the host.
inline constexpr char kDownloadUser[] = "volmira-apt";
inline constexpr char kDownloadPassword[] = "harrier77";
inline constexpr char kProgramVersionPath[] = "/APT/download/version-prog.txt";
inline constexpr char kDataVersionPath[] = "/APT/download/version-data.txt";
// The page a user downloads a new version from, where no updater is installed.
inline constexpr char kDownloadPagePath[] = "/APT/download/";
// The FTP account's password.
inline constexpr char kFtpPassword[] = "harrier77";

// host[:port] of the download site (VOLMIRA_APT_DOWNLOAD_HOST).
[[nodiscard]] QString downloadHost();
// "http://" + downloadHost() + path; the credentials travel apart from it.
[[nodiscard]] QString downloadUrl(const char *path);
// "ftp://host[:port]" of the upload server (VOLMIRA_APT_FTP_URL).
[[nodiscard]] QString ftpUrl();
// The FTP account's user name (VOLMIRA_APT_FTP_USER).
[[nodiscard]] QString ftpUser();
// Where the user announces sent data (VOLMIRA_APT_SUPPORT_MAIL).
[[nodiscard]] QString supportMail();
// The maker's web site, opened from the About window.
[[nodiscard]] QString webUrl();
// The web address as it is printed and shown: the site's host, "www.volmira.example".
[[nodiscard]] QString webAddress();

}  // namespace volmira::platform::online
